#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The settings file's contents: sections of keys holding text, in the order
// the file has them. Knows nothing of disks; ConfFileStore reads and writes it.
class IniDocument
{
public:
    struct Entry
    {
        QString key;
        QString value;
        bool operator==(const Entry &) const = default;
    };
    struct Section
    {
        QString name; // empty for the keys outside any section
        QList<Entry> entries;
        bool operator==(const Section &) const = default;
    };

    const QString *find(const QString &section, const QString &key) const;
    // A new key goes at the end of its section, a new section at the end.
    void set(const QString &section, const QString &key, const QString &value);
    // A section left without keys is gone from the file.
    void removeKey(const QString &section, const QString &key);
    // Tells whether there was anything to remove.
    bool removeSection(const QString &section);

    const QList<Section> &sections() const { return m_sections; }
    // The index of sections and keys built now, for every copy made after
    // to share: a copy asked first would build its own, every time.
    void indexNow() const { index(); }
    bool operator==(const IniDocument &other) const { return m_sections == other.m_sections; }

    // The bytes QSettings' INI format gives these texts: every store written
    // this way reads back through QSettings with the same values.
    QByteArray serialize() const;

    // The document these bytes hold, if they are exactly what serialize()
    // would write for it (a leading UTF-8 byte-order mark aside). Anything
    // else (hand edits, duplicates, invalid UTF-8, values of other types)
    // gives nothing: the caller then reads it as QSettings does and knows the
    // file cannot be written back byte for byte.
    static std::optional<IniDocument> parseExact(QByteArrayView bytes);

    static QByteArrayView withoutByteOrderMark(QByteArrayView bytes);

    // One line as serialize() writes it, read back: a section's header, an
    // entry. Nothing where serialize() would not write these bytes for it.
    static std::optional<QString> readHeader(QByteArrayView line);
    static std::optional<Entry> readEntry(QByteArrayView line);
    // A document of sections with distinct names, each holding distinct keys.
    static IniDocument ofSections(QList<Section> sections);

private:
    // Where each section is, and each key of a section of many, so that a
    // store of many sections or keys (one written by another program) is
    // read in linear time. Built when first asked for; a removal has it
    // built again. A section of few keys is searched: cheaper than a table.
    struct Index
    {
        QHash<QString, qsizetype> sections;
        QHash<qsizetype, QHash<QString, qsizetype>> keys; // by section, where it has many
    };
    static constexpr qsizetype searchedUpTo = 16;
    const Index &index() const;
    qsizetype keyAt(qsizetype section, const QString &key) const;

    QList<Section> m_sections;
    mutable std::optional<Index> m_index;
};
