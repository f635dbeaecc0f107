// Snapshots and kept copies that still open the private list with a
// password changed since: counted for the user, and forgotten on request.
#include "conffilestore.h"

#include "namedlist.h"
#include "snapshots.h"
#include "storekeys.h"
#include "storeschema.h"

namespace {

// Everything of the private list, which a copy loses when it is forgotten
// there; its day lists stay as they are.
QStringList privateSections()
{
    return storeschema::sectionsOf(storekeys::privateSection) + QStringList{storekeys::keptAsideSection};
}

} // namespace

void ConfFileStore::forEachOlderPrivateCopy(const std::function<void(StoreFolder &, const QString &, const QByteArray &)> &found) const
{
    StoreFolder folder;
    if (!folder.open(m_folder, false))
        return;
    const Loaded now = m_file.load(folder);
    const QString *current = now.document.find(storekeys::passwordSection, storekeys::wrappedKeyKey);
    const auto look = [&](StoreFolder &in, const QString &name) {
        StoreFolder::ReadResult read = in.read(name);
        if (read.status != StoreFolder::ReadResult::Status::Read)
            return;
        const Loaded copy = StoreFile::parsed(read.bytes);
        const QString *key = copy.document.find(storekeys::passwordSection, storekeys::wrappedKeyKey);
        if (key && !key->isEmpty() && (!current || *key != *current))
            found(in, name, read.bytes);
    };
    for (const QString &name : m_copies.all(folder))
        look(folder, name);
    StoreFolder snapshots;
    if (snapshots.openPrivateInside(folder, Snapshots::folderName, false)) {
        for (const QString &name : snapshots.names({}))
            look(snapshots, name);
    }
}

int ConfFileStore::olderPrivateCopies() const
{
    int count = 0;
    forEachOlderPrivateCopy([&count](StoreFolder &, const QString &, const QByteArray &) { ++count; });
    return count;
}

StoreResult ConfFileStore::forgetOlderPrivateCopies(int *forgotten)
{
    *forgotten = 0;
    QStringList failed;
    const StoreResult locked = whileLocked([&] {
        forEachOlderPrivateCopy([&](StoreFolder &in, const QString &name, const QByteArray &bytes) {
            // Replaced whole, like the store: a snapshot is a second name of
            // an old store file, and only this name changes.
            if (in.writeWhole(name, KeptCopies::withoutSections(bytes, privateSections())).landed())
                ++*forgotten;
            else
                failed << name;
        });
    });
    if (!locked.written())
        return locked;
    if (!failed.isEmpty())
        return {StoreResult::Status::Refused,
                tr("The private list could not be taken out of %1.").arg(namedlist::commas(failed))};
    return {};
}
