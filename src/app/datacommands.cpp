#include "datacommands.h"

#include "app/addcommand.h"
#include "app/donecommand.h"
#include "app/listexchange.h"
#include "platform/files.h"
#include "private/keptrows.h"
#include "private/privatevault.h"
#include "private/sealing.h"
#include "store/inidocument.h"
#include "store/namedlist.h"
#include "store/replacedrecord.h"
#include "store/rowstamps.h"
#include "store/settings.h"
#include "store/storekeys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

#include <cstdio>
#include <utility>

namespace datacommands {

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("datacommands", text, disambiguation, n);
}

int fail(const QString &reason)
{
    std::fprintf(stderr, "velmorwick: %s\n", qPrintable(shownOnATerminal(reason)));
    return 1;
}

int misused(const QString &reason)
{
    std::fprintf(stderr, "velmorwick: %s (see velmorwick --help)\n", qPrintable(shownOnATerminal(reason)));
    return 2;
}

void say(const QString &what)
{
    std::printf("%s\n", qPrintable(what));
}

void warn(const QString &what)
{
    std::fprintf(stderr, "velmorwick: %s\n", qPrintable(shownOnATerminal(what)));
}

// A write that landed is done, even when the disk did not confirm it: that
// is said, and the command succeeds.
bool landed(const StoreResult &result)
{
    if (result.status == StoreResult::Status::Unconfirmed)
        warn(result.reason);
    return result.written();
}

// An import file is a few times the size of the lists it holds at most.
constexpr qint64 importLimit = 64 * 1024 * 1024;
constexpr qint64 backupLimit = 64 * 1024 * 1024;

// Opens the private list with the password typed now; why not, when not.
QString openPrivateList(PrivateVault &vault, const SettingsStore &store, const AskPassword &askPassword)
{
    if (!settings::passwordIsSet(store))
        return tr("the private list has no password yet");
    const std::optional<QString> password = askPassword(tr("Password of the private list: "));
    if (!password || password->isEmpty())
        return tr("no password was given");
    const PasswordGate::EntryResult entry = vault.enter(*password);
    switch (entry.entry) {
    case PasswordGate::Entry::Opened:
        return {};
    case PasswordGate::Entry::Wrong:
        return tr("wrong password");
    case PasswordGate::Entry::NotSaved:
        return tr("the private list could not be saved encrypted: %1").arg(entry.reason);
    case PasswordGate::Entry::CannotCheck:
        return tr("the password cannot be checked: %1").arg(entry.reason);
    case PasswordGate::Entry::TooCostly:
        break;
    }
    return tr("the stored password asks for far more work than Velmorwick ever sets");
}

int exportLists(const QStringList &arguments, const Options &options, SettingsStore &store,
                const AskPassword &askPassword)
{
    if (arguments.size() > 1)
        return misused(tr("export writes to one file at most"));
    if (options.format != QLatin1String("text") && options.format != QLatin1String("json"))
        return misused(tr("the format is text or json, not %1").arg(options.format));
    PrivateVault vault(store);
    vault.setProblemReporter(warn);
    if (options.withPrivate) {
        if (const QString why = openPrivateList(vault, store, askPassword); !why.isEmpty())
            return fail(tr("%1; nothing was exported.").arg(why));
    }
    QList<listexchange::NamedList> lists;
    QString problem;
    const StoreResult read = store.whileReading([&] {
        lists = listexchange::savedDayLists(store);
        if (vault.isOpen()) {
            const LoadedList loaded = vault.load(privateListLayout().tasks);
            problem = loaded.problem;
            lists << listexchange::NamedList{&privateListLayout(), loaded.rows};
        }
    });
    vault.close();
    if (!read.written())
        return fail(read.reason);
    if (!problem.isEmpty())
        return fail(problem);
    // JSON carries the logbook of tasks done too, every entry of it.
    QJsonArray logbook;
    SettingsStore::Done done;
    if (options.format == QLatin1String("json") && store.doneTasks(&done, {}).written()) {
        for (const QString &problem : std::as_const(done.problems))
            warn(problem);
        for (const logbook::Entry &entry : std::as_const(done.entries)) {
            logbook.append(QJsonObject{{QStringLiteral("when"), entry.when.toString(Qt::ISODateWithMs)},
                                       {QStringLiteral("list"), entry.list.mid(4).toInt()},
                                       {QStringLiteral("text"), entry.text},
                                       {QStringLiteral("computer"), entry.machine},
                                       {QStringLiteral("done"), entry.done}});
        }
    }
    const QByteArray bytes = options.format == QLatin1String("json") ? listexchange::asJson(lists, logbook)
                                                                      : listexchange::asText(lists).toUtf8();
    if (arguments.isEmpty()) {
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
            || std::fflush(stdout) != 0)
            return fail(tr("the lists could not be written to the standard output"));
        return 0;
    }
    // Whole or not at all, and readable by the user alone: it may hold the
    // private list.
    const StoreResult written = platform::writeUserFile(arguments.first(), bytes, store.ownFiles());
    return landed(written) ? 0 : fail(tr("%1 Nothing was exported.").arg(written.reason));
}

int importLists(const QStringList &arguments, SettingsStore &store, const AskPassword &askPassword)
{
    if (arguments.size() != 1)
        return misused(tr("import takes the one file to import"));
    const QString name = arguments.first();
    const platform::FileContents file = platform::readUserFile(name, importLimit);
    if (!file.problem.isEmpty())
        return fail(tr("%1 Nothing was imported.").arg(file.problem));
    const listexchange::Parsed parsed = listexchange::fromJson(file.bytes);
    if (!parsed.error.isEmpty())
        return fail(tr("%1: %2; nothing was imported.").arg(name, parsed.error));

    QList<listexchange::NamedList> dayLists;
    const listexchange::NamedList *privateList = nullptr;
    for (const listexchange::NamedList &list : parsed.lists) {
        if (list.isPrivate())
            privateList = &list;
        else
            dayLists << list;
    }
    QList<StoreChange> changes = listexchange::replacing(dayLists);
    changes.prepend(StoreChange::snapshot(tr("import")));
    PrivateVault vault(store);
    vault.setProblemReporter(warn);
    if (privateList) {
        if (const QString why = openPrivateList(vault, store, askPassword); !why.isEmpty())
            return fail(tr("%1 holds the private list, but %2; nothing was imported.").arg(name, why));
        QList<StoreChange> sealed;
        if (const StoreResult ok = vault.changesToSave(privateList->rows, &sealed); !ok.written())
            return fail(tr("%1 Nothing was imported.").arg(ok.reason));
        changes << sealed;
    }
    const StoreResult result = store.apply(changes);
    if (result.written() && privateList)
        vault.saved(); // tells of a damaged list it kept aside
    vault.close();
    if (!landed(result))
        return fail(tr("%1 Nothing was imported.").arg(result.reason));
    say(parsed.lists.size() == 1 ? tr("Imported 1 list from %1.").arg(name)
                                 : tr("Imported %n lists from %1.", nullptr, int(parsed.lists.size())).arg(name));
    return 0;
}

// A backup is the settings file, then the logbook of tasks done in a
// section of its own at the end, which restore takes off before the rest
// goes in the settings file's place.
const QByteArray logbookPart = "\n[Logbook]\nLines=";

int backup(const QStringList &arguments, SettingsStore &store)
{
    if (arguments.size() != 1)
        return misused(tr("backup takes the one file to write"));
    QByteArray bytes, lines;
    StoreResult result = store.readWhole(&bytes);
    if (result.written())
        result = store.logbookForBackup(&lines);
    if (!lines.isEmpty())
        bytes += logbookPart + lines.toBase64() + '\n';
    if (result.written())
        result = platform::writeUserFile(arguments.first(), bytes, store.ownFiles());
    if (!landed(result))
        return fail(result.reason);
    say(tr("Backed up to %1.").arg(arguments.first()));
    return 0;
}

int restore(const QStringList &arguments, const Options &options, SettingsStore &store)
{
    if (arguments.size() != (options.snapshot ? 0 : 1))
        return misused(options.snapshot ? tr("restore --snapshot N takes no file")
                                        : tr("restore takes the one backup to restore"));
    platform::FileContents backup;
    QString from = arguments.value(0);
    if (options.snapshot) {
        const StoreResult found = store.snapshotBytes(options.snapshot, &backup.bytes, &from);
        if (!found.written())
            return fail(found.reason);
        from = tr("snapshot %1 (%2)").arg(options.snapshot).arg(from);
    } else {
        backup = platform::readUserFile(from, backupLimit);
        if (!backup.problem.isEmpty())
            return fail(tr("%1 The store was left as it was.").arg(backup.problem));
    }
    QByteArray logbook;
    if (const qsizetype at = backup.bytes.lastIndexOf(logbookPart); at >= 0 && !options.snapshot) {
        const QByteArray encoded = backup.bytes.mid(at + logbookPart.size()).trimmed();
        const auto decoded = QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return fail(tr("the logbook at the end of %1 is damaged; the store was left as it was.").arg(from));
        logbook = *decoded;
        backup.bytes.truncate(at);
    }
    QString keptAs;
    const StoreResult result = store.restoreFrom(backup.bytes, from, &keptAs);
    if (!landed(result))
        return fail(result.reason);
    // The tasks done the backup holds that the logbook lacks come back; none leave it.
    if (const StoreResult added = store.restoreLogbook(logbook); !added.written())
        warn(tr("The logbook in the backup could not be added (%1); the lists were restored.").arg(added.reason));
    const bool snapshotKept = !result.keptAs.isEmpty(); // the newest, so number 1
    if (keptAs.isEmpty())
        say(tr("Restored %1.").arg(from));
    else if (snapshotKept)
        say(tr("Restored %1; the store it replaced is kept as %2, and as snapshot 1.").arg(from, keptAs));
    else
        say(tr("Restored %1; the store it replaced is kept as %2.").arg(from, keptAs));
    return 0;
}

int forgetOlderPrivateLists(SettingsStore &store)
{
    int forgotten = 0;
    const StoreResult result = store.forgetOlderPrivateCopies(&forgotten);
    if (!result.written())
        return fail(result.reason);
    if (forgotten == 0)
        say(tr("No snapshot or kept copy opens the private list with an older password."));
    else if (forgotten == 1)
        say(tr("The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay."));
    else
        say(tr("The private list was taken out of %n older copies (snapshots and kept copies); their day lists "
               "stay.",
               nullptr, int(forgotten)));
    return 0;
}

int listSnapshots(const QStringList &arguments, const Options &options, SettingsStore &store)
{
    if (!arguments.isEmpty())
        return misused(tr("snapshots takes no file"));
    if (options.forgetPrivate)
        return forgetOlderPrivateLists(store);
    // Under the lock, as every command reads: one version of the store.
    QList<SettingsStore::Snapshot> snapshots;
    const StoreResult read = store.whileReading([&] { snapshots = store.snapshots(); });
    if (!read.written())
        return fail(read.reason);
    if (snapshots.isEmpty())
        say(tr("No snapshots yet: one is kept before each step that takes text away."));
    // Those named after a time to come (kept while the clock was wrong) apart,
    // numbered as restore numbers them.
    const QDateTime later = QDateTime::currentDateTimeUtc().addDays(1);
    bool toldOfTimeToCome = false;
    for (const bool toCome : {false, true}) {
        for (qsizetype i = 0; i < snapshots.size(); ++i) {
            const SettingsStore::Snapshot &snapshot = snapshots[i];
            if ((snapshot.when > later) != toCome)
                continue;
            if (toCome && !std::exchange(toldOfTimeToCome, true))
                say(tr("Named after a time to come (kept while this computer's clock was wrong):"));
            say(tr("%1  %2  %3: %4")
                .arg(i + 1, 2)
                .arg(QLocale().toString(snapshot.when.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     shownOnATerminal(snapshot.step),
                     snapshot.differs.isEmpty() ? tr("the same as now")
                                                : tr("differs in %1").arg(namedlist::commas(snapshot.differs))));
        }
    }
    return 0;
}

// Rows a Save kept aside when the list's password had changed elsewhere go
// back into the list: opened with today's password, put back with the one
// they were typed under (today's is tried first).
int putBack(const QStringList &arguments, SettingsStore &store, const AskPassword &askPassword)
{
    if (!arguments.isEmpty())
        return misused(tr("put-back takes no file"));
    if (keptrows::count(store) == 0) {
        say(tr("No rows of the private list are kept aside."));
        return 0;
    }
    PrivateVault vault(store);
    vault.setProblemReporter(warn);
    std::optional<QString> now;
    const QString why = openPrivateList(vault, store, [&](const QString &prompt) { return now = askPassword(prompt); });
    if (!why.isEmpty())
        return fail(tr("The private list could not be opened: %1.").arg(why));
    const int tasks = privateListLayout().tasks;
    keptrows::Outcome outcome = keptrows::putBack(store, vault, *now, tasks);
    sealing::wipeShared(*now);
    if (outcome.failure.isEmpty() && outcome.setsLeft > 0) {
        if (auto then = askPassword(tr("Password the kept rows were typed under: ")); then && !then->isEmpty()) {
            const keptrows::Outcome more = keptrows::putBack(store, vault, *then, tasks);
            sealing::wipeShared(*then);
            outcome = {outcome.rows + more.rows, more.setsLeft, more.failure};
        }
    }
    vault.close();
    if (!outcome.failure.isEmpty())
        return fail(outcome.failure);
    if (outcome.rows > 0)
        say(outcome.rows == 1 ? tr("Put 1 row back into the private list.")
                              : tr("Put %n rows back into the private list.", nullptr, int(outcome.rows)));
    if (outcome.setsLeft > 0)
        warn(tr("Some kept rows stay aside: the password does not open them, or the list has not enough empty "
                "rows for them."));
    return outcome.rows > 0 || outcome.setsLeft == 0 ? 0 : 1;
}

// The tasks a merge replaced (the same row changed on two computers, the
// later change standing), newest first; or one of them put back.
int replaced(const QStringList &arguments, const Options &options, SettingsStore &store)
{
    if (!arguments.isEmpty())
        return misused(tr("replaced takes no file"));
    QByteArray bytes;
    if (const StoreResult read = store.readWhole(&bytes); !read.written())
        return fail(read.reason);
    const IniDocument document = IniDocument::parseExact(bytes).value_or(IniDocument());
    const QList<replacedrecord::Entry> entries = replacedrecord::entries(document);
    if (options.putBack == 0) {
        if (entries.isEmpty())
            say(tr("No task was replaced by a merge."));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const replacedrecord::Entry &entry = entries[i];
            const QDateTime when = rowstamps::timeOf(entry.wonStamp).toLocalTime();
            const QString by = entry.wonText.isEmpty() ? tr("cleared")
                                                       : tr("replaced by \"%1\"").arg(shownOnATerminal(entry.wonText));
            say(tr("%1  %2  the %3-task list, task %4: \"%5\"%6 %7")
                    .arg(i + 1, 2)
                    .arg(QLocale().toString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss")), entry.list.mid(4))
                    .arg(entry.row)
                    .arg(shownOnATerminal(entry.lost.text), entry.lost.ticked ? tr(" (ticked)") : QString(), by));
        }
        return 0;
    }
    if (options.putBack > entries.size())
        return fail(tr("There is no replaced task %1 (see velmorwick replaced).").arg(options.putBack));
    const replacedrecord::Entry &entry = entries[options.putBack - 1];
    const replacedrecord::PutBack back = replacedrecord::putBack(document, entry);
    if (!back.refused.isEmpty())
        return fail(back.refused);
    const StoreResult result = store.apply(back.changes);
    if (result.status == StoreResult::Status::Changed)
        return fail(tr("The list changed meanwhile; nothing was changed. Try again."));
    if (!landed(result))
        return fail(result.reason);
    say(tr("Put back into the %1-task list as task %2.").arg(entry.list.mid(4)).arg(back.row));
    return 0;
}

int doneTasks(const QStringList &arguments, const Options &options, SettingsStore &store)
{
    if (!arguments.isEmpty())
        return misused(tr("done takes no file"));
    if (options.days && options.since.isValid())
        return misused(tr("--days and --since cannot go together"));
    if (options.forgetBefore.isValid()) {
        if (options.days || options.since.isValid() || options.all || options.format != QLatin1String("text"))
            return misused(tr("--forget-before goes alone"));
        const StoreResult forgot = store.forgetDoneBefore(options.forgetBefore.startOfDay());
        if (!forgot.written())
            return fail(forgot.reason);
        say(forgot.keptAs.isEmpty()
                ? tr("The tasks done before %1 are out of the logbook, on every computer as it syncs.")
                      .arg(options.forgetBefore.toString(Qt::ISODate))
                : tr("The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer's "
                     "logbook as it was is kept as %2.")
                      .arg(options.forgetBefore.toString(Qt::ISODate), shownOnATerminal(forgot.keptAs)));
        return 0;
    }
    const int days = options.days ? options.days : 7;
    const QDate first = options.since.isValid() ? options.since : QDate::currentDate().addDays(1 - days);
    SettingsStore::Done done;
    if (const StoreResult read = store.doneTasks(&done, first.startOfDay()); !read.written())
        return fail(read.reason);
    for (const QString &problem : std::as_const(done.problems))
        std::fprintf(stderr, "velmorwick: %s\n", qPrintable(shownOnATerminal(problem)));
    const QString shown = donecommand::shown(done.entries, {days, options.since, options.all, options.format},
                                             QDateTime::currentDateTime());
    // Text is for a terminal, line by line; JSON and CSV keep every
    // character, escaped their own way.
    if (options.format != QLatin1String("text")) {
        std::fputs(shown.toUtf8().constData(), stdout);
        return 0;
    }
    for (const QString &line : shown.split(u'\n', Qt::SkipEmptyParts))
        say(shownOnATerminal(line));
    return 0;
}

int addTasks(const QStringList &texts, int tasks, SettingsStore &store)
{
    const addcommand::Added added = addcommand::add(texts, tasks, store);
    if (!added.failure.isEmpty())
        return fail(added.failure);
    if (!added.unconfirmed.isEmpty())
        warn(added.unconfirmed);
    for (int row : added.rows)
        say(tr("Added to the %1-task list as task %2.").arg(added.tasks).arg(row));
    return 0;
}

} // namespace

QString shownOnATerminal(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool turns = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F;
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (turns || u == 0x2028 || u == 0x2029)
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

bool isCommand(const QString &name)
{
    return QStringList{QStringLiteral("add"),     QStringLiteral("export"),   QStringLiteral("import"),
                       QStringLiteral("backup"),  QStringLiteral("restore"),  QStringLiteral("snapshots"),
                       QStringLiteral("put-back"), QStringLiteral("replaced"), QStringLiteral("done")}
        .contains(name);
}

QString summary()
{
    return tr("Commands (no display needed; safe while the windows are open):\n"
              "  add [--list N] [--] TEXT...\n"
              "                    Each TEXT a task in the first empty rows of the N-task\n"
              "                    list (3, or 5 to 15; without --list, the list that opens\n"
              "                    at start), in one write: all or none. Open windows show\n"
              "                    them. Put -- before a TEXT that starts with a dash.\n"
              "  add [--list N]    Without a TEXT, on a display: the Add a Task window.\n"
              "  export [--format text|json] [--private] [FILE]\n"
              "                    Every saved day list, as a checklist or JSON, to FILE or\n"
              "                    the standard output; --private adds the private list once\n"
              "                    its password is typed.\n"
              "  import FILE       Replaces the lists a JSON file from export names, in one\n"
              "                    write; a file with anything wrong in it changes nothing.\n"
              "  backup FILE       Writes a copy of everything Velmorwick keeps to FILE,\n"
              "                    readable by you alone.\n"
              "  restore FILE      Puts a backup in place of everything Velmorwick keeps;\n"
              "                    what it replaces is kept beside it (the last 5) and as a\n"
              "                    snapshot.\n"
              "  snapshots         Lists the snapshots kept before each step that took text\n"
              "                    away (Clear List, Clear All Tasks, a save that emptied\n"
              "                    tasks, import, restore, a password change) and at the\n"
              "                    first save of a day: newest first, numbered from 1.\n"
              "  snapshots --forget-private\n"
              "                    Takes the private list out of the snapshots and kept\n"
              "                    copies that an older password still opens (after a\n"
              "                    password change); their day lists stay.\n"
              "  put-back          Puts private rows kept aside (a Save while the password\n"
              "                    was changed elsewhere, a version that lost a merge)\n"
              "                    back into the private list's empty rows, those it\n"
              "                    lacks; asks for the password now, then the one they\n"
              "                    were typed under.\n"
              "  replaced          Lists the tasks a merge replaced (the same task changed on\n"
              "                    two computers; the later change stands), newest first.\n"
              "  replaced --put-back N\n"
              "                    Puts task N of that list back: into its row if that is\n"
              "                    empty or unchanged since, otherwise the first empty row.\n"
              "  done [--days N | --since YYYY-MM-DD] [--all] [--format text|json|csv]\n"
              "                    The tasks ticked and saved on every computer, by day,\n"
              "                    newest first: the last 7 days, or N, or since a day;\n"
              "                    --all adds those unticked again, marked.\n"
              "  done --window     The same in a window, What I Got Done (needs a display).\n"
              "  done --forget-before YYYY-MM-DD\n"
              "                    Takes the tasks done before that day out of the logbook\n"
              "                    on every computer; this computer's as it was is kept.\n"
              "  restore --snapshot N\n"
              "                    Puts snapshot N back; the store it replaces is kept as a\n"
              "                    snapshot in its turn, so a restore can be taken back.\n");
}

int run(const QString &command, const QStringList &arguments, const Options &options, SettingsStore &store,
        const AskPassword &askPassword)
{
    if (command != QLatin1String("export") && options.withPrivate)
        return misused(tr("--private belongs to export"));
    if (command == QLatin1String("done") && !QStringList{QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("csv")}.contains(options.format))
        return misused(tr("done --format takes text, json or csv"));
    if (command != QLatin1String("export") && command != QLatin1String("done") && options.format != QLatin1String("text"))
        return misused(tr("--format belongs to export and done"));
    if (command != QLatin1String("done")
        && (options.days || options.since.isValid() || options.all || options.forgetBefore.isValid()))
        return misused(tr("--days, --since, --all and --forget-before belong to done"));
    if (command != QLatin1String("restore") && options.snapshot)
        return misused(tr("--snapshot belongs to restore"));
    if (command != QLatin1String("add") && options.list)
        return misused(tr("--list belongs to add"));
    if (command != QLatin1String("snapshots") && options.forgetPrivate)
        return misused(tr("--forget-private belongs to snapshots"));
    if (command != QLatin1String("replaced") && options.putBack)
        return misused(tr("--put-back belongs to replaced"));
    if (command == QLatin1String("add")) {
        if (arguments.isEmpty() && options.list && !addcommand::isDayList(options.list))
            return addTasks({}, options.list, store); // refused as with a text: no such list
        if (arguments.isEmpty())
            return misused(tr("add takes the text of each task to add (without one it opens a window, which "
                              "needs a display)"));
        // Nobody may read what a merge would say: the next program with
        // windows merges what a sync program left, and says so there.
        store.setMergesCopies(false);
        return addTasks(arguments, options.list, store);
    }
    if (command == QLatin1String("export"))
        return exportLists(arguments, options, store, askPassword);
    if (command == QLatin1String("import"))
        return importLists(arguments, store, askPassword);
    if (command == QLatin1String("backup"))
        return backup(arguments, store);
    if (command == QLatin1String("snapshots"))
        return listSnapshots(arguments, options, store);
    if (command == QLatin1String("put-back"))
        return putBack(arguments, store, askPassword);
    if (command == QLatin1String("replaced"))
        return replaced(arguments, options, store);
    if (command == QLatin1String("done"))
        return doneTasks(arguments, options, store);
    return restore(arguments, options, store);
}

} // namespace datacommands
