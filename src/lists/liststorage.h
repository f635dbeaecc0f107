#pragma once

#include "store/settingsstore.h"

#include <QList>
#include <QString>

#include <optional>

struct TaskRow
{
    QString text;
    bool ticked = false;
    bool operator==(const TaskRow &) const = default;
};

// A task longer than this is refused at save: far beyond any task, and a
// store of such rows in every list would outgrow what the program reads.
constexpr qsizetype longestTask = 1000 * 1000;
// Why the rows cannot be saved, naming the first row too long; nothing when
// they can.
QString tooLongRow(const QList<TaskRow> &rows);

struct LoadedList
{
    QList<TaskRow> rows;
    QString problem; // for the user to hear, although the list still opens
    bool operator==(const LoadedList &) const = default;
};

// Where a task list window keeps its rows: a day list in its own section of
// the store, the private list sealed under its password.
class ListStorage
{
public:
    virtual ~ListStorage() = default;
    // Exactly `rows` rows; a row never saved is empty and unticked.
    virtual LoadedList load(int rows) = 0;
    // The rows reach the disk together or not at all. A save that takes
    // text away names itself as the step a snapshot is kept before; one over
    // a version from elsewhere (overAnother) has that version kept whatever
    // it takes, or is refused.
    virtual StoreResult save(const QList<TaskRow> &rows, const QString &snapshotStep = {}, bool overAnother = false) = 0;
    // A snapshot of the store is kept first.
    virtual StoreResult clear() = 0;
    // The window is gone: forget whatever was held for it.
    virtual void close() {}
    // Whether the rows are secret: the window wipes its copies as it closes.
    virtual bool holdsSecrets() const { return false; }
    // The rows as stored now, for a window following the store; nothing
    // when they cannot be read with what the window holds (the private
    // list under a key set on another machine). Reports nothing.
    virtual std::optional<QList<TaskRow>> follow(int rows) { return load(rows).rows; }
    // The window now shows these rows, as the store holds them: a later
    // save is measured against them.
    virtual void showing(const QList<TaskRow> &) {}
    // The rows the store holds after the last save of `rows`: a day list
    // saved over a version from elsewhere keeps the tasks changed there that
    // the window had left as they were.
    virtual QList<TaskRow> saved(const QList<TaskRow> &rows) const { return rows; }
    // Whether Save can still write: not once the private list closed itself
    // because its key changed elsewhere.
    virtual bool canSave() const { return true; }
    // Whether the last save met the list changed elsewhere since the window
    // last read or wrote it, before the window heard of it, and so kept the
    // store as a snapshot before replacing it.
    virtual bool savedOverAnotherVersion() const { return false; }
};

// A day list: "TextN" and "TickN" keys in the list's section.
class SectionListStorage final : public ListStorage
{
public:
    SectionListStorage(SettingsStore &store, const QString &section)
        : m_store(store)
        , m_section(section)
    {
    }
    LoadedList load(int rows) override;
    StoreResult save(const QList<TaskRow> &rows, const QString &snapshotStep = {}, bool overAnother = false) override;
    StoreResult clear() override;
    bool savedOverAnotherVersion() const override { return m_savedOverAnother; }
    std::optional<QList<TaskRow>> follow(int rows) override;
    void showing(const QList<TaskRow> &rows) override;
    QList<TaskRow> saved(const QList<TaskRow> &rows) const override { return m_saved.size() == rows.size() ? m_saved : rows; }

    // The rows as these keys hold them; the private list reads an earlier
    // store's plain section this way.
    // asRead: the value of every key as read.
    static QList<TaskRow> read(const SettingsStore &store, const QString &section, int rows,
                               QList<StoreChange> *asRead = nullptr);
    // Texts first, then ticks.
    static QList<StoreChange> writes(const QString &section, const QList<TaskRow> &rows);

private:
    void knowWritten(QList<StoreChange> changes);
    StoreResult saveOver(const QList<TaskRow> &rows, const QString &snapshotStep);

    SettingsStore &m_store;
    QString m_section;
    // The list's keys as the window last read or wrote them: what a save
    // may replace without keeping a snapshot first.
    QList<StoreChange> m_known;
    bool m_savedOverAnother = false;
    QList<TaskRow> m_saved; // as the last save left the store
};
