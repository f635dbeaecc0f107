#pragma once

#include "inidocument.h"
#include "storefolder.h"
#include "storemerge.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <optional>

// The settings file itself: read and judged once per version (the reading
// kept while the file is that version), and written whole. It knows which
// times of saving this run wrote, to tell its own steps from another hand's.
class StoreFile
{
    Q_DECLARE_TR_FUNCTIONS(StoreFile)

public:
    struct Loaded
    {
        bool readable = false;
        bool exists = false;
        bool exact = true;    // the bytes are what the document would write
        bool damaged = false; // QSettings itself would report a format error
        QString problem;      // why it is not readable, in words
        QByteArray bytes;     // kept only when not exact, for the copy aside
        IniDocument document;
        StoreFolder::Stamp stamp; // the version read; size -1 when there was none
    };

    StoreFile(QString folder, QString name);

    const QString &path() const { return m_path; }
    const QString &name() const { return m_name; }

    // The file as it is in the folder: read and judged only when it is not
    // the version read or written last.
    Loaded load(const StoreFolder &folder) const;
    // The file read anew, whatever was known of it.
    Loaded reload(const StoreFolder &folder) const;
    // Any bytes of a store (a snapshot, a kept copy): what they hold, and
    // whether the program's own form would write them back the same.
    static Loaded parsed(QByteArray bytes);
    // Bytes of the file zeroed where they lie (a private key in the clear
    // may be among them), unless they are shared.
    static void wipe(QByteArray &bytes);
    // The next load reads the file again.
    void forget() const { m_known.reset(); }
    // A secret read or written for the last time: wiped where the reading
    // kept holds it.
    void forgetSecret(const QString &section, const QString &key);

    // Whose step a write is: a merge writes times of saving from elsewhere.
    enum class Whose { Ours, Merged };
    struct Written
    {
        StoreFolder::Written written;
        bool tooLarge = false; // past what the program reads back: nothing written
    };
    // The document whole in place of the version `replacing` was read from
    // (its bytes, when the caller has them already); once it lands, it is
    // the version known.
    Written write(StoreFolder &folder, const IniDocument &document, const Loaded &replacing, Whose whose,
                  QByteArray bytes = {});

    // Whether the part as `now` holds it (its time of saving and its
    // content) is what this run's own step wrote last: a merge may keep
    // that time beside rows taken from elsewhere.
    bool writtenHere(const storemerge::Part &part, const IniDocument &now) const;

private:
    Loaded parse(StoreFolder::ReadResult &&read) const;

    QString m_folder;
    QString m_name;
    QString m_path;
    mutable std::optional<Loaded> m_known;
    QHash<QString, std::pair<QString, IniDocument>> m_writtenHere; // by part: its time of saving, the document written
};
