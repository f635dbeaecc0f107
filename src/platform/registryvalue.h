#pragma once

// Turning a value read from the Windows registry into text. Plain C++, no Qt,
// so that it builds with the Windows cross compiler on its own.
#include <cstddef>
#include <cstdint>
#include <string>

namespace registryvalue {

// The most a value may hold: the reader's buffer.
inline constexpr std::size_t bufferSize = 1024;

inline constexpr std::uint32_t textType = 1;   // REG_SZ
inline constexpr std::uint32_t numberType = 4; // REG_DWORD

// Converts `size` bytes of a value of the given type. Text keeps its bytes
// (in the system's code page) without a terminating NUL; a 32-bit number
// becomes "&h" and its bytes, most significant first, as two upper-case hex
// digits each; a value of any other type leaves `text` as it was. A last byte
// that is NUL is dropped before either, as it ends a stored text. False when
// the value does not fit the buffer.
bool convert(std::uint32_t type, const unsigned char *bytes, std::size_t size, std::string &text);

} // namespace registryvalue
