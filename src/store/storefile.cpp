#include "storefile.h"

#include "inertvariants.h"
#include "qsettingsreading.h"
#include "storemerge.h"

#include <QDir>
#include <QSet>

#include <string.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Whether every line of the file that says something (no comment, no key
// written twice, no text in another encoding) stands as it is in the form.
bool everyLineKept(const QByteArray &file, const QByteArray &form)
{
    if (QString::fromUtf8(file).toUtf8() != file)
        return false;
    const QList<QByteArray> written = form.split('\n');
    const QSet<QByteArray> lines(written.begin(), written.end());
    for (QByteArray line : file.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty() && !lines.contains(line))
            return false;
    }
    return true;
}

} // namespace

void StoreFile::wipe(QByteArray &bytes)
{
    if (bytes.isDetached())
        ::explicit_bzero(bytes.data(), size_t(bytes.size()));
}

StoreFile::StoreFile(QString folder, QString name)
    : m_folder(std::move(folder))
    , m_name(std::move(name))
    , m_path(QDir(m_folder).filePath(m_name))
{
}

StoreFile::Loaded StoreFile::load(const StoreFolder &folder) const
{
    if (m_known && folder.stampOf(m_name) == m_known->stamp)
        return *m_known;
    return reload(folder);
}

StoreFile::Loaded StoreFile::reload(const StoreFolder &folder) const
{
    return parse(folder.read(m_name));
}

StoreFile::Loaded StoreFile::parse(StoreFolder::ReadResult &&read) const
{
    Loaded loaded;
    switch (read.status) {
    case StoreFolder::ReadResult::Status::Missing:
        loaded.readable = true;
        return loaded;
    case StoreFolder::ReadResult::Status::NotRegular:
        loaded.problem = tr("The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes "
                            "it: your saved lists cannot be shown, and nothing can be saved until it is replaced "
                            "by an ordinary file.")
                             .arg(native(m_path), read.kind);
        return loaded;
    case StoreFolder::ReadResult::Status::TooLarge:
        loaded.problem = tr("The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it "
                            "was not read: your saved lists cannot be shown, and nothing can be saved until it is "
                            "moved away.")
                             .arg(native(m_path))
                             .arg(StoreFolder::sizeLimit / (1024 * 1024));
        return loaded;
    case StoreFolder::ReadResult::Status::Failed:
        loaded.problem = tr("The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing "
                            "will be saved until the file can be read again.")
                             .arg(native(m_path), StoreFolder::reasonFor(read.error));
        return loaded;
    case StoreFolder::ReadResult::Status::Read:
        break;
    }
    loaded = parsed(std::move(read.bytes));
    loaded.stamp = read.stamp;
    loaded.document.indexNow();
    m_known = loaded;
    return loaded;
}

StoreFile::Loaded StoreFile::parsed(QByteArray bytes)
{
    Loaded loaded;
    loaded.readable = true;
    loaded.exists = true;
    if (std::optional<IniDocument> exact = IniDocument::parseExact(bytes)) {
        loaded.document = std::move(*exact);
        return loaded;
    }
    // Read as QSettings reads it, in memory: the values the windows saw
    // before, whatever the file holds. Nothing is written to read it.
    const QSettingsReading reading = readAsQSettingsDoes(withInertVariants(bytes));
    loaded.document = reading.document;
    loaded.damaged = reading.damaged;
    // Blank lines, line ends and how sections are laid out mean nothing: a
    // file whose every line the program's own form writes again, and that
    // reads back the same key by key, is no file to keep a copy of.
    // (Read back as the program reads its own form, which QSettings reads
    // alike: a second reading as QSettings would double the cost.)
    const QByteArray form = loaded.document.serialize();
    loaded.exact = !loaded.damaged && everyLineKept(bytes, form) && IniDocument::parseExact(form) == loaded.document;
    if (!loaded.exact)
        loaded.bytes = std::move(bytes);
    return loaded;
}

void StoreFile::forgetSecret(const QString &section, const QString &key)
{
    if (!m_known)
        return;
    // Zeroed where it lies: the copies that share it go with it, and the
    // reading, which would hold zeros now, is dropped.
    if (const QString *value = m_known->document.find(section, key)) {
        volatile ushort *characters = const_cast<ushort *>(value->utf16());
        for (qsizetype i = 0; i < value->size(); ++i)
            characters[i] = 0;
    }
    forget();
}

StoreFile::Written StoreFile::write(StoreFolder &folder, const IniDocument &document, const Loaded &replacing,
                                    Whose whose, QByteArray bytes)
{
    Written result;
    if (bytes.isEmpty())
        bytes = document.serialize();
    if (bytes.size() > StoreFolder::sizeLimit) {
        result.tooLarge = true;
        return result;
    }
    forget();
    result.written = folder.writeWhole(m_name, bytes, {}, replacing.stamp);
    wipe(bytes); // a private key in the clear may be among them
    if (!result.written.landed())
        return result;
    for (const storemerge::Part &part : storemerge::parts()) {
        const QString *stamp = document.find(storemerge::savedSection, part.sections.first());
        const QString *before = replacing.document.find(storemerge::savedSection, part.sections.first());
        if (whose == Whose::Ours && stamp && (!before || *before != *stamp))
            m_writtenHere.insert(part.sections.first(), {*stamp, document});
    }
    Loaded now;
    now.readable = now.exists = true;
    now.document = document;
    now.document.indexNow();
    now.stamp = result.written.stamp;
    m_known = std::move(now);
    return result;
}

bool StoreFile::writtenHere(const storemerge::Part &part, const IniDocument &now) const
{
    const auto written = m_writtenHere.constFind(part.sections.first());
    const QString *stamp = now.find(storemerge::savedSection, part.sections.first());
    return written != m_writtenHere.cend() && stamp && *stamp == written->first
           && storemerge::samePart(now, written->second, part);
}
