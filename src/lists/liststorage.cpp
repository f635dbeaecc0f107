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

std::optional<QList<TaskRow>> SectionListStorage::follow(int rows)
{
    return read(m_store, m_section, rows); // what the window shows stays what a save is measured against
}

void SectionListStorage::showing(const QList<TaskRow> &rows)
{
    knowWritten(writes(m_section, rows));
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
    m_saved = rows;
    QList<StoreChange> changes = writes(m_section, rows);
    // A version put in since the window last looked, which its notice has
    // not brought to the window yet, is met row by row below.
    const bool guarded = m_store.keepsSnapshots();
    if (!overAnother) {
        if (!snapshotStep.isEmpty())
            changes.prepend(StoreChange::snapshot(snapshotStep));
        StoreResult result = m_store.apply(guarded ? m_known + changes : changes);
        // The program's own step (Clear All Tasks) changed it: nothing from
        // elsewhere to meet.
        if (guarded && result.status == StoreResult::Status::Changed && m_store.lastChangedHere(m_section))
            result = m_store.apply(changes);
        if (!guarded || result.status != StoreResult::Status::Changed) {
            if (result.written())
                knowWritten(changes);
            return result;
        }
    }
    return saveOver(rows, overAnother ? QString() : snapshotStep);
}

// Saved elsewhere since the window last read it: the rows changed here go
// in, each row the window left as it was keeps what was saved elsewhere, and
// where both changed a row, the version from elsewhere goes to the record of
// rows replaced.
StoreResult SectionListStorage::saveOver(const QList<TaskRow> &rows, const QString &snapshotStep)
{
    QList<TaskRow> known(rows.size());
    for (const StoreChange &change : std::as_const(m_known)) {
        const qsizetype row = change.key.mid(4).toInt() - 1; // "TextN", "TickN"
        if (row < 0 || row >= known.size())
            continue;
        if (change.key.startsWith(QLatin1String("Text")))
            known[row].text = change.value;
        else
            known[row].ticked = storekeys::isTicked(change.value);
    }
    StoreResult result{StoreResult::Status::Changed, {}};
    for (int attempt = 0; attempt < 3 && result.status == StoreResult::Status::Changed; ++attempt) {
        QList<StoreChange> asRead;
        m_saved = read(m_store, m_section, int(rows.size()), &asRead);
        bool emptied = false;
        QList<int> numbers;
        QList<StoreChange> changes;
        for (int row = 0; row < rows.size(); ++row) {
            if (rows[row] == known[row] || rows[row] == m_saved[row])
                continue;
            // Changed here and elsewhere: the later edit, this one, wins the
            // row, and the record keeps the one from elsewhere.
            if (m_saved[row] != known[row])
                changes << StoreChange::unseenRow(m_section, row + 1);
            emptied = emptied || (rows[row].text.isEmpty() && !m_saved[row].text.isEmpty());
            m_saved[row] = rows[row];
            numbers << row + 1;
        }
        for (const int row : std::as_const(numbers))
            changes << StoreChange::write(m_section, storekeys::textKey(row), rows[row - 1].text);
        for (const int row : std::as_const(numbers))
            changes << StoreChange::write(m_section, storekeys::tickKey(row), storekeys::tickValue(rows[row - 1].ticked));
        if (emptied)
            changes.prepend(StoreChange::snapshot(snapshotStep.isEmpty()
                                                      ? QCoreApplication::translate("ListStorage", "tasks emptied")
                                                      : snapshotStep));
        result = m_store.apply(asRead + changes);
        m_savedOverAnother = result.written() && !result.replacedRows.isEmpty();
        if (result.written())
            knowWritten(writes(m_section, m_saved));
    }
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
