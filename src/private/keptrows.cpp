#include "keptrows.h"

#include "privatevault.h"
#include "vaultformat.h"
#include "store/settingsstore.h"
#include "store/storekeys.h"

#include <QCoreApplication>

namespace keptrows {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("keptrows", text);
}

QStringList stamps(const SettingsStore &store)
{
    return store.read(storekeys::keptAsideSection, storekeys::keptRowsKey).split(u' ', Qt::SkipEmptyParts);
}

std::optional<QList<TaskRow>> opened(const SettingsStore &store, const QString &stamp, const QString &password)
{
    const auto wrapped = vaultformat::wrappedKey(store.read(storekeys::keptAsideSection, QStringLiteral("Key-") + stamp));
    if (!wrapped || sealing::checkCost(wrapped->cost) != sealing::CostCheck::Bounded)
        return std::nullopt;
    const sealing::Key key = vaultformat::unwrapped(sealing::Key::derived(password, wrapped->salt, wrapped->cost), *wrapped);
    auto plain = key.isEmpty() ? std::nullopt
                               : vaultformat::openedRows(key, store.read(storekeys::keptAsideSection,
                                                                         QStringLiteral("Rows-") + stamp));
    auto rows = plain ? vaultformat::decodedRows(*plain) : std::nullopt;
    if (plain)
        sealing::wipe(*plain);
    return rows;
}

} // namespace

int count(const SettingsStore &store)
{
    return int(stamps(store).size());
}

Outcome putBack(SettingsStore &store, PrivateVault &vault, const QString &password, int tasks)
{
    const QStringList all = stamps(store);
    LoadedList list = vault.load(tasks);
    if (!list.problem.isEmpty())
        return {0, int(all.size()), list.problem};
    QList<StoreChange> removals;
    QStringList left;
    int placed = 0;
    for (const QString &stamp : all) {
        std::optional<QList<TaskRow>> kept = opened(store, stamp, password);
        QList<qsizetype> empty;
        for (qsizetype row = 0; row < list.rows.size(); ++row) {
            if (list.rows[row] == TaskRow{})
                empty << row;
        }
        // A version of the list that lost a merge shares most rows with the
        // one that stands: only what the list lacks comes back.
        QList<TaskRow> wanted;
        for (const TaskRow &row : kept ? *kept : QList<TaskRow>{}) {
            if (row != TaskRow{} && !list.rows.contains(row) && !wanted.contains(row))
                wanted << row;
        }
        if (!kept || wanted.size() > empty.size()) {
            if (kept)
                vaultformat::wipeRows(*kept);
            left << stamp;
            continue;
        }
        for (qsizetype i = 0; i < wanted.size(); ++i)
            list.rows[empty[i]] = wanted[i];
        placed += int(wanted.size());
        removals << StoreChange::removeKey(storekeys::keptAsideSection, QStringLiteral("Rows-") + stamp)
                 << StoreChange::removeKey(storekeys::keptAsideSection, QStringLiteral("Key-") + stamp)
                 << StoreChange::removeWord(storekeys::keptAsideSection, storekeys::keptRowsKey, stamp);
    }
    if (removals.isEmpty()) {
        vaultformat::wipeRows(list.rows);
        return {0, int(left.size()), {}};
    }
    QList<StoreChange> changes;
    const StoreResult sealed = vault.changesToSave(list.rows, &changes);
    vaultformat::wipeRows(list.rows);
    if (!sealed.written())
        return {0, int(all.size()), sealed.reason};
    changes << removals
            << StoreChange::snapshot(tr("kept rows put back"));
    const StoreResult result = store.apply(changes);
    if (result.status == StoreResult::Status::Changed)
        return {0, int(all.size()), tr("The private list's password was changed elsewhere meanwhile; open it "
                                       "with the current password and try again.")};
    if (!result.written())
        return {0, int(all.size()), result.reason};
    vault.saved();
    return {placed, int(left.size()), {}};
}

} // namespace keptrows
