#include "plexa/jx_GUID.h"

#include <cstdio>
#include <cstring>

#include "common/AsciiText.h"

namespace {

// Reads `digits` hex digits at text; false if any is not a hex digit.
bool ReadHex(const char* text, int digits, std::uint32_t& value)
{
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0)
            return false;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return true;
}

} // namespace

bool jx_GUID::FromStr(const char* text)
{
    *this = jx_GUID{};
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: 38 characters.
    if (!text || std::strlen(text) != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        return false;
    std::uint32_t value = 0;
    jx_GUID parsed{};
    bool ok = ReadHex(text + 1, 8, parsed.data1);
    ok = ok && ReadHex(text + 10, 4, value);
    parsed.data2 = static_cast<std::uint16_t>(value);
    ok = ok && ReadHex(text + 15, 4, value);
    parsed.data3 = static_cast<std::uint16_t>(value);
    // Data4 is written as two bytes, a dash, then six bytes.
    static constexpr int kData4Offsets[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; ok && i < 8; ++i) {
        ok = ReadHex(text + kData4Offsets[i], 2, value);
        parsed.data4[i] = static_cast<std::uint8_t>(value);
    }
    if (ok)
        *this = parsed;
    return ok;
}

void jx_GUID::ToStr(char* buffer) const
{
    std::snprintf(buffer, 39, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", static_cast<unsigned>(data1), data2,
                  data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
}
