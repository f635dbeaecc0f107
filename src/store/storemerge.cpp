#include "storemerge.h"

#include "copyreader.h"
#include "namedlist.h"
#include "replacedrecord.h"
#include "rowstamps.h"
#include "storekeys.h"
#include "storeschema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTimeZone>
#include <QFileInfo>
#include <QHash>
#include <QMultiHash>
#include <QSet>
#include <QRegularExpression>

#include <algorithm>

namespace storemerge {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("storemerge", text);
}

QString clockKey(const Part &part)
{
    return part.sections.first() + QStringLiteral("-clock");
}

QString timeText(const QDateTime &at)
{
    return at.toUTC().toString(Qt::ISODateWithMs);
}

// What a part holds: section by section, the entries in the order the file
// has them.
QList<IniDocument::Section> contentOf(const IniDocument &document, const Part &part)
{
    QList<IniDocument::Section> content;
    for (const QString &name : part.sections) {
        for (const IniDocument::Section &section : document.sections()) {
            if (section.name != name)
                continue;
            if (!section.entries.isEmpty())
                content << section;
        }
    }
    return content;
}

// The part's time of saving (and the clock beside it) as `from` has them.
void takeTimeOfSaving(IniDocument &document, const IniDocument &from, const Part &part)
{
    for (const QString &key : QStringList{part.sections.first(), clockKey(part)}) {
        if (const QString *time = from.find(savedSection, key))
            document.set(savedSection, key, *time);
        else
            document.removeKey(savedSection, key);
    }
}

void replacePart(IniDocument &document, const IniDocument &from, const Part &part)
{
    for (const QString &name : part.sections)
        document.removeSection(name);
    for (const IniDocument::Section &section : from.sections()) {
        if (part.sections.contains(section.name)) {
            for (const IniDocument::Entry &entry : section.entries)
                document.set(section.name, entry.key, entry.value);
        }
    }
    takeTimeOfSaving(document, from, part);
}

// "the 5-task list": a day list's text names its size.
QString about(const storeschema::Section &section)
{
    const QString text = tr(section.about);
    return text.contains(QLatin1String("%1")) ? text.arg(QString(section.name).remove(QStringLiteral("Task"))) : text;
}

// Two lists of words as one, each word once, in order: the same whichever
// side merges (the words are times, and keep their order so).
QString unionOfWords(const QString &mine, const QString &theirs)
{
    QStringList words = mine.split(u' ', Qt::SkipEmptyParts) + theirs.split(u' ', Qt::SkipEmptyParts);
    words.sort();
    words.removeDuplicates();
    return words.join(u' ');
}

// The sets of private rows kept aside: the times in their "Rows-" keys.
QStringList keptRowSets(const IniDocument &document)
{
    QStringList sets;
    for (const IniDocument::Section &section : document.sections()) {
        if (section.name != storekeys::keptAsideSection)
            continue;
        for (const IniDocument::Entry &entry : section.entries) {
            if (entry.key.startsWith(QLatin1String("Rows-")))
                sets << entry.key.sliced(5);
        }
    }
    return sets;
}

// The private list sealed as one value merges whole: the version that lost
// goes aside as a set of kept rows under its own wrapped key (put back by
// velmorwick put-back), named alike on every machine that merges the same
// two versions. Nothing when it held no rows or no key.
QString keptAsASet(IniDocument &into, const IniDocument &loser, const Part &part)
{
    const QString *sealed = loser.find(storekeys::privateSection, storekeys::sealedListKey);
    const QString *key = loser.find(storekeys::passwordSection, storekeys::wrappedKeyKey);
    if (part.sections.first() != storekeys::privateSection || !sealed || sealed->isEmpty() || !key)
        return {};
    const QDateTime saved = savedAt(loser, part);
    const QString set = (saved.isValid() ? saved.toUTC() : QDateTime::fromMSecsSinceEpoch(0, QTimeZone::utc()))
                            .toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-"))
                        + QString::fromLatin1(QCryptographicHash::hash(sealed->toUtf8(), QCryptographicHash::Sha256)
                                                  .toHex()
                                                  .first(4));
    into.set(storekeys::keptAsideSection, QStringLiteral("Rows-") + set, *sealed);
    into.set(storekeys::keptAsideSection, QStringLiteral("Key-") + set, *key);
    return set;
}

} // namespace

const QList<Part> &parts()
{
    static const QList<Part> all = [] {
        QList<Part> list;
        for (const storeschema::Section &section : storeschema::sections()) {
            if (!storeschema::isPart(section))
                continue;
            if (!list.isEmpty() && list.last().sections.first() == section.part)
                list.last().sections << section.name;
            else
                list << Part{about(section), {section.name}, section.rule == storeschema::Rule::RowByRow,
                             section.rule == storeschema::Rule::LaterSavedWins};
        }
        return list;
    }();
    return all;
}

const Part *partOf(const QString &section)
{
    for (const Part &part : parts()) {
        if (part.sections.contains(section))
            return &part;
    }
    return nullptr;
}

QDateTime savedAt(const IniDocument &document, const Part &part)
{
    const QString *stamp = document.find(savedSection, part.sections.first());
    return stamp ? QDateTime::fromString(*stamp, Qt::ISODateWithMs) : QDateTime();
}

QDateTime savedByClock(const IniDocument &document, const Part &part)
{
    const QString *stamp = document.find(savedSection, part.sections.first());
    const QString *clock = document.find(savedSection, clockKey(part));
    // Only beside the time it was written with: an earlier version of the
    // program stamps anew and leaves it.
    if (stamp && clock && clock->section(u' ', 0, 0) == *stamp)
        return QDateTime::fromString(clock->section(u' ', 1), Qt::ISODateWithMs);
    return savedAt(document, part);
}

void stamp(IniDocument &after, const IniDocument &before, const QDateTime &now, const QString &machine)
{
    for (const Part &part : parts()) {
        if (contentOf(after, part) == contentOf(before, part))
            continue;
        const QDateTime previous = savedAt(before, part);
        // The last time the stamp's form can hold: one more millisecond
        // would be the year 10000, written as nothing, read as never saved.
        static const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59, 999), Qt::UTC);
        const QDateTime at = std::min(previous.isValid() && previous.addMSecs(1) > now ? previous.addMSecs(1) : now, last);
        if (part.byRow)
            rowstamps::stamp(after, before, part.sections.first(), previous, now, machine);
        after.set(savedSection, part.sections.first(), timeText(at));
        if (at > now)
            after.set(savedSection, clockKey(part), timeText(at) + u' ' + timeText(now));
        else
            after.removeKey(savedSection, clockKey(part));
    }
}

// Each day list's row stamps as a document holds them, in its order: a list
// whose rows and stamps are alike on both sides has nothing to merge.
QHash<QStringView, QList<const IniDocument::Entry *>> rowStampsByList(const IniDocument &document)
{
    QHash<QStringView, QList<const IniDocument::Entry *>> byList;
    for (const IniDocument::Section &section : document.sections()) {
        if (section.name != savedSection)
            continue;
        for (const IniDocument::Entry &entry : section.entries) {
            if (const qsizetype dash = entry.key.indexOf(QLatin1String("-row")); dash > 0)
                byList[QStringView(entry.key).first(dash)] << &entry;
        }
    }
    return byList;
}

bool sameEntries(const QList<const IniDocument::Entry *> &a, const QList<const IniDocument::Entry *> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const IniDocument::Entry *x, const IniDocument::Entry *y) {
        return x->key == y->key && x->value == y->value;
    });
}

Merged merge(const IniDocument &here, const IniDocument &copy, const QDateTime &now)
{
    Merged merged;
    const auto hereRows = rowStampsByList(here), copyRows = rowStampsByList(copy);
    merged.document = here;
    const QDateTime latest = now.addMSecs(clockSlackMs);
    QHash<QString, bool> madeSets; // the private list's losing version kept as a set -> whether here's lost
    for (const Part &part : parts()) {
        const auto mine = contentOf(here, part);
        const auto theirs = contentOf(copy, part);
        const QDateTime hereSaved = savedAt(here, part);
        const QDateTime copySaved = savedAt(copy, part);
        if (part.byRow) {
            // Row by row; the list records the later of the two times. What
            // lost where both changed a row goes to the record of rows replaced.
            const QString list = part.sections.first();
            if (mine == theirs && hereSaved == copySaved && savedByClock(here, part) == savedByClock(copy, part)
                && sameEntries(hereRows.value(list), copyRows.value(list)))
                continue; // alike on both sides, stamps and all
            const rowstamps::Merged rows = rowstamps::merge(merged.document, here, copy, list, hereSaved, copySaved);
            if (std::make_tuple(copySaved, savedByClock(copy, part)) > std::make_tuple(hereSaved, savedByClock(here, part)))
                takeTimeOfSaving(merged.document, copy, part);
            if (mine != theirs)
                merged.clockAhead = merged.clockAhead || savedByClock(copy, part) > latest;
            if (rows.tookFromCopy)
                merged.fromCopy << part.name;
            for (const rowstamps::Lost &lost : rows.lost)
                replacedrecord::add(merged.document, lost);
            merged.replaced << rows.lost;
            continue;
        }
        if (mine == theirs) {
            // The same lists: the later time, so that both machines end alike.
            if (std::make_tuple(copySaved, savedByClock(copy, part)) > std::make_tuple(hereSaved, savedByClock(here, part)))
                replacePart(merged.document, copy, part); // the same content: its later time
            continue;
        }
        merged.clockAhead = merged.clockAhead || savedByClock(copy, part) > latest;
        // Two machines merging the same two versions choose the same one,
        // whatever their clocks: by the times as recorded (a time judged by
        // the merging machine's clock would part machines whose clocks
        // differ for good), then by what the clocks that recorded them said,
        // a tie by the content itself. The content is only serialized for a
        // tie, the rare case.
        const auto time = [&](const QDateTime &at, const IniDocument &in) {
            return std::make_tuple(at.isValid(), at, savedByClock(in, part));
        };
        const auto bytes = [](const QList<IniDocument::Section> &content) {
            IniDocument only;
            for (const IniDocument::Section &section : content) {
                for (const IniDocument::Entry &entry : section.entries)
                    only.set(section.name, entry.key, entry.value);
            }
            return only.serialize();
        };
        const bool copyWins = time(copySaved, copy) != time(hereSaved, here) ? time(copySaved, copy) > time(hereSaved, here)
                                                                             : bytes(theirs) > bytes(mine);
        if (copySaved.isValid() && copyWins) {
            replacePart(merged.document, copy, part);
            merged.fromCopy << part.name;
            if (const QString set = keptAsASet(merged.document, here, part); !set.isEmpty())
                madeSets.insert(set, true);
            else
                merged.hereLost = merged.hereLost || (part.keptWhenLost && !mine.isEmpty());
        } else if (const QString set = keptAsASet(merged.document, copy, part); !set.isEmpty()) {
            madeSets.insert(set, false);
        } else {
            merged.copyLost = merged.copyLost || (part.keptWhenLost && !theirs.isEmpty());
        }
    }
    // Whatever else the copy holds (values kept aside as damaged, sections of
    // a later version) is added where here has nothing of its own; sets of
    // private rows kept aside up to a bound, the newest, each costing a key
    // derivation at put-back. What the bound leaves out stays in the version
    // kept of its side; the same sets stand whichever side merges.
    const QStringList mineSets = keptRowSets(here);
    QStringList sets = mineSets + keptRowSets(copy) + madeSets.keys();
    sets.sort();
    sets.removeDuplicates();
    const QStringList dropped = sets.first(std::max<qsizetype>(0, sets.size() - keptRowSetsAtMost));
    const auto kept = [&](const QString &set) { return !dropped.contains(set); };
    // Told as kept aside only where the bound left it: one it dropped is kept whole.
    merged.privateKeptAside = int(std::count_if(madeSets.keyBegin(), madeSets.keyEnd(), kept));
    merged.keptSetsTaken = int(sets.size() - dropped.size() - std::count_if(mineSets.begin(), mineSets.end(), kept)
                               - std::count_if(madeSets.keyBegin(), madeSets.keyEnd(), [&](const QString &set) {
                                     return kept(set) && !mineSets.contains(set);
                                 }));
    for (const QString &set : dropped) {
        const bool mine = madeSets.contains(set) ? madeSets.value(set) : mineSets.contains(set);
        merged.hereLost = merged.hereLost || mine;
        merged.copyLost = merged.copyLost || !mine;
        merged.keptSetsLeft += 1;
        for (const char *kind : {"Rows-", "Key-"})
            merged.document.removeKey(storekeys::keptAsideSection, QLatin1String(kind) + set);
    }
    const auto withoutDropped = [&](const QString &words) {
        QStringList list = words.split(u' ', Qt::SkipEmptyParts);
        list.removeIf([&](const QString &word) { return dropped.contains(word); });
        return list.join(u' ');
    };
    const QString *listed = here.find(storekeys::keptAsideSection, storeschema::keptListKey);
    if (listed || !madeSets.isEmpty())
        merged.document.set(storekeys::keptAsideSection, storeschema::keptListKey,
                            withoutDropped(unionOfWords(listed ? *listed : QString(), madeSets.keys().join(u' '))));
    for (const IniDocument::Section &section : copy.sections()) {
        if (partOf(section.name) || section.name == savedSection)
            continue;
        const storeschema::Section *known = storeschema::find(section.name);
        const bool joined = known && known->rule == storeschema::Rule::Union;
        for (const IniDocument::Entry &entry : section.entries) {
            const bool ofASet = entry.key.startsWith(QLatin1String("Rows-")) || entry.key.startsWith(QLatin1String("Key-"));
            if (joined && ofASet && dropped.contains(entry.key.section(u'-', 1)))
                continue;
            const QString *mine = here.find(section.name, entry.key);
            if (joined && entry.key == storeschema::keptListKey) {
                const QString *now = merged.document.find(section.name, entry.key); // here's, with the sets made above
                merged.document.set(section.name, entry.key,
                                    unionOfWords(withoutDropped(now ? *now : QString()), withoutDropped(entry.value)));
            } else if (!mine) {
                merged.document.set(section.name, entry.key, entry.value);
            } else if (*mine != entry.value && section.name == replacedrecord::section) {
                // One loss recorded against two winners: the later stands, as on every machine.
                if (rowstamps::later(mine->section(u' ', 0, 0), entry.value.section(u' ', 0, 0)) != mine->section(u' ', 0, 0))
                    merged.document.set(section.name, entry.key, entry.value);
            } else if (*mine != entry.value) {
                merged.copyLost = true;
            }
        }
    }
    replacedrecord::tidy(merged.document);
    return merged;
}

QString keepAside(IniDocument &after, const IniDocument &before, const Part &part)
{
    if (keptRowSets(before).size() >= keptRowSetsAtMost)
        return {};
    const QString set = keptAsASet(after, before, part);
    if (!set.isEmpty()) {
        const QString *listed = after.find(storekeys::keptAsideSection, storeschema::keptListKey);
        after.set(storekeys::keptAsideSection, storeschema::keptListKey, unionOfWords(listed ? *listed : QString(), set));
    }
    return set;
}

const Part *byName(const QString &name)
{
    for (const Part &part : parts()) {
        if (part.name == name)
            return &part;
    }
    return nullptr;
}

void keepTimesOfUnchanged(IniDocument &after, const IniDocument &before)
{
    for (const Part &part : parts()) {
        if (samePart(after, before, part))
            takeTimeOfSaving(after, before, part);
        if (!part.byRow)
            continue;
        const QString &list = part.sections.first();
        for (const int n : rowstamps::rowNumbers(after, before, list)) {
            if (rowstamps::row(after, list, n) != rowstamps::row(before, list, n))
                continue;
            if (const QString *stamp = before.find(savedSection, rowstamps::stampKey(list, n)))
                after.set(savedSection, rowstamps::stampKey(list, n), *stamp);
            else
                after.removeKey(savedSection, rowstamps::stampKey(list, n));
        }
    }
}

void keepKeptAside(IniDocument &into, const IniDocument &from)
{
    for (const IniDocument::Section &section : from.sections()) {
        const storeschema::Section *known = storeschema::find(section.name);
        if (!known || known->rule != storeschema::Rule::Union)
            continue;
        for (const IniDocument::Entry &entry : section.entries) {
            const QString *held = into.find(section.name, entry.key);
            if (section.name == storekeys::keptAsideSection && entry.key == storeschema::keptListKey)
                into.set(section.name, entry.key, unionOfWords(held ? *held : QString(), entry.value));
            else if (!held)
                into.set(section.name, entry.key, entry.value);
        }
    }
    replacedrecord::tidy(into);
}

QList<std::pair<QString, int>> rowsChangedBetween(const IniDocument &a, const IniDocument &b)
{
    QList<std::pair<QString, int>> rows;
    for (const Part &part : parts()) {
        if (!part.byRow || samePart(a, b, part))
            continue;
        const QString &list = part.sections.first();
        for (const int n : rowstamps::rowNumbers(a, b, list)) {
            if (rowstamps::row(a, list, n) != rowstamps::row(b, list, n))
                rows << std::make_pair(list, n);
        }
    }
    return rows;
}

QStringList recordReplaced(IniDocument &after, const IniDocument &before, const QList<std::pair<QString, int>> &rows)
{
    QStringList told;
    QSet<std::pair<QString, int>> done;
    for (const auto &row : rows) {
        const auto &[list, n] = row;
        const Part *part = partOf(list);
        if (!part || !part->byRow || done.contains(row))
            continue;
        done.insert(row);
        const rowstamps::Row was = rowstamps::row(before, list, n);
        const rowstamps::Row now = rowstamps::row(after, list, n);
        if (was == now || was.text.isEmpty())
            continue;
        replacedrecord::add(after, {list, n, was, rowstamps::stampOf(before, list, n, savedAt(before, *part)).value(0), now,
                                    rowstamps::stampOf(after, list, n, savedAt(after, *part)).value(0)});
        told << tr("the %1-task list, task %2").arg(list.mid(4)).arg(n);
    }
    if (!told.isEmpty())
        replacedrecord::tidy(after);
    return told;
}

bool samePart(const IniDocument &a, const IniDocument &b, const Part &part)
{
    return contentOf(a, part) == contentOf(b, part);
}

QStringList differingParts(const IniDocument &a, const IniDocument &b)
{
    QStringList names;
    for (const Part &part : parts()) {
        if (contentOf(a, part) != contentOf(b, part))
            names << part.name;
    }
    return names;
}

bool isKnownSection(const QString &section)
{
    return storeschema::find(section) != nullptr;
}

Plan plan(const IniDocument &here, const QList<CopyFile> &copies, const QDateTime &now)
{
    Plan plan;
    plan.document = here;
    QSet<QByteArray> seen; // a copy the same to the byte as one before it adds nothing, and the first is kept
    QHash<QString, QString> cameFrom; // part name -> the copy whose version of it stands
    const CopyReader whole(here, {}); // for copies not read yet: each parsed whole
    for (const CopyFile &copy : copies) {
        CopyReader::Read read{copy.document, copy.identity};
        if (!copy.read)
            read = whole.read(copy.bytes);
        if (seen.contains(read.identity))
            continue;
        seen.insert(read.identity);
        // Only what the program itself could have written (UTF-8 among it)
        // is merged; the rest is kept whole, to the byte, and the user told.
        std::optional<IniDocument> &theirs = read.document;
        if (theirs) {
            for (const IniDocument::Section &section : theirs->sections()) {
                if (!isKnownSection(section.name))
                    theirs.reset();
                if (!theirs)
                    break;
            }
        }
        if (!theirs) {
            plan.setAside << copy.name;
            plan.keep << Plan::Keep{QStringLiteral(".conflict"), copy.bytes, copy.name};
            continue;
        }
        const Merged merged = merge(plan.document, *theirs, now);
        if (merged.hereLost)
            plan.keep << Plan::Keep{QStringLiteral(".merged"), plan.document.serialize(), {}};
        if (merged.copyLost)
            plan.keep << Plan::Keep{QStringLiteral(".conflict"), copy.bytes, copy.name};
        if (merged.clockAhead)
            plan.clockAhead << copy.name;
        plan.keptSetsArrived += merged.keptSetsTaken;
        plan.privateKeptAside += merged.privateKeptAside;
        if (merged.keptSetsLeft)
            plan.keptSetsLeft << copy.name;
        for (const QString &part : merged.fromCopy)
            cameFrom.insert(part, copy.name);
        for (const rowstamps::Lost &lost : merged.replaced)
            plan.replacedRows << tr("the %1-task list, task %2").arg(lost.list.mid(4)).arg(lost.row);
        plan.changed = plan.changed || !(merged.document == plan.document);
        plan.document = merged.document;
    }
    // A part is told as taken from the copy that won last: one taken from an
    // earlier copy and then beaten by a later one is among what lost.
    for (const CopyFile &copy : copies) {
        QStringList fromThis;
        for (const Part &part : parts()) {
            if (cameFrom.value(part.name) == copy.name)
                fromThis << part.name;
        }
        if (!fromThis.isEmpty()) {
            plan.taken << tr("%1 from %2").arg(namedlist::commas(fromThis), copy.name);
            plan.takenParts << fromThis;
        }
    }
    return plan;
}

bool isConflictCopy(const QString &storeName, const QString &fileName)
{
    // Asked of every file beside the store at every merge: no QFileInfo.
    const qsizetype dot = storeName.lastIndexOf(u'.');
    const QStringView suffix = QStringView(storeName).sliced(std::max<qsizetype>(dot, 0));
    const QString base = storeName.first(std::max<qsizetype>(dot, 0));
    if (dot <= 0 || !fileName.endsWith(suffix))
        return false;
    const QString middle = fileName.chopped(suffix.size());
    // One per thread: the windows' store and the merge beside it both ask.
    static thread_local const QRegularExpression engineWords(
        QStringLiteral("conflict|konflikt|conflit|conflicto|conflitto"), QRegularExpression::CaseInsensitiveOption);
    return middle.startsWith(base + QStringLiteral(".sync-conflict-"))
           || (middle.startsWith(base + QStringLiteral(" (")) && middle.endsWith(u')')
               && middle.sliced(base.size()).contains(engineWords))
           || middle.startsWith(base + QStringLiteral("_conflict-"));
}

} // namespace storemerge
