#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "store/inidocument.h"
#include "store/storemerge.h"

// The bytes of a file, to show it was not touched.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A file holding exactly these bytes, its folder made if need be; a test
// that cannot write its own scratch files stops there.
inline void putFileBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A store file's lists, without the times of saving: what a restore brings
// back exactly (it stamps the parts it changes as saved now).
inline QByteArray listsOf(const QByteArray &store)
{
    std::optional<IniDocument> document = IniDocument::parseExact(store);
    if (!document)
        return store;
    document->removeSection(storemerge::savedSection);
    return document->serialize();
}
