#pragma once

#include "inidocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>

#include <optional>

// A sync program's copy of the store is mostly the store's own bytes: read
// against them, section by section and line by line, only what differs is
// decoded. A 6 MB copy that differs in one task costs a comparison of bytes,
// not a parse, and shares every unchanged value with the store's document.
// What it reads is what IniDocument::parseExact reads. Once made, it may
// read on several threads at once.
class CopyReader
{
public:
    // The store's document and the bytes it was read from exactly, as the
    // caller knows them to be of one version; empty bytes (or bytes not laid
    // out as the document would write them) have every copy parsed whole.
    CopyReader(const IniDocument &store, QByteArrayView storeBytes);

    struct Read
    {
        std::optional<IniDocument> document;
        // What tells this copy from another read against the same store:
        // equal for two copies exactly when their bytes are equal, and
        // small where they are mostly the store.
        QByteArray identity;
    };
    Read read(QByteArrayView copy) const;

private:
    struct Block
    {
        QByteArrayView bytes; // the header line up to the end of the last entry's line
        qsizetype section = 0;
        QList<QByteArrayView> lines; // its entries'
    };
    bool readSection(QByteArrayView bytes, qsizetype &pos, const Block *block, QList<IniDocument::Section> &into,
                     QByteArray &identity) const;

    const IniDocument &m_store;
    QHash<QByteArrayView, Block> m_blocks; // by header line
};
