// Turning a computed channel into a byte the way every conversion here
// does: toward zero, keeping the low eight bits, so 257.5 becomes 1 and
// -1.5 becomes 255. NaN and values beyond any integer become 0 rather than
// undefined behaviour.
#pragma once

#include <cstdint>

inline std::uint8_t TruncToWrappedByte(double x)
{
    if (!(x > -9.0e18 && x < 9.0e18))
        return 0;
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(x) & 0xFF);
}
