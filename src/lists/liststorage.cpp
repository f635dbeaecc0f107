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

QList<TaskRow> SectionListStorage::read(const SettingsStore &store, const QString &section, int rows,
                                        QList<StoreChange> *asRead)
{
    QList<TaskRow> list;
    for (int row = 1; row <= rows; ++row) {
        const QString text = store.read(section, storekeys::textKey(row));
        const QString tick = store.read(section, storekeys::tickKey(row));
        list << TaskRow{text, storekeys::isTicked(tick)};
        if (asRead) {
            *asRead << StoreChange::expect(section, storekeys::textKey(row), text)
                    << StoreChange::expect(section, storekeys::tickKey(row), tick);
        }
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
    // Each key read once: what a save expects to replace is what is shown.
    m_known.clear();
    return {read(m_store, m_section, rows, &m_known), {}};
}

// What the window shows once the changes are in the store.
void SectionListStorage::knowWritten(QList<StoreChange> changes)
{
    m_known.clear();
    for (StoreChange &change : changes) {
        if (change.kind == StoreChange::Kind::Write) {
            change.kind = StoreChange::Kind::Expect;
            m_known << change;
        }
    }
}

StoreResult SectionListStorage::save(const QList<TaskRow> &rows, const QString &snapshotStep, bool overAnother)
{
    if (const QString why = tooLongRow(rows); !why.isEmpty())
        return {StoreResult::Status::Refused, why};
    m_savedOverAnother = false;
    QList<StoreChange> changes = writes(m_section, rows);
    if (!snapshotStep.isEmpty())
        changes.prepend(overAnother ? StoreChange::keepFirst(snapshotStep) : StoreChange::snapshot(snapshotStep));
    // A version put in since the window last looked, which its notice has
    // not brought to the window yet, is kept before it is replaced.
    const bool guarded = snapshotStep.isEmpty() && m_store.keepsSnapshots();
    StoreResult result = m_store.apply(guarded ? m_known + changes : changes);
    if (guarded && result.status == StoreResult::Status::Changed) {
        // The program's own step (Clear All Tasks) changed it: nothing from
        // elsewhere to keep. Any other hand's version is kept first.
        m_savedOverAnother = !m_store.lastChangedHere(m_section);
        if (m_savedOverAnother)
            changes.prepend(StoreChange::keepFirst(
                QCoreApplication::translate("ListStorage", "saved over a version from elsewhere")));
        result = m_store.apply(changes);
    }
    if (result.written())
        knowWritten(changes);
    return result;
}

StoreResult SectionListStorage::clear()
{
    const StoreResult result = m_store.apply({StoreChange::snapshot(QCoreApplication::translate("ListStorage", "Clear List")),
                                              StoreChange::removeSection(m_section)});
    if (result.written()) {
        for (StoreChange &known : m_known)
            known.value.clear(); // none of its keys is there
    }
    return result;
}
