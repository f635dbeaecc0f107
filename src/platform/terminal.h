#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

// Shows the prompt on standard error and reads one line from standard input;
// when that is a terminal, what is typed is not shown. Nothing at the end of
// the input.
std::optional<QString> readSecretLine(const QString &prompt);

// What differs: stops the terminal on standard input (if it is one) from
// showing what is typed; the call returned puts it back.
std::function<void()> hideTyping();

} // namespace platform
