#include "terminal.h"

#include <QByteArray>

#include <cstdio>

namespace platform {

std::optional<QString> readSecretLine(const QString &prompt)
{
    std::fputs(qPrintable(prompt), stderr);
    std::fflush(stderr);
    const std::function<void()> showTypingAgain = hideTyping();
    QByteArray line;
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += char(c);
    showTypingAgain();
    if (c == EOF && line.isEmpty())
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    QString secret = QString::fromLocal8Bit(line);
    line.fill('\0');
    return secret;
}

} // namespace platform
