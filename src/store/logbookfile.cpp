#include "logbookfile.h"

#include "logbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("LogbookFile", text);
}

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

} // namespace

LogbookFile::LogbookFile(QString path, QString machine)
    : m_path(std::move(path))
    , m_machine(std::move(machine))
{
}

// What the file holds; nothing where there is no file yet.
StoreResult LogbookFile::contents(QByteArray *bytes) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) && file.exists())
        return refused(tr("The logbook %1 could not be read.").arg(QDir::toNativeSeparators(m_path)));
    *bytes = file.isOpen() ? file.readAll() : QByteArray();
    return {};
}

bool LogbookFile::append(const QByteArray &lines, QString *problem)
{
    if (lines.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *problem = file.errorString();
        return false;
    }
    const qint64 was = file.size();
    const QByteArray added = was == 0 ? logbook::header() + lines : lines;
    if (file.write(added) == added.size() && file.flush())
        return true;
    *problem = file.errorString();
    file.resize(was);
    return false;
}

StoreResult LogbookFile::read(SettingsStore::Done *done, const QDateTime &from)
{
    QByteArray held;
    if (const StoreResult read = contents(&held); !read.written())
        return read;
    logbook::Reader reader(from);
    if (!reader.add(held, m_machine)) {
        // It goes on as a new file holding what could be read; the damaged
        // one is kept beside it.
        QByteArray good = logbook::header();
        for (const QByteArray &line : held.split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#') && logbook::Reader().add(line, {}))
                good += line + '\n';
        }
        const QString kept = keepAside(held, QStringLiteral(".done-damaged"));
        done->problems << (!kept.isEmpty() && writeWhole(good)
                               ? tr("Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a "
                                    "new one goes on with the rest.")
                                     .arg(QDir::toNativeSeparators(m_path), kept)
                               : tr("Part of the logbook %1 was damaged and could not be read; the rest was.")
                                     .arg(QDir::toNativeSeparators(m_path)));
    }
    done->entries = reader.entries();
    return {};
}

StoreResult LogbookFile::forgetBefore(const QDateTime &before)
{
    QByteArray held;
    if (const StoreResult read = contents(&held); !read.written())
        return read;
    const QByteArray kept = logbook::forgotten(held, before);
    StoreResult result;
    if (!held.isEmpty()) {
        result.keptAs = keepAside(held, QStringLiteral(".done-before-forget"));
        if (result.keptAs.isEmpty())
            return refused(tr("This computer's logbook could not be copied aside first, so nothing was taken out of it."));
    }
    if (!writeWhole(kept))
        return refused(tr("The logbook %1 could not be written.").arg(QDir::toNativeSeparators(m_path)));
    return result;
}

StoreResult LogbookFile::forBackup(QByteArray *lines) const
{
    QByteArray held;
    if (const StoreResult read = contents(&held); !read.written())
        return read;
    *lines = held.isEmpty() ? QByteArray() : logbook::forBackup({qMakePair(m_machine, held)});
    return {};
}

StoreResult LogbookFile::restore(const QByteArray &lines)
{
    QByteArray held;
    if (const StoreResult read = contents(&held); !read.written())
        return read;
    QString problem;
    if (!append(logbook::notYetIn(lines, {held}), &problem))
        return refused(tr("The logbook %1 could not be written (%2).").arg(QDir::toNativeSeparators(m_path), problem));
    return {};
}

QString LogbookFile::keepAside(const QByteArray &bytes, const QString &kind) const
{
    for (int n = 1; n < 1000; ++n) {
        const QString name = m_path + kind + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        QFile file(name);
        if (file.exists())
            continue;
        if (file.open(QIODevice::NewOnly) && file.write(bytes) == bytes.size() && file.flush())
            return QDir::toNativeSeparators(name);
        file.remove();
        return {};
    }
    return {};
}

bool LogbookFile::writeWhole(const QByteArray &bytes) const
{
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
