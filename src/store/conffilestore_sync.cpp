// The settings file in a folder a file-sync engine keeps in step with other
// machines: the conflict copies it leaves are merged in, each losing version
// kept, in one write.
#include "conffilestore.h"

#include "copyreader.h"
#include "namedlist.h"
#include "storemerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <QThreadPool>

#include <atomic>

#include <algorithm>

namespace {

// A few are named in a box; more would make a box no one reads.
constexpr qsizetype namedInABox = 3;

// The first few names, then `more` counting the rest.
QStringList firstFew(QStringList names, const char *more)
{
    if (names.size() > namedInABox)
        names = names.first(namedInABox) << QCoreApplication::translate("ConfFileStore", more, nullptr,
                                                                        int(names.size() - namedInABox));
    return names;
}

} // namespace

void ConfFileStore::mergeConflictCopies(StoreFolder &folder)
{
    QStringList names;
    for (const QString &name : folder.names(QFileInfo(m_name).completeBaseName())) {
        if (storemerge::isConflictCopy(m_name, name) && !m_copiesPassedOver.contains(name))
            names << name;
    }
    if (names.isEmpty())
        return;
    // Each copy is read against the store's own bytes, of the version loaded
    // (compared, not parsed, where they are the same); otherwise parsed whole.
    QList<storemerge::CopyFile> copies;
    {
        const Loaded here = m_file.load(folder);
        StoreFolder::ReadResult store = folder.read(m_name);
        const bool sameVersion = store.status == StoreFolder::ReadResult::Status::Read && store.stamp == here.stamp
                                 && here.exact;
        const CopyReader reader(here.document, sameVersion ? QByteArrayView(store.bytes) : QByteArrayView());
        // Read and compared on every core: the rest of the merge is a
        // fraction of it.
        struct Got
        {
            StoreFolder::ReadResult file;
            CopyReader::Read read;
        };
        QList<Got> got(names.size());
        std::atomic<qsizetype> next = 0;
        const auto readSome = [&] {
            for (qsizetype n = next++; n < names.size(); n = next++) {
                got[n].file = folder.read(names[n]);
                if (got[n].file.status != StoreFolder::ReadResult::Status::Read)
                    continue;
                got[n].read = reader.read(got[n].file.bytes);
                // The bytes of a copy read are read again only if it is
                // kept: a hundred copies of 6 MB are not held at once.
                if (got[n].read.document)
                    got[n].file.bytes.clear();
            }
        };
        QThreadPool helpers;
        helpers.setMaxThreadCount(std::min<int>(QThread::idealThreadCount(), int(names.size())) - 1);
        for (int helper = 0; helper < helpers.maxThreadCount(); ++helper)
            helpers.start(readSome);
        readSome();
        helpers.waitForDone();
        QHash<QByteArray, qsizetype> byIdentity; // copies of one version share their bytes
        for (qsizetype n = 0; n < names.size(); ++n) {
            StoreFolder::ReadResult &read = got[n].file;
            if (read.status != StoreFolder::ReadResult::Status::Read) {
                // Told once; merged again only by a new run of the program.
                m_copiesPassedOver.insert(names[n]);
                reportProblem(tr("Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It "
                                 "is left as it is.")
                                  .arg(names[n], StoreFolder::reasonFor(read.error)));
                continue;
            }
            CopyReader::Read &document = got[n].read;
            const auto same = byIdentity.constFind(document.identity);
            if (same == byIdentity.cend())
                byIdentity.insert(document.identity, copies.size());
            else if (!document.document)
                read.bytes = copies[*same].bytes;
            copies << storemerge::CopyFile{names[n], std::move(read.bytes), true, std::move(document.document),
                                           std::move(document.identity)};
        }
        StoreFile::wipe(store.bytes); // the store's own bytes may hold a private key in the clear
    }
    if (copies.isEmpty())
        return;
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        Loaded here = m_file.load(folder);
        if (!here.readable)
            return; // said elsewhere; nothing is merged into a store that cannot be read
        if (!m_stepBegan)
            m_stepBegan = here.document;
        const storemerge::Plan plan = storemerge::plan(here.document, copies, m_clock());
        if (!carryOut(folder, here, plan, copies))
            return;
    }
}

bool ConfFileStore::carryOut(StoreFolder &folder, const Loaded &here, const storemerge::Plan &plan,
                             const QList<storemerge::CopyFile> &copies)
{
    const auto giveUp = [&](const QString &why) {
        reportProblem(tr("Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. "
                         "They are left as they are.")
                          .arg(copies.size() > 1 ? tr("%1 and %n more", nullptr, int(copies.size() - 1))
                                                       .arg(copies.first().name)
                                                 : copies.first().name,
                               why));
        return false;
    };
    const QString tooLarge = tr("together they would pass the %1 MB Velmorwick reads")
                                 .arg(StoreFolder::sizeLimit / (1024 * 1024));
    QByteArray bytes = plan.changed ? plan.document.serialize() : QByteArray();
    if (bytes.size() > StoreFolder::sizeLimit)
        return giveUp(tooLarge);
    // What lost on either side is kept whole before anything changes.
    QStringList kept;
    QStringList keptAside;
    for (const storemerge::Plan::Keep &keep : plan.keep) {
        QByteArray bytes = keep.bytes;
        if (bytes.isEmpty() && !keep.file.isEmpty()) {
            StoreFolder::ReadResult read = folder.read(keep.file);
            if (read.status != StoreFolder::ReadResult::Status::Read)
                return giveUp(tr("%1 could not be read again to keep it (%2)")
                                  .arg(keep.file, StoreFolder::reasonFor(read.error)));
            bytes = std::move(read.bytes);
        }
        const QString name = keep.file.isEmpty() ? m_copies.publish(folder, bytes, keep.kind, m_clock())
                                                 : m_copies.adopt(folder, keep.file, bytes, keep.kind, m_clock());
        if (name.isEmpty())
            return giveUp(tr("there was no room to keep what it would replace (%1)")
                              .arg(StoreFolder::reasonFor(folder.error())));
        (plan.setAside.contains(keep.file) ? keptAside : kept) << name;
    }
    if (plan.changed) {
        // A file edited by hand is kept as it was before the merge writes it
        // back in the program's own form, as before any write.
        if (!here.exact && !keepCopy(folder, here))
            return giveUp(tr("the settings file could not be copied aside first (%1)")
                              .arg(StoreFolder::reasonFor(folder.error())));
        const StoreFile::Written written = m_file.write(folder, plan.document, here, StoreFile::Whose::Merged, bytes);
        if (written.tooLarge)
            return giveUp(tooLarge);
        if (written.written.status == StoreFolder::Written::Status::Replaced)
            return true; // a sync program brought a newer version: merged into that one
        if (!written.written.landed())
            return giveUp(StoreFolder::reasonFor(written.written.error));
    }
    for (const storemerge::CopyFile &copy : copies) {
        folder.removeFreeingLater(copy.name);
        if (folder.stampOf(copy.name).size >= 0 && !m_copiesPassedOver.contains(copy.name)) {
            m_copiesPassedOver.insert(copy.name);
            reportProblem(tr("Velmorwick merged %1, a copy of its settings a sync program kept, but could not "
                             "remove it (%2); it will not be merged again.")
                              .arg(copy.name, StoreFolder::reasonFor(folder.error())));
        }
    }
    folder.sync();
    m_takenThisStep << plan.takenParts;
    tellMerged(plan, kept, keptAside);
    return false;
}

void ConfFileStore::tellMerged(const storemerge::Plan &plan, const QStringList &kept, const QStringList &keptAside)
{
    for (const QString &copy : plan.clockAhead) {
        if (!std::exchange(m_clockAheadTold, true)) {
            reportProblem(tr("%1, a copy of Velmorwick's settings a sync program kept, was saved on a computer "
                             "whose clock is more than a day ahead. Lists you change here from now on still count as "
                             "saved after it; please set that computer's clock.")
                              .arg(copy));
        }
    }
    const QString folder = QDir::toNativeSeparators(m_folder);
    if (plan.setAside.size() == 1) {
        reportProblem(tr("%1 looked like a copy of Velmorwick's settings that a sync program kept, but it holds "
                         "something else or is damaged, so nothing of it was merged. It is kept whole beside the "
                         "settings file, in %2, as %3.")
                          .arg(plan.setAside.first(), folder, keptAside.first()));
    } else if (!plan.setAside.isEmpty()) {
        reportProblem(tr("%n files looked like copies of Velmorwick's settings that a sync program kept, but hold "
                         "something else or are damaged, so nothing of them was merged. They are kept whole beside "
                         "the settings file, in %1, as %2.",
                         nullptr, int(plan.setAside.size()))
                          .arg(folder, namedlist::commas(
                                           firstFew(keptAside, QT_TRANSLATE_N_NOOP("ConfFileStore", "%n more")))));
    }
    if (plan.keptSetsArrived > 0 || !plan.keptSetsLeft.isEmpty()) {
        QString message = QCoreApplication::translate(
            "ConfFileStore", "Rows of the private list kept aside on another computer came with its copy of the "
                             "settings: %n set(s) taken in; velmorwick put-back puts them into the list.",
            nullptr, plan.keptSetsArrived);
        if (!plan.keptSetsLeft.isEmpty())
            message += u' ' + tr("At most %1 sets are kept, the newest, as each asks for its password to be tried: "
                                 "the older ones are only in the versions kept beside the settings file.")
                                  .arg(storemerge::keptRowSetsAtMost);
        reportProblem(message);
    }
    if (plan.taken.isEmpty() && kept.isEmpty() && plan.replacedRows.isEmpty() && plan.privateKeptAside == 0)
        return;
    // Whole sentences for a translator, the lists the one part put in.
    const QStringList taken = firstFew(plan.taken, QT_TRANSLATE_N_NOOP("ConfFileStore", "%n more copies"));
    QString message = taken.isEmpty()
                          ? tr("Lists were saved on two computers at once, and the sync program kept both versions. "
                               "Velmorwick merged them, each task as it was changed last and the rest as saved last: "
                               "every list here was the later one.")
                          : tr("Lists were saved on two computers at once, and the sync program kept both versions. "
                               "Velmorwick merged them, each task as it was changed last and the rest as saved last: "
                               "%1.")
                                .arg(namedlist::semicolons(taken));
    if (kept.size() > namedInABox) {
        message += u' ' + tr("The %n versions that lost are kept beside the settings file, in %1.", nullptr,
                                int(kept.size()))
                              .arg(folder);
    } else if (!kept.isEmpty()) {
        message += u' ' + tr("The versions that lost are kept beside the settings file, in %1.")
                              .arg(namedlist::commas(kept));
    }
    if (!plan.replacedRows.isEmpty()) {
        QStringList rows = plan.replacedRows;
        rows.removeDuplicates();
        message += u' ' + tr("Tasks changed on both computers, where the later change stands: %1. velmorwick replaced "
                             "lists the texts it replaced and puts one back.")
                              .arg(namedlist::semicolons(
                                  firstFew(rows, QT_TRANSLATE_N_NOOP("ConfFileStore", "%n more"))));
    }
    if (plan.privateKeptAside > 0)
        message += u' ' + tr("The version of the private list that lost is kept aside in the settings, encrypted "
                             "under the password it was saved with: velmorwick put-back puts its tasks that the list "
                             "lacks into its empty rows.");
    reportProblem(message);
}
