#include "registryvalue.h"

namespace registryvalue {

bool convert(std::uint32_t type, const unsigned char *bytes, std::size_t size, std::string &text)
{
    if (size > bufferSize)
        return false;
    std::size_t kept = size;
    if (kept > 0 && bytes[kept - 1] == 0)
        --kept;
    if (type == textType) {
        text.assign(reinterpret_cast<const char *>(bytes), kept);
    } else if (type == numberType) {
        static const char digits[] = "0123456789ABCDEF";
        std::string hex = "&h";
        for (std::size_t i = kept; i > 0; --i) {
            hex += digits[bytes[i - 1] >> 4];
            hex += digits[bytes[i - 1] & 0x0F];
        }
        text = hex;
    }
    return true;
}

} // namespace registryvalue
