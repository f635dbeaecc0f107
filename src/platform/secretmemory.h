#pragma once

// Keeping what the private list holds in memory to this process.
namespace platform {

// While guarded, no other process of the user can read this process's
// memory: no core dump is written and no debugger attaches. Guards nest;
// the last one off puts back what was there before, and hands memory freed
// meanwhile back to the system where the C library can, so that less of it
// lingers.
void guardMemory(bool guarded);

// Whether memory is guarded now, as the system sees it.
bool memoryIsGuarded();

} // namespace platform
