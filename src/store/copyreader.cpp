#include "copyreader.h"

#include <QSet>

#include <cstring>

namespace {

// What stands for a part taken from the store in a copy's identity: a byte
// no line read from a copy holds (a NUL is written escaped).
QByteArray token(char kind, qsizetype at)
{
    return QByteArray(1, '\0') + kind + QByteArray::number(at) + ';';
}

} // namespace

CopyReader::CopyReader(const IniDocument &store, QByteArrayView storeBytes)
    : m_store(store)
{
    const QByteArrayView bytes = IniDocument::withoutByteOrderMark(storeBytes);
    qsizetype pos = 0;
    const QList<IniDocument::Section> &sections = store.sections();
    for (qsizetype s = 0; s < sections.size(); ++s) {
        if (sections[s].entries.isEmpty())
            continue; // never written
        if (pos > 0 && (pos >= bytes.size() || bytes[pos++] != '\n')) {
            m_blocks.clear();
            return;
        }
        const qsizetype start = pos;
        qsizetype headerEnd = -1;
        for (qsizetype line = 0; line <= sections[s].entries.size() && pos >= 0; ++line) {
            const qsizetype end = bytes.indexOf('\n', pos);
            if (line == 0)
                headerEnd = end;
            pos = end < 0 ? -1 : end + 1;
        }
        const std::optional<QString> name = pos < 0 ? std::nullopt : IniDocument::readHeader(bytes.sliced(start, headerEnd - start));
        if (!name || *name != sections[s].name) {
            m_blocks.clear();
            return;
        }
        // Its entries' lines, split now: copies are read on several threads.
        Block block{bytes.sliced(start, pos - start), s, {}};
        for (qsizetype at = headerEnd + 1; at < pos;) {
            const qsizetype end = bytes.indexOf('\n', at);
            block.lines << bytes.sliced(at, end - at);
            at = end + 1;
        }
        m_blocks.insert(bytes.sliced(start, headerEnd - start), block);
    }
    if (pos != bytes.size())
        m_blocks.clear();
}

CopyReader::Read CopyReader::read(QByteArrayView copy) const
{
    const QByteArrayView bytes = IniDocument::withoutByteOrderMark(copy);
    if (m_blocks.isEmpty() && !bytes.isEmpty())
        return {IniDocument::parseExact(copy), QByteArray(1, '\1') + copy.toByteArray()};
    Read read;
    read.identity = bytes.size() == copy.size() ? QByteArray() : QByteArray(1, '\2');
    QList<IniDocument::Section> sections;
    QSet<QString> names;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (pos > 0 && bytes[pos++] != '\n') // the blank line between sections
            return {std::nullopt, QByteArray(1, '\1') + copy.toByteArray()};
        const qsizetype headerEnd = bytes.indexOf('\n', pos);
        const auto block = headerEnd < 0 ? m_blocks.cend() : m_blocks.constFind(bytes.sliced(pos, headerEnd - pos));
        const qsizetype size = block == m_blocks.cend() ? -1 : block->bytes.size();
        if (size >= 0 && bytes.size() - pos >= size && std::memcmp(bytes.data() + pos, block->bytes.data(), size_t(size)) == 0
            && (pos + size == bytes.size() || bytes[pos + size] == '\n')) {
            // The store's section to the byte.
            sections << m_store.sections()[block->section];
            read.identity += token('S', block->section);
            pos += size;
        } else if (!readSection(bytes, pos, block == m_blocks.cend() ? nullptr : &*block, sections, read.identity)) {
            return {std::nullopt, QByteArray(1, '\1') + copy.toByteArray()};
        }
        if (names.contains(sections.last().name))
            return {std::nullopt, QByteArray(1, '\1') + copy.toByteArray()};
        names.insert(sections.last().name);
    }
    read.document = IniDocument::ofSections(std::move(sections));
    return read;
}

// A section that differs from the store's of its name (or that the store
// lacks), line by line: a line the same as the store's at its place shares
// the store's entry, any other is decoded.
bool CopyReader::readSection(QByteArrayView bytes, qsizetype &pos, const Block *block,
                             QList<IniDocument::Section> &into, QByteArray &identity) const
{
    const qsizetype headerEnd = bytes.indexOf('\n', pos);
    if (headerEnd < 0)
        return false;
    const QByteArrayView header = bytes.sliced(pos, headerEnd - pos);
    const IniDocument::Section *store = block ? &m_store.sections()[block->section] : nullptr;
    const std::optional<QString> name = store ? store->name : IniDocument::readHeader(header);
    if (!name)
        return false;
    identity += header;
    identity += '\n';
    const QList<QByteArrayView> *storeLines = block ? &block->lines : nullptr;
    IniDocument::Section section{*name, {}};
    QSet<QString> keys;
    pos = headerEnd + 1;
    while (pos < bytes.size() && bytes[pos] != '\n') {
        const qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            return false; // the last line always ends
        const QByteArrayView line = bytes.sliced(pos, end - pos);
        const qsizetype at = section.entries.size();
        if (storeLines && at < storeLines->size() && (*storeLines)[at] == line) {
            section.entries << store->entries[at];
            identity += token('L', at);
        } else if (std::optional<IniDocument::Entry> entry = IniDocument::readEntry(line)) {
            section.entries << std::move(*entry);
            identity += line;
            identity += '\n';
        } else {
            return false;
        }
        if (keys.contains(section.entries.last().key))
            return false; // a key twice: no file the program writes
        keys.insert(section.entries.last().key);
        pos = end + 1;
    }
    if (section.entries.isEmpty())
        return false; // a section without keys is never written
    into << std::move(section);
    return true;
}
