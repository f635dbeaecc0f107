#include "rowstamps.h"

#include "storekeys.h"

#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <array>

namespace rowstamps {

namespace {

using storekeys::savedSection;

struct Raw
{
    const QString *text;
    const QString *tick;
};

Raw raw(const IniDocument &document, const QString &list, int row)
{
    return {document.find(list, storekeys::textKey(row)), document.find(list, storekeys::tickKey(row))};
}

// The row numbers a key of the list names ("Text12" -> 12), or 0.
int numberIn(const QString &key, const QString &prefix)
{
    bool ok = false;
    const int n = key.startsWith(prefix) ? key.sliced(prefix.size()).toInt(&ok) : 0;
    return ok && n > 0 ? n : 0;
}

} // namespace

QString token(const QDateTime &at, const QString &machine)
{
    if (!at.isValid())
        return {};
    return at.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + u'-' + machine;
}

QString later(const QString &a, const QString &b)
{
    // "<time>-<machine>[-<clock>]": by the time, then what the clock said
    // (an edit after a stamp run ahead), then the machine.
    // Compared part by part where they lie: asked for every row of every
    // list at every merge.
    const auto parts = [](const QString &token) {
        std::array<QStringView, 3> part;
        qsizetype at = 0;
        for (int n = 0; n < 3 && at <= token.size(); ++n) {
            const qsizetype dash = n < 2 ? token.indexOf(u'-', at) : -1;
            part[n] = QStringView(token).sliced(at, (dash < 0 ? token.size() : dash) - at);
            at = dash < 0 ? token.size() + 1 : dash + 1;
        }
        if (part[2].isNull())
            part[2] = part[0];
        return std::array<QStringView, 3>{part[0], part[2], part[1]};
    };
    return parts(a) >= parts(b) ? a : b;
}

QDateTime timeOf(const QString &token)
{
    // Read at every save for every row it stamps: by hand, in UTC (the
    // format parser would take it as local time first).
    const qsizetype dash = token.indexOf(u'-');
    const QStringView time = QStringView(token).first(dash < 0 ? token.size() : dash);
    const auto number = [&](qsizetype from, qsizetype length) {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            if (time[i] < u'0' || time[i] > u'9')
                return -1;
            value = value * 10 + (time[i].unicode() - u'0');
        }
        return value;
    };
    if (time.size() != 18 || time[8] != u'T')
        return {};
    const QDate day(number(0, 4), number(4, 2), number(6, 2));
    const QTime clock(number(9, 2), number(11, 2), number(13, 2), number(15, 3));
    return day.isValid() && clock.isValid() ? QDateTime(day, clock, QTimeZone::utc()) : QDateTime();
}

QString stampKey(const QString &list, int row)
{
    return list + QStringLiteral("-row") + QString::number(row);
}

Row row(const IniDocument &document, const QString &list, int row)
{
    const Raw held = raw(document, list, row);
    return {held.text ? *held.text : QString(), held.tick && storekeys::isTicked(*held.tick)};
}

QList<int> rowNumbers(const IniDocument &a, const IniDocument &b, const QString &list)
{
    QSet<int> numbers;
    const QString stamps = list + QStringLiteral("-row");
    for (const IniDocument *document : {&a, &b}) {
        for (const IniDocument::Section &section : document->sections()) {
            if (section.name == list) {
                for (const IniDocument::Entry &entry : section.entries)
                    numbers << std::max(numberIn(entry.key, QStringLiteral("Text")), numberIn(entry.key, QStringLiteral("Tick")));
            } else if (section.name == savedSection) {
                for (const IniDocument::Entry &entry : section.entries)
                    numbers << numberIn(entry.key, stamps);
            }
        }
    }
    numbers.remove(0);
    QList<int> sorted(numbers.begin(), numbers.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

bool stampsRows(const IniDocument &document, const QString &list)
{
    const QString prefix = list + QStringLiteral("-row");
    for (const IniDocument::Section &section : document.sections()) {
        if (section.name == savedSection)
            return std::any_of(section.entries.begin(), section.entries.end(),
                               [&](const IniDocument::Entry &entry) { return entry.key.startsWith(prefix); });
    }
    return false;
}

QStringList stampOf(const IniDocument &document, const QString &list, int row, const QDateTime &listSaved)
{
    if (const QString *own = document.find(savedSection, stampKey(list, row)))
        return own->split(u' ', Qt::SkipEmptyParts);
    // Where rows carry stamps, one without was never changed since they
    // began; in a version of an earlier release, the list's time stands.
    const QString standIn = stampsRows(document, list) ? QString() : token(listSaved, {});
    return standIn.isEmpty() ? QStringList() : QStringList{standIn};
}

void stamp(IniDocument &after, const IniDocument &before, const QString &list, const QDateTime &listSavedBefore,
           const QDateTime &now, const QString &machine)
{
    static const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59, 999), QTimeZone::utc());
    const bool earlierRelease = !stampsRows(before, list);
    // A list left with no task (Clear List, Clear All Tasks, a save or import
    // that empties it) clears every row, also those typed elsewhere unseen.
    QList<int> numbers = rowNumbers(after, before, list);
    const auto holdsAny = [&](const IniDocument &document) {
        return std::any_of(numbers.begin(), numbers.end(), [&](int n) { return !row(document, list, n).isEmpty(); });
    };
    const bool cleared = holdsAny(before) && !holdsAny(after);
    for (int n = 1; cleared && n <= list.mid(4).toInt(); ++n) {
        if (!numbers.contains(n))
            numbers << n;
    }
    for (const int n : std::as_const(numbers)) {
        if (row(after, list, n) == row(before, list, n) && !cleared) {
            // A row an earlier release saved keeps its list's time as its own
            // once rows carry stamps.
            if (earlierRelease && !row(before, list, n).isEmpty() && listSavedBefore.isValid())
                after.set(savedSection, stampKey(list, n), token(listSavedBefore, {}));
            continue;
        }
        const QStringList previous = stampOf(before, list, n, listSavedBefore);
        const QDateTime was = previous.isEmpty() ? QDateTime() : timeOf(previous.first());
        const QDateTime at = std::min(was.isValid() && was.addMSecs(1) > now ? was.addMSecs(1) : now, last);
        // Run ahead of the clock by the stamp it replaces: what the clock said goes with it.
        const QString made = token(at, machine) + (at > now ? u'-' + token(now, {}).chopped(1) : QString());
        after.set(savedSection, stampKey(list, n),
                  (QStringList{made} + previous.first(std::min<qsizetype>(previous.size(), seenKept))).join(u' '));
    }
}

Merged merge(IniDocument &into, const IniDocument &here, const IniDocument &copy, const QString &list,
             const QDateTime &hereSaved, const QDateTime &copySaved)
{
    Merged merged;
    struct Winner
    {
        const IniDocument *from;
        QStringList stamp;
    };
    QList<std::pair<int, Winner>> winners;
    for (const int n : rowNumbers(here, copy, list)) {
        const QStringList mine = stampOf(here, list, n, hereSaved);
        const QStringList theirs = stampOf(copy, list, n, copySaved);
        const Row mineRow = row(here, list, n), theirRow = row(copy, list, n);
        const QString mineFirst = mine.value(0), theirFirst = theirs.value(0);
        // A stamp sorts as it was made, then by machine; the rare tie of both
        // (two versions of an earlier release saved in the same millisecond)
        // by the text itself.
        // Rows alike and stamped alike may still be held apart (a window
        // writes an empty row's keys, a command leaves them out): by the keys
        // as held, so that every machine keeps the same bytes.
        const auto held = [&](const IniDocument &document) {
            const Raw keys = raw(document, list, n);
            return std::make_tuple(keys.text != nullptr, keys.text ? *keys.text : QString(), keys.tick != nullptr,
                                   keys.tick ? *keys.tick : QString());
        };
        const bool copyWins = theirFirst != mineFirst ? later(theirFirst, mineFirst) == theirFirst
                              : theirRow != mineRow   ? std::make_pair(theirRow.text, theirRow.ticked)
                                                          > std::make_pair(mineRow.text, mineRow.ticked)
                                                      : held(copy) > held(here);
        winners << std::make_pair(n, copyWins ? Winner{&copy, theirs} : Winner{&here, mine});
        if (mineRow == theirRow)
            continue;
        merged.tookFromCopy = merged.tookFromCopy || copyWins;
        const Row &loser = copyWins ? mineRow : theirRow;
        const QString loserStamp = copyWins ? mineFirst : theirFirst;
        const QStringList &winnerStamps = copyWins ? theirs : mine;
        // Replaced by an edit made where it was seen: a change, not a loss.
        // (A stamp equal to the winner's own is a tie, and lost.)
        if (loser.text.isEmpty() || winnerStamps.mid(1).contains(loserStamp))
            continue;
        merged.lost << Lost{list, n, loser, loserStamp, copyWins ? theirRow : mineRow, winnerStamps.value(0)};
    }
    // The list's rows written anew in the order a window writes them, so
    // that every machine holds the same bytes: the texts, then the ticks.
    const bool anyFromCopy = std::any_of(winners.begin(), winners.end(), [&](const auto &w) { return w.second.from == &copy; });
    if (!anyFromCopy)
        return merged;
    into.removeSection(list);
    for (const char *kind : {"Text", "Tick"}) {
        for (const auto &[n, winner] : std::as_const(winners)) {
            const QString key = QLatin1String(kind) + QString::number(n);
            if (const QString *value = winner.from->find(list, key))
                into.set(list, key, *value);
        }
    }
    for (const auto &[n, winner] : std::as_const(winners)) {
        if (winner.stamp.isEmpty() || !winner.from->find(savedSection, stampKey(list, n)))
            into.removeKey(savedSection, stampKey(list, n));
        else
            into.set(savedSection, stampKey(list, n), winner.stamp.join(u' '));
    }
    return merged;
}

} // namespace rowstamps
