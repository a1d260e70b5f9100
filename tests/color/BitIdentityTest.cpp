// The color arithmetic must give the same bits in every build (native,
// 64-bit and 32-bit Windows). These fingerprints cover whole input ranges;
// the same constants are checked in each build, so a build that rounds one
// step differently (x87 precision, fused multiply-add) fails here.
#include <gtest/gtest.h>

#include "color/FloatColor.h"
#include "color/HsvConversion.h"
#include "color/SwatchColorSpaces.h"

namespace {

class Fingerprint {
public:
    void Add(std::uint32_t word)
    {
        for (int i = 0; i < 4; ++i) {
            hash ^= (word >> (8 * i)) & 0xFF;
            hash *= 0x100000001B3ull;
        }
    }
    std::uint64_t Value() const { return hash; }

private:
    std::uint64_t hash = 0xCBF29CE484222325ull;
};

} // namespace

TEST(BitIdentity, RgbToHsvOfEveryColor)
{
    Fingerprint fingerprint;
    for (std::uint32_t word = 0; word < (1u << 24); ++word)
        fingerprint.Add(RgbToHsv(CRGBA(word)).value);
    EXPECT_EQ(fingerprint.Value(), 0xC0078E43A637137Dull);
}

TEST(BitIdentity, HsvToRgbOfEveryHueSaturationAndValue)
{
    Fingerprint fingerprint;
    for (std::uint16_t hue = 0; hue <= 720; ++hue)
        for (std::uint8_t saturation = 0; saturation <= 100; ++saturation)
            for (std::uint8_t value = 0; value <= 100; ++value)
                fingerprint.Add(HsvToRgb(CHSV::FromParts(hue, saturation, value)).value);
    EXPECT_EQ(fingerprint.Value(), 0x729C91FBA35CE5C3ull);
}

TEST(BitIdentity, SwatchColorSpaces)
{
    Fingerprint fingerprint;
    for (int h = 0; h <= 400; ++h)
        for (int s = 0; s <= 20; ++s)
            for (int v = 0; v <= 20; ++v)
                fingerprint.Add(FloatHsvToRgb(h / 360.0f, s / 20.0f, v / 20.0f).value);
    for (int L = -10; L <= 110; L += 2)
        for (int a = -130; a <= 130; a += 5)
            for (int b = -130; b <= 130; b += 5)
                fingerprint.Add(LabToRgb(L, a, b).value);
    for (int c = 0; c <= 20; ++c)
        for (int k = 0; k <= 20; ++k)
            fingerprint.Add(FloatRgbToColor(CmykToRgb(c / 20.0f, 1.0f - c / 20.0f, c / 40.0f, k / 20.0f)).value);
    EXPECT_EQ(fingerprint.Value(), 0xE5C91B9B4875319Bull);
}
