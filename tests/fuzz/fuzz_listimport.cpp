// Any bytes as an import file: never a crash, and whatever is accepted comes
// back the same through export and import again.
#include "app/listexchange.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const listexchange::Parsed parsed = listexchange::fromJson(bytes);
    if (!parsed.error.isEmpty())
        return 0;
    const listexchange::Parsed again = listexchange::fromJson(listexchange::asJson(parsed.lists));
    if (!again.error.isEmpty() || again.lists.size() != parsed.lists.size())
        std::abort();
    for (qsizetype i = 0; i < parsed.lists.size(); ++i) {
        if (again.lists[i].layout != parsed.lists[i].layout || again.lists[i].rows != parsed.lists[i].rows)
            std::abort();
    }
    return 0;
}
