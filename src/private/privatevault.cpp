#include "privatevault.h"

#include "private/passwordhash.h"
#include "store/settingsstore.h"
#include "store/storekeys.h"

#include <QCborArray>
#include <QCborValue>
#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

using sealing::Key;

namespace {

// What a sealed value is for travels with it, so a sealed key can never be
// taken for a sealed list or the other way round.
constexpr QByteArrayView listContext("velmorwick private list 1");
constexpr QByteArrayView keyContext("velmorwick data key 1");
const QString version = QStringLiteral("1");
constexpr qsizetype paddingBlock = 256; // the sealed size tells the length of the tasks only to this block
constexpr int plainRows = 5;            // the rows an earlier version kept in the clear

QString tr(const char *text)
{
    return QCoreApplication::translate("PrivateVault", text);
}

QString text64(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toBase64(QByteArray::Base64UrlEncoding
                                                             | QByteArray::OmitTrailingEquals));
}

std::optional<QByteArray> bytes64(const QString &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        text.toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || text.isEmpty())
        return std::nullopt;
    return decoded.decoded;
}

// "1$<field>$<field>...": the format's version, then base64 fields.
QString stored(std::initializer_list<QByteArrayView> fields)
{
    QString text = version;
    for (QByteArrayView field : fields)
        text += u'$' + text64(field);
    return text;
}

std::optional<QList<QByteArray>> fieldsOf(const QString &text, int count)
{
    const QStringList parts = text.split(u'$');
    if (parts.size() != count + 1 || parts[0] != version)
        return std::nullopt;
    QList<QByteArray> fields;
    for (int i = 1; i <= count; ++i) {
        auto field = bytes64(parts[i]);
        if (!field)
            return std::nullopt;
        fields << *field;
    }
    return fields;
}

QByteArray encodeRows(const QList<TaskRow> &rows)
{
    QCborArray list;
    for (const TaskRow &row : rows)
        list.append(QCborArray{row.text, row.ticked});
    QByteArray bytes = QCborValue(list).toCbor();
    // ISO/IEC 7816-4 padding: 0x80, then zeros to the end of the block.
    bytes.append(char(0x80));
    bytes.append((paddingBlock - bytes.size() % paddingBlock) % paddingBlock, '\0');
    return bytes;
}

std::optional<QList<TaskRow>> decodeRows(QByteArray bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0')
        --end;
    if (end == 0 || bytes[end - 1] != char(0x80))
        return std::nullopt;
    QCborParserError error;
    const QCborValue value = QCborValue::fromCbor(bytes.constData(), end - 1, &error);
    if (error.error != QCborError::NoError || !value.isArray())
        return std::nullopt;
    QList<TaskRow> rows;
    for (const QCborValue &row : value.toArray()) {
        const QCborArray fields = row.toArray();
        if (fields.size() != 2 || !fields[0].isString() || !fields[1].isBool())
            return std::nullopt;
        rows << TaskRow{fields[0].toString(), fields[1].toBool()};
    }
    return rows;
}

QString stamp()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
}

StoreResult refused(const QString &reason)
{
    return {StoreResult::Status::Refused, reason};
}

// The hash and the data key sealed under the password, key first: should a
// store that cannot write both together stop between them, no new hash
// stands without its key.
QList<StoreChange> protection(const QString &password, const Key &dataKey)
{
    const QString hashed = passwordhash::hash(password);
    const QByteArray salt = sealing::randomBytes(sealing::saltSize);
    const Key passwordKey = Key::derived(password, salt);
    const QByteArray wrapped = sealing::seal(passwordKey, dataKey.bytes(), keyContext);
    if (hashed.isEmpty() || dataKey.isEmpty() || wrapped.isEmpty())
        return {};
    return {StoreChange::write(storekeys::passwordSection, storekeys::wrappedKeyKey, stored({salt, wrapped})),
            StoreChange::write(storekeys::passwordSection, storekeys::passwordKey, hashed)};
}

// Rows an earlier version saved in the clear, sealed, with the clear keys
// removed after; nothing when there are none. They are newer than any sealed
// list beside them, which an earlier version does not know to update.
QList<StoreChange> plainRowsSealed(const SettingsStore &store, const Key &dataKey)
{
    const QList<TaskRow> rows = SectionListStorage::read(store, storekeys::privateSection, plainRows);
    if (std::all_of(rows.begin(), rows.end(), [](const TaskRow &row) { return row == TaskRow{}; }))
        return {};
    QByteArray plain = encodeRows(rows);
    QList<StoreChange> changes{StoreChange::write(storekeys::privateSection, storekeys::sealedListKey,
                                                  stored({sealing::seal(dataKey, plain, listContext)}))};
    sealing::wipe(plain);
    for (int row = 1; row <= plainRows; ++row) {
        changes << StoreChange::removeKey(storekeys::privateSection, storekeys::textKey(row))
                << StoreChange::removeKey(storekeys::privateSection, storekeys::tickKey(row));
    }
    return changes;
}

Key keyLeftByUnfinishedChange(const SettingsStore &store)
{
    const auto fields = fieldsOf(store.read(storekeys::unfinishedChangeSection, storekeys::dataKeyKey), 1);
    return fields ? Key::fromBytes((*fields)[0]) : Key();
}

// What an earlier version or an unfinished password change left that the
// data key now covers: plain rows sealed, the bare data key removed.
QList<StoreChange> leftoversTidied(const SettingsStore &store, const Key &dataKey)
{
    QList<StoreChange> changes = plainRowsSealed(store, dataKey);
    if (!store.read(storekeys::unfinishedChangeSection, storekeys::dataKeyKey).isEmpty())
        changes << StoreChange::removeSection(storekeys::unfinishedChangeSection);
    return changes;
}

} // namespace

PrivateVault::PrivateVault(SettingsStore &store)
    : m_store(store)
{
}

bool PrivateVault::tryWrappedKey(const QString &password)
{
    const auto fields = fieldsOf(m_store.read(storekeys::passwordSection, storekeys::wrappedKeyKey), 2);
    if (!fields)
        return false;
    const Key passwordKey = Key::derived(password, (*fields)[0]);
    auto dataKey = sealing::open(passwordKey, (*fields)[1], keyContext);
    if (!dataKey)
        return false;
    m_dataKey = Key::fromBytes(*dataKey);
    sealing::wipe(*dataKey);
    return isOpen();
}

PrivateVault::EntryResult PrivateVault::enter(const QString &password)
{
    close();
    if (!sealing::available())
        return {Entry::CannotCheck, {}};
    QList<StoreChange> changes;
    if (!tryWrappedKey(password)) {
        switch (passwordhash::check(m_store.read(storekeys::passwordSection, storekeys::passwordKey), password)) {
        case passwordhash::Verdict::Wrong:
            return {Entry::Wrong, {}};
        case passwordhash::Verdict::TooCostly:
            return {Entry::TooCostly, {}};
        case passwordhash::Verdict::CannotCheck:
            return {Entry::CannotCheck, {}};
        case passwordhash::Verdict::Matches:
        case passwordhash::Verdict::MatchesPlainText:
            break;
        }
        // The right password, but no data key sealed under it that opens: an
        // earlier version's store, or a damaged key, kept aside.
        const QString oldKey = m_store.read(storekeys::passwordSection, storekeys::wrappedKeyKey);
        if (!oldKey.isEmpty())
            changes << StoreChange::write(storekeys::keptAsideSection, QStringLiteral("Key-") + stamp(), oldKey);
        Key dataKey = keyLeftByUnfinishedChange(m_store);
        if (dataKey.isEmpty())
            dataKey = Key::random();
        const QList<StoreChange> protect = protection(password, dataKey);
        if (protect.isEmpty())
            return {Entry::CannotCheck, {}};
        changes << protect;
        m_dataKey = std::move(dataKey);
    }
    // Also what a store that writes value by value may have left half done.
    changes << leftoversTidied(m_store, m_dataKey);
    if (!changes.isEmpty()) {
        const StoreResult result = m_store.apply(changes);
        if (!result.written()) {
            close();
            return {Entry::NotSaved, result.reason};
        }
    }
    return {Entry::Opened, {}};
}

StoreResult PrivateVault::startChange()
{
    QList<StoreChange> changes;
    if (isOpen()) {
        changes << StoreChange::write(storekeys::unfinishedChangeSection, storekeys::dataKeyKey,
                                      stored({m_dataKey.bytes()}));
    }
    changes << StoreChange::removeSection(storekeys::passwordSection);
    close();
    return m_store.apply(changes);
}

StoreResult PrivateVault::setPassword(const QString &password)
{
    close();
    Key dataKey = keyLeftByUnfinishedChange(m_store);
    if (dataKey.isEmpty())
        dataKey = Key::random();
    QList<StoreChange> changes = protection(password, dataKey);
    if (changes.isEmpty())
        return refused(tr("There was not enough memory to protect it."));
    changes << leftoversTidied(m_store, dataKey);
    return m_store.apply(changes);
}

LoadedList PrivateVault::load(int rows)
{
    LoadedList list{QList<TaskRow>(rows), {}};
    const QString sealed = m_store.read(storekeys::privateSection, storekeys::sealedListKey);
    if (sealed.isEmpty())
        return list;
    if (!isOpen()) {
        list.problem = tr("The private list is locked; open it again with the password.");
        return list;
    }
    const auto fields = fieldsOf(sealed, 1);
    auto plain = fields ? sealing::open(m_dataKey, (*fields)[0], listContext) : std::nullopt;
    const auto decoded = plain ? decodeRows(*plain) : std::nullopt;
    if (plain)
        sealing::wipe(*plain);
    if (!decoded) {
        m_keepAside = {StoreChange::write(storekeys::keptAsideSection, QStringLiteral("Sealed-") + stamp(), sealed)};
        list.problem = tr("The saved private list could not be read: it has been damaged or altered. It is kept "
                          "as it was in the settings (section \"%1\"), and the list opens empty.")
                           .arg(storekeys::keptAsideSection);
        return list;
    }
    for (int row = 0; row < rows && row < decoded->size(); ++row)
        list.rows[row] = decoded->at(row);
    return list;
}

QList<StoreChange> PrivateVault::withKeptAside(QList<StoreChange> changes) const
{
    return m_keepAside + changes;
}

StoreResult PrivateVault::changesToSave(const QList<TaskRow> &rows, QList<StoreChange> *changes) const
{
    if (!isOpen())
        return refused(tr("The private list is locked; open it again with the password."));
    QByteArray plain = encodeRows(rows);
    const QByteArray sealed = sealing::seal(m_dataKey, plain, listContext);
    sealing::wipe(plain);
    if (sealed.isEmpty())
        return refused(tr("There was no source of randomness to encrypt it with."));
    *changes = withKeptAside(
        {StoreChange::write(storekeys::privateSection, storekeys::sealedListKey, stored({sealed}))});
    return {};
}

StoreResult PrivateVault::save(const QList<TaskRow> &rows)
{
    QList<StoreChange> changes;
    if (const StoreResult sealed = changesToSave(rows, &changes); !sealed.written())
        return sealed;
    const StoreResult result = m_store.apply(changes);
    if (result.written())
        saved();
    return result;
}

StoreResult PrivateVault::clear()
{
    const StoreResult result = m_store.apply(withKeptAside({StoreChange::removeSection(storekeys::privateSection)}));
    if (result.written())
        m_keepAside.clear();
    return result;
}

void PrivateVault::close()
{
    m_dataKey.wipe();
    m_keepAside.clear();
}
