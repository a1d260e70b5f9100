// The color values the whole module passes around: a packed red, green,
// blue and alpha word, a packed hue, saturation and value word, and the
// numbers of the seven editable channels.
#pragma once

#include <cstdint>

// Bytes from the least significant end: red, green, blue, alpha (255 =
// opaque). The low 24 bits are exactly a Win32 COLORREF.
class CRGBA {
public:
    constexpr CRGBA() = default;
    constexpr explicit CRGBA(std::uint32_t word) : value(word) {}
    static constexpr CRGBA FromBytes(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha = 0)
    {
        return CRGBA(std::uint32_t{red} | std::uint32_t{green} << 8 | std::uint32_t{blue} << 16 |
                     std::uint32_t{alpha} << 24);
    }
    // Assigned from a hue, saturation and value word by HsvToRgb (alpha 0).
    CRGBA& operator=(const class CHSV& hsv);

    constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(value); }
    constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>(value >> 8); }
    constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>(value >> 16); }
    constexpr std::uint8_t Alpha() const { return static_cast<std::uint8_t>(value >> 24); }
    // Byte i: 0 red, 1 green, 2 blue, 3 alpha.
    constexpr std::uint8_t Byte(int i) const { return static_cast<std::uint8_t>(value >> (8 * i)); }
    constexpr std::uint32_t ColorRef() const { return value & 0x00FFFFFF; }
    constexpr bool operator==(const CRGBA&) const = default;

    std::uint32_t value = 0;
};

// Bits 0..15 hue in degrees (produced 0..359, accepted 0..360 and reduced
// above), 16..23 saturation and 24..31 value, both in percent 0..100.
class CHSV {
public:
    constexpr CHSV() = default;
    constexpr explicit CHSV(std::uint32_t word) : value(word) {}
    static constexpr CHSV FromParts(std::uint16_t hue, std::uint8_t saturation, std::uint8_t value)
    {
        return CHSV(std::uint32_t{hue} | std::uint32_t{saturation} << 16 | std::uint32_t{value} << 24);
    }
    // Built from a color by RgbToHsv.
    explicit CHSV(CRGBA color);

    constexpr std::uint16_t Hue() const { return static_cast<std::uint16_t>(value); }
    constexpr std::uint8_t Saturation() const { return static_cast<std::uint8_t>(value >> 16); }
    constexpr std::uint8_t Value() const { return static_cast<std::uint8_t>(value >> 24); }
    constexpr bool operator==(const CHSV&) const = default;

    std::uint32_t value = 0;
};

// The editable channels, as the setters, the sliders and the persisted
// field mode number them.
enum ColorChannel : std::int32_t {
    kChannelRed = 0,
    kChannelGreen = 1,
    kChannelBlue = 2,
    kChannelHue = 3,
    kChannelSaturation = 4,
    kChannelValue = 5,
    kChannelAlpha = 6,
};
