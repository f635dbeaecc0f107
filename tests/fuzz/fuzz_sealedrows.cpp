// libFuzzer target: the private list's rows as they are sealed. Whatever the
// bytes, the reader never crashes; what it reads is at most the rows the
// writer writes, and written again gives the same bytes: one list, one
// encoding. Built by make check with clang; a failed check aborts.
#include "private/sealing.h"
#include "private/vaultformat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The rows' bytes without the padding after them.
QByteArray unpadded(QByteArray bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    bytes.chop(1); // the 0x80 the reader found there
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool ready = sealing::available();
    static const sealing::Key key = sealing::Key::random();
    require(ready && !key.isEmpty(), "the library and a key");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto rows = vaultformat::decodedRows(bytes);
    if (!rows)
        return 0;
    require(rows->size() <= 64, "no more rows than the writer writes");
    const auto again = vaultformat::openedRows(key, vaultformat::sealedRows(key, *rows));
    require(again.has_value(), "what was read is written");
    require(unpadded(*again) == unpadded(bytes), "one list, one encoding");
    return 0;
}
