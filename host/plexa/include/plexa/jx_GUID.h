// A GUID as the host names settings sections and image sets.
#pragma once

#include <cstdint>

#include "plexa/PlexaApi.h"

struct PLEXA_API jx_GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    // Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (hex digits in either
    // case). On malformed text the GUID becomes all zero and the answer is
    // false.
    bool FromStr(const char* text);
    // Writes the braced upper-case form into a buffer of at least 39 bytes.
    void ToStr(char* buffer) const;

    bool operator==(const jx_GUID&) const = default;
};
