#include "vaultformat.h"

#include <QStringList>

namespace vaultformat {

namespace {

using sealing::Key;

// What a sealed value is for travels with it, so a sealed key can never be
// taken for a sealed list or the other way round.
constexpr QByteArrayView listContext("velmorwick private list 1");
constexpr QByteArrayView keyContextV1("velmorwick data key 1");
constexpr QByteArrayView keyContextV2("velmorwick data key 2");
constexpr qsizetype paddingBlock = 256; // the sealed size tells the length of the tasks only to this block
constexpr qsizetype mostRows = 64;      // far more than any list has

// Neither makes a copy of its input: it may be a key.
QByteArray text64(QByteArrayView bytes)
{
    return QByteArray::fromRawData(bytes.data(), bytes.size())
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::optional<QByteArray> bytes64(const QByteArray &text)
{
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::Base64UrlEncoding
                                                            | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || text.isEmpty())
        return std::nullopt;
    return std::move(decoded.decoded);
}

// "<version>$<field>$<field>...": the fields after the leading ones are base64.
std::optional<QList<QByteArray>> fieldsOf(const QString &text, const QString &version, int count)
{
    const QList<QByteArray> parts = text.toLatin1().split('$');
    if (parts.size() != count + 1 || parts[0] != version.toLatin1())
        return std::nullopt;
    return parts.mid(1);
}

// CBOR, as QCborValue wrote it before: an array of [text, tick] arrays,
// every length definite and as short as it goes. Written and read here so
// that no copy of the texts is left in memory the program cannot wipe.
void appendHead(QByteArray &out, int major, quint64 value)
{
    const char type = char(major << 5);
    if (value < 24) {
        out.append(char(type | char(value)));
        return;
    }
    int bytes = value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : value <= 0xFFFFFFFFu ? 4 : 8;
    out.append(char(type | char(bytes == 1 ? 24 : bytes == 2 ? 25 : bytes == 4 ? 26 : 27)));
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

int headSize(quint64 value)
{
    return value < 24 ? 1 : value <= 0xFF ? 2 : value <= 0xFFFF ? 3 : value <= 0xFFFFFFFFu ? 5 : 9;
}

QByteArray encode(const QList<TaskRow> &rows)
{
    QList<QByteArray> texts;
    qsizetype size = headSize(quint64(rows.size()));
    for (const TaskRow &row : rows) {
        texts << row.text.toUtf8();
        size += 1 + headSize(quint64(texts.last().size())) + texts.last().size() + 1;
    }
    const qsizetype padded = (size + 1 + paddingBlock - 1) / paddingBlock * paddingBlock;
    QByteArray bytes;
    bytes.reserve(padded); // one buffer, never moved: wiped as a whole
    appendHead(bytes, 4, quint64(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        bytes.append(char(0x82));
        appendHead(bytes, 3, quint64(texts[i].size()));
        bytes.append(texts[i]);
        bytes.append(char(rows[i].ticked ? 0xF5 : 0xF4));
        sealing::wipe(texts[i]);
    }
    // ISO/IEC 7816-4 padding: 0x80, then zeros to the end of the block.
    bytes.append(char(0x80));
    bytes.append(padded - bytes.size(), '\0');
    return bytes;
}

class Reader
{
public:
    Reader(const QByteArray &bytes, qsizetype end)
        : m_bytes(bytes)
        , m_end(end)
    {
    }
    bool atEnd() const { return m_at == m_end; }
    std::optional<quint8> byte()
    {
        if (m_at >= m_end)
            return std::nullopt;
        return quint8(m_bytes[m_at++]);
    }
    // The value of a head of that major type; nothing for another type or
    // an indefinite length.
    std::optional<quint64> head(int major)
    {
        const auto first = byte();
        if (!first || (*first >> 5) != major)
            return std::nullopt;
        const int low = *first & 0x1F;
        if (low < 24)
            return quint64(low);
        if (low > 27)
            return std::nullopt;
        quint64 value = 0;
        for (int i = 0; i < (1 << (low - 24)); ++i) {
            const auto next = byte();
            if (!next)
                return std::nullopt;
            value = value << 8 | *next;
        }
        // Only the shortest form of each length: one list, one encoding.
        if (headSize(value) != 1 + (1 << (low - 24)))
            return std::nullopt;
        return value;
    }
    std::optional<QString> text(quint64 length)
    {
        if (length > quint64(m_end - m_at))
            return std::nullopt;
        if (!QByteArrayView(m_bytes.constData() + m_at, qsizetype(length)).isValidUtf8())
            return std::nullopt; // it would come back other than it was
        const QString text = QString::fromUtf8(m_bytes.constData() + m_at, qsizetype(length));
        m_at += qsizetype(length);
        return text;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_end;
    qsizetype m_at = 0;
};

} // namespace

void wipeRows(QList<TaskRow> &rows)
{
    for (TaskRow &row : rows)
        sealing::wipeShared(row.text);
}

std::optional<QList<TaskRow>> decodedRows(const QByteArray &bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0')
        --end;
    if (end == 0 || bytes[end - 1] != char(0x80))
        return std::nullopt;
    Reader reader(bytes, end - 1);
    const auto count = reader.head(4);
    if (!count || *count > mostRows)
        return std::nullopt;
    QList<TaskRow> rows;
    for (quint64 i = 0; i < *count; ++i) {
        const auto pair = reader.head(4);
        const auto length = pair && *pair == 2 ? reader.head(3) : std::nullopt;
        auto text = length ? reader.text(*length) : std::nullopt;
        const auto tick = text ? reader.byte() : std::nullopt;
        if (!tick || (*tick != 0xF4 && *tick != 0xF5)) {
            if (text)
                sealing::wipeShared(*text);
            wipeRows(rows);
            return std::nullopt;
        }
        rows << TaskRow{*std::move(text), *tick == 0xF5};
    }
    if (!reader.atEnd()) {
        wipeRows(rows);
        return std::nullopt;
    }
    return rows;
}

QString sealedRows(const Key &dataKey, const QList<TaskRow> &rows)
{
    if (rows.size() > mostRows)
        return {}; // what the reader would refuse is never written
    QByteArray plain = encode(rows);
    const QString sealed = resealed(dataKey, plain);
    sealing::wipe(plain);
    return sealed;
}

QString resealed(const Key &dataKey, const QByteArray &encodedRows)
{
    const QByteArray sealed = sealing::seal(dataKey, encodedRows, listContext);
    return sealed.isEmpty() ? QString() : QStringLiteral("1$") + QString::fromLatin1(text64(sealed));
}

std::optional<QByteArray> openedRows(const Key &dataKey, const QString &sealed)
{
    const auto fields = fieldsOf(sealed, QStringLiteral("1"), 1);
    const auto bytes = fields ? bytes64((*fields)[0]) : std::nullopt;
    return bytes ? sealing::open(dataKey, *bytes, listContext) : std::nullopt;
}

bool opens(const Key &dataKey, const QString &sealed)
{
    std::optional<QByteArray> rows = openedRows(dataKey, sealed);
    if (rows)
        sealing::wipe(*rows);
    return rows.has_value();
}

std::optional<WrappedKey> wrappedKey(const QString &stored)
{
    WrappedKey key;
    if (const auto v1 = fieldsOf(stored, QStringLiteral("1"), 2)) {
        key.version = 1;
        key.cost = sealing::programCost(); // what version 1 always used
        const auto salt = bytes64((*v1)[0]);
        const auto sealed = bytes64((*v1)[1]);
        if (!salt || !sealed)
            return std::nullopt;
        key.salt = *salt;
        key.sealedKey = *sealed;
    } else if (const auto v2 = fieldsOf(stored, QStringLiteral("2"), 4)) {
        key.version = 2;
        bool passesOk = false, memoryOk = false;
        key.cost = {(*v2)[0].toULongLong(&passesOk), (*v2)[1].toULongLong(&memoryOk)};
        const auto salt = bytes64((*v2)[2]);
        const auto sealed = bytes64((*v2)[3]);
        if (!passesOk || !memoryOk || !salt || !sealed)
            return std::nullopt;
        key.salt = *salt;
        key.sealedKey = *sealed;
    } else {
        return std::nullopt;
    }
    if (key.salt.size() != sealing::saltSize)
        return std::nullopt;
    return key;
}

QString wrapped(const Key &passwordKey, const QByteArray &salt, const sealing::Cost &cost, const Key &dataKey)
{
    const QByteArray sealed = sealing::seal(passwordKey, dataKey.bytes(), keyContextV2);
    if (sealed.isEmpty() || dataKey.isEmpty())
        return {};
    return QStringLiteral("2$%1$%2$").arg(cost.passes).arg(cost.memoryKiB)
           + QString::fromLatin1(text64(salt) + '$' + text64(sealed));
}

Key unwrapped(const Key &passwordKey, const WrappedKey &wrapped)
{
    auto bytes = sealing::open(passwordKey, wrapped.sealedKey, wrapped.version == 1 ? keyContextV1 : keyContextV2);
    if (!bytes)
        return {};
    Key key = Key::fromBytes(*bytes);
    sealing::wipe(*bytes);
    return key;
}

QString bareKey(const Key &key)
{
    QByteArray text = text64(key.bytes());
    const QString stored = QStringLiteral("1$") + QString::fromLatin1(text);
    sealing::wipe(text);
    return stored;
}

Key fromBareKey(const QString &stored)
{
    if (!stored.startsWith(QStringLiteral("1$")))
        return {};
    QByteArray text = stored.sliced(2).toLatin1();
    auto bytes = bytes64(text);
    sealing::wipe(text);
    if (!bytes)
        return {};
    Key key = Key::fromBytes(*bytes);
    sealing::wipe(*bytes);
    return key;
}

} // namespace vaultformat
