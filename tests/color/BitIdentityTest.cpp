// The color arithmetic must give the same bits in every build (native,
// 64-bit and 32-bit Windows). These fingerprints cover whole input ranges;
// the same constants are checked in each build, so a build that rounds one
// step differently (x87 precision, fused multiply-add) fails here.
#include <gtest/gtest.h>

#include <vector>

#include "color/FloatColor.h"
#include "color/GradientRenderers.h"
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

std::uint64_t RenderFingerprint(int width, int height)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(DibStride(width)) * height);
    const PixelView view{bytes.data(), width, height, DibStride(width)};
    const Checkerboard board = CheckerboardFor(2, CRGBA(0x00FFFFFF), CRGBA(0x00F8E0CC), CheckerboardUse::AlphaSlider);
    Fingerprint fingerprint;
    const auto addView = [&] {
        for (const std::uint8_t byte : bytes)
            fingerprint.Add(byte);
    };
    RenderTwoColorSlider(view, CRGBA(0x00102030), CRGBA(0x00F0E0D0));
    addView();
    RenderHueSlider(view, CHSV::FromParts(0, 73, 91));
    addView();
    RenderAlphaSlider(view, CRGBA(0), CRGBA(0x00336699), board);
    addView();
    RenderTwoColorStrip(view, CRGBA(0x00FFFFFF), CRGBA(0));
    addView();
    RenderHueStrip(view);
    addView();
    RenderRgbField(view, CRGBA(0), CRGBA(0x00FF0000), CRGBA(0x0000FF00), CRGBA(0x0000007B));
    addView();
    RenderSaturationValueField(view, HsvToRgb(CHSV::FromParts(211, 100, 100)));
    addView();
    RenderHueAcrossField(view, HsvToRgb(CHSV::FromParts(40, 0, 63)), CHSV::FromParts(0, 100, 63));
    addView();
    RenderAlphaSwatch(view, CRGBA(0x7F3060C0), true, board);
    addView();
    return fingerprint.Value();
}

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

TEST(BitIdentity, Renderers)
{
    EXPECT_EQ(RenderFingerprint(219, 210), 0x2F649823AFC2167Cull);
    EXPECT_EQ(RenderFingerprint(1031, 7), 0x1C6A863C8B90AD77ull);
    EXPECT_EQ(RenderFingerprint(5, 3), 0x8A14B24B01641C87ull);
}
