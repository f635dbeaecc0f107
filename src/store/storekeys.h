#pragma once

#include <QString>
#include <QStringList>

// Every section and key the program keeps, in one place.
namespace storekeys {

inline QString taskSection(int tasks)
{
    return QStringLiteral("Task%1").arg(tasks);
}
inline const QString privateSection = QStringLiteral("Priv");
// When each part, and each task of a day list, was last changed.
inline const QString savedSection = QStringLiteral("Saved");
// The tasks a merge replaced.
inline const QString replacedSection = QStringLiteral("Replaced");

inline QString textKey(int row)
{
    return QStringLiteral("Text%1").arg(row);
}
inline QString tickKey(int row)
{
    return QStringLiteral("Tick%1").arg(row);
}

// A tick is stored as "1" or "0"; only the exact text "1" reads as ticked.
inline QString tickValue(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}
inline bool isTicked(const QString &stored)
{
    return stored == QLatin1String("1");
}

inline const QString passwordSection = QStringLiteral("Password");
inline const QString passwordKey = QStringLiteral("Ok");

// The private list's rows, encrypted under its data key (in privateSection).
inline const QString sealedListKey = QStringLiteral("Sealed");
// The data key, encrypted under a key derived from the password (in
// passwordSection, so it goes whenever the password goes).
inline const QString wrappedKeyKey = QStringLiteral("Key");
// The data key as it is, only between proving the old password and setting a
// new one, when no password protects the list anyway.
inline const QString unfinishedChangeSection = QStringLiteral("PrivChange");
inline const QString dataKeyKey = QStringLiteral("Key");
// Private values that failed authentication, kept as they were.
inline const QString keptAsideSection = QStringLiteral("PrivDamaged");
// The sections that travel together as the private list: its rows, its
// password and key, and a password change half done.
inline const QStringList privateListSections{privateSection, passwordSection, unfinishedChangeSection};
// There: the times of the sets of rows kept under their own key, in order.
inline const QString keptRowsKey = QStringLiteral("Kept");

// Which list opens at start: "none", "5", "10", "13" or "15".
inline const QString autoLoadSection = QStringLiteral("AutoLoad");
inline const QString autoLoadKey = QStringLiteral("AutoLoad");

// "NoShow" when the exit reminder is not to be shown again.
inline const QString reminderSection = QStringLiteral("AutoLoadWindow");
inline const QString reminderKey = QStringLiteral("AutoLoadWindow");
inline const QString reminderOff = QStringLiteral("NoShow");

// The first quick note's notice that notes cannot stay on top here, once
// the user has turned it off.
inline const QString noticesSection = QStringLiteral("Notices");
inline const QString notOnTopKey = QStringLiteral("NotesNotOnTop");
inline const QString noticeOff = QStringLiteral("Off");

} // namespace storekeys
