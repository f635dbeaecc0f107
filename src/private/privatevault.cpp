#include "privatevault.h"

#include "platform/secretmemory.h"
#include "private/passwordhash.h"
#include "private/vaultformat.h"
#include "store/settings.h"
#include "store/storekeys.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>

using sealing::Key;
using namespace storekeys;

namespace {

constexpr int plainRows = 5; // the rows an earlier version kept in the clear

QString tr(const char *text)
{
    return QCoreApplication::translate("PrivateVault", text);
}

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

QString libraryMissing()
{
    return QCoreApplication::translate("PrivateVault", "its cryptography library did not start on this system");
}

// A value that does not belong to the list as it stands, copied aside as it
// was, under a name saying what it is and when it was put there.
// The name a value is kept aside under: the time, then a random part, so that
// two kept in one millisecond (two windows, two machines) never share a name
// and one is written over the other.
QString keptStamp()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-"))
           + QString::number(QRandomGenerator::system()->bounded(0x10000), 16).rightJustified(4, u'0');
}

StoreChange keptAside(const QString &what, const QString &value)
{
    return StoreChange::write(keptAsideSection, what + u'-' + keptStamp(), value);
}

QString damagedListNotice()
{
    return QCoreApplication::translate("PrivateVault",
                                       "The saved private list could not be opened: its key is missing, damaged or "
                                       "altered. It is kept as it was in the settings (section \"%1\"), and the list "
                                       "starts empty.")
        .arg(keptAsideSection);
}

} // namespace

PrivateVault::PrivateVault(SettingsStore &store)
    : m_store(store)
{
}

PrivateVault::~PrivateVault()
{
    close();
}

void PrivateVault::hold(Key key)
{
    m_dataKey = std::move(key);
    platform::guardMemory(true);
}

void PrivateVault::close()
{
    const bool held = isOpen();
    m_dataKey.wipe();
    m_wrappedKey.clear();
    m_keepAside.clear();
    m_keptAsideNotice.clear();
    if (held)
        platform::guardMemory(false);
}

void PrivateVault::report(const QStringList &notices) const
{
    for (const QString &notice : notices) {
        if (m_reporter)
            m_reporter(notice);
    }
}

// Rows in the clear in the list's section. In an earlier version's store
// they are its list, sealed now; anywhere else (beside a sealed list, or a
// key of this version's form) they were written by something else, and are
// kept aside (sealed too), never taken in.
void PrivateVault::plainRowsSettled(Settled &settled, const Key &dataKey, bool notAnEarlierList) const
{
    const QList<TaskRow> rows = SectionListStorage::read(m_store, privateSection, plainRows);
    if (std::all_of(rows.begin(), rows.end(), [](const TaskRow &row) { return row == TaskRow{}; }))
        return;
    const QString sealed = vaultformat::sealedRows(dataKey, rows);
    if (!notAnEarlierList) {
        settled.changes << StoreChange::write(privateSection, sealedListKey, sealed);
    } else {
        settled.changes << keptAside(QStringLiteral("Rows"), sealed);
        settled.notices << tr("The settings file held private tasks in plain text, where this version of "
                              "Velmorwick never writes them, so they were not taken into your private list: "
                              "they are kept aside, encrypted, in the settings (section \"%1\").")
                               .arg(keptAsideSection);
    }
    // Removed after the sealed value is written, so that a store that
    // writes value by value never loses them half-way.
    for (int row = 1; row <= plainRows; ++row) {
        settled.changes << StoreChange::removeKey(privateSection, textKey(row))
                        << StoreChange::removeKey(privateSection, tickKey(row));
    }
}

// What an opened store may hold beside the list: rows in the clear, and what
// a password change written value by value left when it stopped half-way.
PrivateVault::Settled PrivateVault::settled(Key *dataKey, bool keyOfThisVersion)
{
    Settled settled;
    const QString sealed = m_store.read(privateSection, sealedListKey);
    const bool changeLeft = !m_store.read(unfinishedChangeSection, dataKeyKey).isEmpty();
    if (changeLeft) {
        const Key gapKey = vaultformat::fromBareKey(m_store.read(unfinishedChangeSection, dataKeyKey));
        m_store.forgetSecret(unfinishedChangeSection, dataKeyKey);
        auto rows = vaultformat::opens(*dataKey, sealed) ? std::nullopt : vaultformat::openedRows(gapKey, sealed);
        if (rows) {
            settled.changes << StoreChange::write(privateSection, sealedListKey, vaultformat::resealed(*dataKey, *rows));
            sealing::wipe(*rows);
        }
    }
    // Plain rows are an earlier version's list only in an earlier version's
    // store: beside a key of this version's form, someone else put them there.
    plainRowsSettled(settled, *dataKey, !sealed.isEmpty() || keyOfThisVersion);
    if (changeLeft)
        settled.changes << StoreChange::removeSection(unfinishedChangeSection);
    return settled;
}

// A new data key under the password, and the list sealed again under it in
// the same write when oldKey opens it; kept aside when nothing does.
PrivateVault::Settled PrivateVault::newDataKey(const QString &password, Key oldKey, Key *dataKey)
{
    Settled settled;
    Key key = Key::random();
    const QString hashed = passwordhash::hash(password);
    const QByteArray salt = sealing::randomBytes(sealing::saltSize);
    const sealing::Cost cost = sealing::programCost();
    const Key keyOfPassword = Key::derived(password, salt, cost);
    const QString wrapped = keyOfPassword.isEmpty() ? QString() : vaultformat::wrapped(keyOfPassword, salt, cost, key);
    if (key.isEmpty() || hashed.isEmpty() || wrapped.isEmpty()) {
        settled.failure = tr("There was not enough memory to protect it.");
        return settled;
    }
    if (const QString old = m_store.read(passwordSection, wrappedKeyKey); !old.isEmpty())
        settled.changes << keptAside(QStringLiteral("Key"), old);
    QList<StoreChange> list;
    const QString sealed = m_store.read(privateSection, sealedListKey);
    if (!sealed.isEmpty()) {
        if (auto rows = vaultformat::openedRows(oldKey, sealed)) {
            list << StoreChange::write(privateSection, sealedListKey, vaultformat::resealed(key, *rows));
            sealing::wipe(*rows);
        } else {
            settled.changes << keptAside(QStringLiteral("Sealed"), sealed);
            list << StoreChange::removeKey(privateSection, sealedListKey);
            settled.notices << damagedListNotice();
        }
    }
    // Key before hash: a store that writes value by value and stops between
    // them leaves no new hash standing without its key.
    settled.changes << StoreChange::write(passwordSection, wrappedKeyKey, wrapped)
                    << StoreChange::write(passwordSection, passwordKey, hashed) << list;
    plainRowsSettled(settled, key, !sealed.isEmpty());
    if (!m_store.read(unfinishedChangeSection, dataKeyKey).isEmpty())
        settled.changes << StoreChange::removeSection(unfinishedChangeSection);
    *dataKey = std::move(key);
    return settled;
}

PrivateVault::EntryResult PrivateVault::enter(const QString &password)
{
    close();
    if (!sealing::available())
        return {Entry::CannotCheck, libraryMissing()};
    Key dataKey;
    Settled settling;
    QString stored = m_store.read(passwordSection, wrappedKeyKey);
    const auto wrapped = vaultformat::wrappedKey(stored);
    const sealing::CostCheck cost = wrapped ? sealing::checkCost(wrapped->cost) : sealing::CostCheck::Invalid;
    if (cost == sealing::CostCheck::TooCostly)
        return {Entry::TooCostly, {}};
    if (cost == sealing::CostCheck::Bounded) {
        const Key keyOfPassword = Key::derived(password, wrapped->salt, wrapped->cost);
        if (keyOfPassword.isEmpty())
            return {Entry::CannotCheck, sealing::derivationFailure()};
        dataKey = vaultformat::unwrapped(keyOfPassword, *wrapped);
        if (!dataKey.isEmpty()) {
            settling = settled(&dataKey, wrapped->version >= 2);
            const sealing::Cost own = sealing::programCost();
            if (wrapped->cost.passes < own.passes || wrapped->cost.memoryKiB < own.memoryKiB) {
                // A key wrapped cheaper than the program wraps is wrapped again at its cost.
                const QByteArray salt = sealing::randomBytes(sealing::saltSize);
                const Key stronger = Key::derived(password, salt, own);
                if (!stronger.isEmpty())
                    settling.changes.prepend(StoreChange::write(passwordSection, wrappedKeyKey,
                                                                vaultformat::wrapped(stronger, salt, own, dataKey)));
            } else if (wrapped->version < 2) {
                // Into the current form, with the cost it was made at.
                settling.changes.prepend(StoreChange::write(
                    passwordSection, wrappedKeyKey,
                    vaultformat::wrapped(keyOfPassword, wrapped->salt, wrapped->cost, dataKey)));
            }
        }
    }
    if (dataKey.isEmpty()) {
        switch (passwordhash::check(m_store.read(passwordSection, passwordKey), password)) {
        case passwordhash::Verdict::Wrong:
            return {Entry::Wrong, {}};
        case passwordhash::Verdict::TooCostly:
            return {Entry::TooCostly, {}};
        case passwordhash::Verdict::CannotCheck:
            return {Entry::CannotCheck, libraryMissing()};
        case passwordhash::Verdict::Failed:
            return {Entry::CannotCheck, sealing::derivationFailure()};
        case passwordhash::Verdict::Matches:
        case passwordhash::Verdict::MatchesPlainText:
            break;
        }
        // The right password, yet no data key sealed under it opens: an
        // earlier version's store, a password change written only in part,
        // or a damaged key, which is kept aside.
        Key gapKey = vaultformat::fromBareKey(m_store.read(unfinishedChangeSection, dataKeyKey));
        m_store.forgetSecret(unfinishedChangeSection, dataKeyKey);
        settling = newDataKey(password, std::move(gapKey), &dataKey);
        if (!settling.failure.isEmpty())
            return {Entry::CannotCheck, sealing::derivationFailure()};
    }
    if (!settling.changes.isEmpty()) {
        const StoreResult result = m_store.apply(settling.changes);
        if (!result.written())
            return {Entry::NotSaved, result.reason};
    }
    for (const StoreChange &change : std::as_const(settling.changes)) {
        if (change.kind == StoreChange::Kind::Write && change.section == passwordSection && change.key == wrappedKeyKey)
            stored = change.value;
    }
    hold(std::move(dataKey));
    m_wrappedKey = stored;
    report(settling.notices);
    return {Entry::Opened, {}};
}

StoreResult PrivateVault::startChange()
{
    if (!isOpen())
        return m_store.apply({StoreChange::removeSection(passwordSection)});
    // A key of its own for the gap, which never seals anything saved after
    // it: a copy of the file taken now opens the list as it is now, and
    // nothing saved before or after.
    const Key gapKey = Key::random();
    if (gapKey.isEmpty())
        return refused(tr("There was not enough memory to protect the list meanwhile."));
    QString bare = vaultformat::bareKey(gapKey);
    QList<StoreChange> changes{StoreChange::snapshot(tr("password change")),
                               StoreChange::write(unfinishedChangeSection, dataKeyKey, bare)};
    const QString sealed = m_store.read(privateSection, sealedListKey);
    if (auto rows = vaultformat::openedRows(m_dataKey, sealed)) {
        changes << StoreChange::write(privateSection, sealedListKey, vaultformat::resealed(gapKey, *rows));
        sealing::wipe(*rows);
    } // one that does not open is left as it is, and kept aside when a password is set
    changes << StoreChange::removeSection(passwordSection);
    close();
    const StoreResult result = m_store.apply(changes);
    changes.clear();
    m_store.forgetSecret(unfinishedChangeSection, dataKeyKey);
    sealing::wipeShared(bare);
    return result;
}

StoreResult PrivateVault::setPassword(const QString &password)
{
    close();
    if (settings::passwordIsSet(m_store))
        return refused(tr("A password was set meanwhile, by another copy of Velmorwick. Open the private list with "
                          "that password."));
    Key gapKey = vaultformat::fromBareKey(m_store.read(unfinishedChangeSection, dataKeyKey));
    m_store.forgetSecret(unfinishedChangeSection, dataKeyKey);
    Key dataKey;
    const Settled settling = newDataKey(password, std::move(gapKey), &dataKey);
    if (!settling.failure.isEmpty())
        return refused(settling.failure);
    const StoreResult result = m_store.apply(settling.changes);
    if (result.written())
        report(settling.notices);
    return result;
}

LoadedList PrivateVault::load(int rows)
{
    LoadedList list{QList<TaskRow>(rows), {}};
    const QString sealed = m_store.read(privateSection, sealedListKey);
    m_knownSealed = sealed;
    if (sealed.isEmpty())
        return list;
    if (!isOpen()) {
        list.problem = tr("The private list is locked; open it again with the password.");
        return list;
    }
    auto plain = vaultformat::openedRows(m_dataKey, sealed);
    const auto decoded = plain ? vaultformat::decodedRows(*plain) : std::nullopt;
    if (plain)
        sealing::wipe(*plain);
    if (!decoded) {
        m_keepAside = {keptAside(QStringLiteral("Sealed"), sealed)};
        list.problem = tr("The saved private list could not be read: it has been damaged or altered. It is kept "
                          "as it was in the settings (section \"%1\"), and the list opens empty.")
                           .arg(keptAsideSection);
        return list;
    }
    for (int row = 0; row < rows && row < decoded->size(); ++row)
        list.rows[row] = decoded->at(row);
    return list;
}

std::optional<QList<TaskRow>> PrivateVault::follow(int rows)
{
    const QString sealed = m_store.read(privateSection, sealedListKey);
    // Another key in place (a password changed elsewhere, a restore): what
    // is saved there, even nothing, is no longer this window's to show.
    if (!isOpen() || m_store.read(passwordSection, wrappedKeyKey) != m_wrappedKey)
        return std::nullopt;
    m_knownSealed = sealed;
    QList<TaskRow> list(rows);
    if (sealed.isEmpty())
        return list;
    auto plain = vaultformat::openedRows(m_dataKey, sealed);
    const auto decoded = plain ? vaultformat::decodedRows(*plain) : std::nullopt;
    if (plain)
        sealing::wipe(*plain);
    if (!decoded)
        return std::nullopt;
    for (int row = 0; row < rows && row < decoded->size(); ++row)
        list[row] = decoded->at(row);
    return list;
}

QList<StoreChange> PrivateVault::withKeptAside(QList<StoreChange> changes) const
{
    return m_keepAside + changes;
}

StoreResult PrivateVault::changesToSave(const QList<TaskRow> &rows, QList<StoreChange> *changes)
{
    if (!isOpen())
        return refused(tr("The private list is locked; open it again with the password."));
    if (const QString why = tooLongRow(rows); !why.isEmpty())
        return refused(why);
    // Replaced unread (by an import): a list that does not open is kept.
    const QString current = m_store.read(privateSection, sealedListKey);
    if (m_keepAside.isEmpty() && !current.isEmpty() && !vaultformat::opens(m_dataKey, current)) {
        m_keepAside = {keptAside(QStringLiteral("Sealed"), current)};
        m_keptAsideNotice = tr("The saved private list could not be read: it had been damaged or altered. It is "
                               "kept as it was in the settings (section \"%1\").")
                                .arg(keptAsideSection);
    }
    const QString sealed = vaultformat::sealedRows(m_dataKey, rows);
    if (sealed.isEmpty())
        return refused(tr("There was no source of randomness to encrypt it with."));
    *changes = withKeptAside({StoreChange::expect(passwordSection, wrappedKeyKey, m_wrappedKey),
                              StoreChange::write(privateSection, sealedListKey, sealed)});
    return {};
}

void PrivateVault::saved()
{
    m_keepAside.clear();
    if (!m_keptAsideNotice.isEmpty())
        report({std::exchange(m_keptAsideNotice, QString())});
}

StoreResult PrivateVault::save(const QList<TaskRow> &rows, const QString &snapshotStep, bool overAnother)
{
    m_savedOverAnother = overAnother; // sealed whole: what was there is replaced
    QList<StoreChange> changes;
    if (const StoreResult sealed = changesToSave(rows, &changes); !sealed.written())
        return sealed;
    // The version from elsewhere it replaces is kept aside as a set of its rows.
    if (overAnother)
        changes.prepend(StoreChange::unseen(privateSection, sealedListKey));
    else if (!snapshotStep.isEmpty())
        changes.prepend(StoreChange::snapshot(snapshotStep));
    // A version saved under the same key since the window last looked, which
    // its notice has not brought yet, is kept before it is replaced.
    const bool guarded = snapshotStep.isEmpty() && !overAnother && m_store.keepsSnapshots();
    const StoreChange known = StoreChange::expect(privateSection, sealedListKey, m_knownSealed);
    StoreResult result = m_store.apply(guarded ? QList<StoreChange>{known} + changes : changes);
    if (result.status == StoreResult::Status::Changed && guarded
        && m_store.read(passwordSection, wrappedKeyKey) == m_wrappedKey) {
        m_savedOverAnother = !m_store.lastChangedHere(privateSection);
        if (m_savedOverAnother)
            changes.prepend(StoreChange::unseen(privateSection, sealedListKey));
        result = m_store.apply(changes);
    }
    if (result.status == StoreResult::Status::Changed)
        return keepAsideUnderItsKey(rows);
    if (result.written()) {
        for (const StoreChange &change : std::as_const(changes)) {
            if (change.kind == StoreChange::Kind::Write && change.section == privateSection
                && change.key == sealedListKey)
                m_knownSealed = change.value;
        }
        saved();
    }
    return result;
}

// The key changed while the list was open (a password changed elsewhere, a
// restore): the rows are not sealed beside a key that cannot open them. They
// go aside sealed under their own key, with that key wrapped as it was, so
// the password that opened them opens them again; the list closes.
StoreResult PrivateVault::keepAsideUnderItsKey(const QList<TaskRow> &rows)
{
    const QString stamp = keptStamp();
    const QString sealed = vaultformat::sealedRows(m_dataKey, rows);
    const StoreResult kept =
        sealed.isEmpty() ? refused(tr("There was no source of randomness to encrypt it with."))
                         : m_store.apply({StoreChange::write(keptAsideSection, QStringLiteral("Rows-") + stamp, sealed),
                                          StoreChange::write(keptAsideSection, QStringLiteral("Key-") + stamp, m_wrappedKey),
                                          StoreChange::addWord(keptAsideSection, keptRowsKey, stamp)});
    close();
    const QString changed = tr("The private list's password was changed elsewhere while this list was open (on "
                               "another computer, in another copy of Velmorwick, or by a restore), so your rows were "
                               "not saved over the list stored under it.");
    if (!kept.written())
        return refused(changed + u' ' + tr("They could not be kept aside either: %1 Copy them before you close "
                                           "this window.").arg(kept.reason));
    return refused(changed + u' ' + tr("They are kept aside, encrypted under the password that opened them "
                                       "(section \"%1\" of the settings). Close this list and open it again with the "
                                       "current password; to put those rows back into it, run: velmorwick put-back.")
                                        .arg(keptAsideSection));
}

StoreResult PrivateVault::clear()
{
    const StoreResult result = m_store.apply(
        withKeptAside({StoreChange::snapshot(tr("Clear List")), StoreChange::removeSection(privateSection)}));
    if (result.written())
        m_keepAside.clear();
    return result;
}
