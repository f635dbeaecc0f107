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
    knowStored(rows);
    return {read(m_store, m_section, rows), {}};
}

void SectionListStorage::knowStored(int rows)
{
    m_known.clear();
    for (int row = 1; row <= rows; ++row) {
        for (const QString &key : {storekeys::textKey(row), storekeys::tickKey(row)})
            m_known << StoreChange::expect(m_section, key, m_store.read(m_section, key));
    }
}

StoreResult SectionListStorage::save(const QList<TaskRow> &rows, const QString &snapshotStep)
{
    if (const QString why = tooLongRow(rows); !why.isEmpty())
        return {StoreResult::Status::Refused, why};
    m_savedOverAnother = false;
    QList<StoreChange> changes = writes(m_section, rows);
    if (!snapshotStep.isEmpty())
        changes.prepend(StoreChange::snapshot(snapshotStep));
    // A version put in since the window last looked, which its notice has
    // not brought to the window yet, is kept before it is replaced.
    const bool guarded = snapshotStep.isEmpty() && m_store.keepsSnapshots();
    StoreResult result = m_store.apply(guarded ? m_known + changes : changes);
    if (guarded && result.status == StoreResult::Status::Changed) {
        m_savedOverAnother = true;
        changes.prepend(StoreChange::snapshot(
            QCoreApplication::translate("ListStorage", "saved over a version from elsewhere")));
        result = m_store.apply(changes);
    }
    if (result.written())
        knowStored(int(rows.size()));
    return result;
}

StoreResult SectionListStorage::clear()
{
    const StoreResult result = m_store.apply({StoreChange::snapshot(QCoreApplication::translate("ListStorage", "Clear List")),
                                              StoreChange::removeSection(m_section)});
    if (result.written())
        knowStored(int(m_known.size() / 2));
    return result;
}
