#include "liststorage.h"

#include "store/storekeys.h"

#include <QCoreApplication>
#include <QLocale>

QString tooLongRow(const QList<TaskRow> &rows)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (rows[row].text.size() > longestTask) {
            return QCoreApplication::translate("ListStorage", "Task %1 is longer than %2 characters; shorten it to "
                                                              "save the list.")
                .arg(row + 1)
                .arg(QLocale().toString(longestTask));
        }
    }
    return {};
}

QList<TaskRow> SectionListStorage::read(const SettingsStore &store, const QString &section, int rows)
{
    QList<TaskRow> list;
    for (int row = 1; row <= rows; ++row) {
        list << TaskRow{store.read(section, storekeys::textKey(row)),
                        storekeys::isTicked(store.read(section, storekeys::tickKey(row)))};
    }
    return list;
}

QList<StoreChange> SectionListStorage::writes(const QString &section, const QList<TaskRow> &rows)
{
    QList<StoreChange> changes;
    for (int row = 1; row <= rows.size(); ++row)
        changes << StoreChange::write(section, storekeys::textKey(row), rows[row - 1].text);
    for (int row = 1; row <= rows.size(); ++row)
        changes << StoreChange::write(section, storekeys::tickKey(row), storekeys::tickValue(rows[row - 1].ticked));
    return changes;
}

LoadedList SectionListStorage::load(int rows)
{
    return {read(m_store, m_section, rows), {}};
}

StoreResult SectionListStorage::save(const QList<TaskRow> &rows, const QString &snapshotStep)
{
    if (const QString why = tooLongRow(rows); !why.isEmpty())
        return {StoreResult::Status::Refused, why};
    QList<StoreChange> changes = writes(m_section, rows);
    if (!snapshotStep.isEmpty())
        changes.prepend(StoreChange::snapshot(snapshotStep));
    return m_store.apply(changes);
}

StoreResult SectionListStorage::clear()
{
    return m_store.apply({StoreChange::snapshot(QCoreApplication::translate("ListStorage", "Clear List")),
                          StoreChange::removeSection(m_section)});
}
