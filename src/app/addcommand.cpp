#include "addcommand.h"

#include "lists/liststorage.h"
#include "store/settings.h"
#include "store/storekeys.h"

#include <QCoreApplication>
#include <QLocale>

namespace addcommand {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("addcommand", text);
}

// A few tries: another copy may fill a row between the read and the write.
constexpr int attempts = 5;

// Why the text cannot be a task; nothing when it can.
QString whyNoTask(const QString &text)
{
    if (text.trimmed().isEmpty())
        return tr("a task needs some text");
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return tr("a task is one line, without line breaks or control characters");
    }
    if (text.size() > longestTask)
        return tr("a task is at most %1 characters").arg(QLocale().toString(longestTask));
    return {};
}

} // namespace

bool isDayList(int tasks)
{
    return tasks == 3 || (tasks >= 5 && tasks <= 15);
}

Added add(const QStringList &texts, int tasks, SettingsStore &store)
{
    Added added;
    for (const QString &text : texts) {
        if (const QString why = whyNoTask(text); !why.isEmpty()) {
            added.failure = tr("%1; nothing was added.").arg(why);
            return added;
        }
    }
    if (tasks == 0)
        tasks = settings::tasksOf(settings::startList(store));
    if (tasks == 0) {
        added.failure = tr("no list opens at start to add to; name one with --list N (3, or 5 to 15).");
        return added;
    }
    if (!isDayList(tasks)) {
        added.failure = tr("there is no %1-task list; the lists have 3, or 5 to 15 tasks.").arg(tasks);
        return added;
    }
    added.tasks = tasks;
    const QString section = storekeys::taskSection(tasks);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QList<TaskRow> rows = SectionListStorage::read(store, section, tasks);
        QList<StoreChange> changes;
        added.rows.clear();
        for (int row = 0; row < tasks && added.rows.size() < texts.size(); ++row) {
            if (!rows[row].text.isEmpty())
                continue;
            // Written only while the row is still empty: the check and the
            // write happen under the store's lock together.
            changes << StoreChange::expect(section, storekeys::textKey(row + 1), rows[row].text)
                    << StoreChange::write(section, storekeys::textKey(row + 1), texts[added.rows.size()])
                    << StoreChange::write(section, storekeys::tickKey(row + 1), storekeys::tickValue(false));
            added.rows << row + 1;
        }
        if (added.rows.size() < texts.size()) {
            added.failure = added.rows.isEmpty()
                                ? tr("the %1-task list is full; nothing was added.").arg(tasks)
                                : tr("the %1-task list has room for %2 more; nothing was added.").arg(tasks).arg(added.rows.size());
            return added;
        }
        const StoreResult result = store.apply(changes);
        if (result.status == StoreResult::Status::Changed)
            continue;
        if (!result.written())
            added.failure = tr("%1 Nothing was added.").arg(result.reason);
        else if (result.status == StoreResult::Status::Unconfirmed)
            added.unconfirmed = result.reason;
        return added;
    }
    added.failure = tr("the %1-task list kept changing meanwhile; nothing was added.").arg(tasks);
    return added;
}

} // namespace addcommand
