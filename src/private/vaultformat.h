#pragma once

#include "lists/liststorage.h"
#include "private/sealing.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The private list's values as the settings keep them. Every form starts
// with its version; the fields after it are base64url, '$' between them.
//
//   [Priv] Sealed       1$<nonce, rows, tag>        the rows under the data key
//   [Password] Key      2$<passes>$<KiB>$<salt>$<nonce, key, tag>
//                       the data key under the password's key, derived with
//                       Argon2id at that cost; version 1 ("1$<salt>$<...>")
//                       had no cost of its own: always the program's
//   [PrivChange] Key    1$<key>   a data key as it is, only while a password
//                                 change waits for the new password
//
// Changing anything here (contexts, padding, the rows' encoding) makes every
// private list saved before unreadable: the reference stores of the tests
// hold each form.
namespace vaultformat {

// The rows, encoded and sealed under the data key.
QString sealedRows(const sealing::Key &dataKey, const QList<TaskRow> &rows);
// The encoded rows inside a sealed list, whatever their number; nothing when
// the value was altered, is not of this form or the key is not its key.
std::optional<QByteArray> openedRows(const sealing::Key &dataKey, const QString &sealed);
// Whether it opens under the key; what it opened to is wiped at once.
bool opens(const sealing::Key &dataKey, const QString &sealed);
// The same rows sealed under another key, without decoding them.
QString resealed(const sealing::Key &dataKey, const QByteArray &encodedRows);
std::optional<QList<TaskRow>> decodedRows(const QByteArray &encodedRows);
// Zeroes decoded rows' texts where they lie, in every copy that shares them.
void wipeRows(QList<TaskRow> &rows);

struct WrappedKey
{
    int version = 0;
    sealing::Cost cost;
    QByteArray salt;
    QByteArray sealedKey;
};
std::optional<WrappedKey> wrappedKey(const QString &stored);
// The data key sealed under a key derived from the password (with this
// salt, at this cost), in the current form.
QString wrapped(const sealing::Key &passwordKey, const QByteArray &salt, const sealing::Cost &cost,
                const sealing::Key &dataKey);
// The data key inside, if the password's key opens it.
sealing::Key unwrapped(const sealing::Key &passwordKey, const WrappedKey &wrapped);

QString bareKey(const sealing::Key &key);
sealing::Key fromBareKey(const QString &stored);

} // namespace vaultformat
