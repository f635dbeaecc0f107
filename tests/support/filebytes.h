#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file, to show it was not touched.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
