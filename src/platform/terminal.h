#pragma once

#include <QString>

#include <optional>

namespace platform {

// Shows the prompt on standard error and reads one line from standard input;
// when that is a terminal, what is typed is not shown. Nothing at the end of
// the input.
std::optional<QString> readSecretLine(const QString &prompt);

} // namespace platform
