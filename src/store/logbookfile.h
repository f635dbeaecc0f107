#pragma once

#include "settingsstore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The logbook of tasks done where the store is not a folder of files (the
// registry): one machine, one file of its own in the user's data folder,
// written by appending, as each machine's file beside a settings file is.
class LogbookFile
{
public:
    LogbookFile(QString path, QString machine);

    const QString &machine() const { return m_machine; }
    // A line cut short (a full disk) is taken off again; false and a reason
    // in words when nothing was added.
    bool append(const QByteArray &lines, QString *problem);
    StoreResult read(SettingsStore::Done *done, const QDateTime &from);
    StoreResult forgetBefore(const QDateTime &before);
    StoreResult forBackup(QByteArray *lines) const;
    StoreResult restore(const QByteArray &lines);

private:
    StoreResult contents(QByteArray *bytes) const;
    QString keepAside(const QByteArray &bytes, const QString &kind) const;
    bool writeWhole(const QByteArray &bytes) const;

    QString m_path;
    QString m_machine;
};
