#include "addcommand.h"

#include "lists/liststorage.h"
#include "store/settings.h"
#include "store/storekeys.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace addcommand {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("addcommand", text);
}

int fail(const QString &reason)
{
    std::fprintf(stderr, "velmorwick: %s\n", qPrintable(reason));
    return 1;
}

bool isDayList(int tasks)
{
    return tasks == 3 || (tasks >= 5 && tasks <= 15);
}

// A few tries: another copy may fill a row between the read and the write.
constexpr int attempts = 5;

} // namespace

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

int run(const QStringList &texts, int tasks, SettingsStore &store)
{
    for (const QString &text : texts) {
        if (const QString why = whyNoTask(text); !why.isEmpty())
            return fail(tr("%1; nothing was added.").arg(why));
    }
    if (tasks == 0) {
        tasks = settings::tasksOf(settings::startList(store));
        if (tasks == 0)
            return fail(tr("no list opens at start to add to; name one with --list N (3, or 5 to 15)."));
    }
    if (!isDayList(tasks))
        return fail(tr("there is no %1-task list; the lists have 3, or 5 to 15 tasks.").arg(tasks));
    const QString section = storekeys::taskSection(tasks);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QList<TaskRow> rows = SectionListStorage::read(store, section, tasks);
        QList<StoreChange> changes;
        QList<int> filled;
        for (int row = 0; row < tasks && filled.size() < texts.size(); ++row) {
            if (!rows[row].text.isEmpty())
                continue;
            // Written only while the row is still empty: the check and the
            // write happen under the store's lock together.
            changes << StoreChange::expect(section, storekeys::textKey(row + 1), rows[row].text)
                    << StoreChange::write(section, storekeys::textKey(row + 1), texts[filled.size()])
                    << StoreChange::write(section, storekeys::tickKey(row + 1), storekeys::tickValue(false));
            filled << row + 1;
        }
        if (filled.size() < texts.size()) {
            return fail(tr("the %1-task list has room for %2 more; nothing was added.")
                            .arg(tasks)
                            .arg(filled.size()));
        }
        const StoreResult result = store.apply(changes);
        if (result.status == StoreResult::Status::Changed)
            continue;
        if (!result.written())
            return fail(tr("%1 Nothing was added.").arg(result.reason));
        if (result.status == StoreResult::Status::Unconfirmed)
            std::fprintf(stderr, "velmorwick: %s\n", qPrintable(result.reason));
        for (int row : std::as_const(filled))
            std::printf("%s\n", qPrintable(tr("Added to the %1-task list as task %2.").arg(tasks).arg(row)));
        return 0;
    }
    return fail(tr("the %1-task list kept changing meanwhile; nothing was added.").arg(tasks));
}

} // namespace addcommand
