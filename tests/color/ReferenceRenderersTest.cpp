// Each fast renderer against a plain one written straight from the formulas
// in color/GradientRenderers.h: every pixel of every row computed, no row
// copies, no vector lanes, no shared walker. Both run in every build, so a
// fast path that rounds one step differently or strays over a row, a tail
// of a row or a checker cell shows here, with the renderer's name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "color/FloatColor.h"
#include "color/GradientRenderers.h"
#include "color/HsvConversion.h"

namespace {

struct Rgb {
    float r, g, b;
};

Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
Rgb operator/(Rgb a, float d) { return {a.r / d, a.g / d, a.b / d}; }

Rgb Floats(CRGBA c) { return {c.Red() / 255.0f, c.Green() / 255.0f, c.Blue() / 255.0f}; }
CRGBA Pixel(Rgb c) { return FloatRgbToColor(c.r, c.g, c.b); }

std::uint8_t Trunc(double x) { return static_cast<std::uint8_t>(static_cast<long long>(x) & 0xFF); }

// The rainbow along a line of n pixels, sector by sector.
class PlainHueWalker {
public:
    PlainHueWalker(float hi, float lo, int n)
        : hi(hi), lo(lo), sectorLength(static_cast<float>(n - 1) / 6.0f),
          step((hi - lo) / sectorLength), color{hi, lo, lo}
    {
    }
    Rgb Color() const { return color; }
    void Step(int i)
    {
        if (sector == 1)
            color = {hi, color.g + step, lo};
        else if (sector == 2)
            color = {color.r - step, hi, lo};
        else if (sector == 3)
            color = {lo, hi, color.b + step};
        else if (sector == 4)
            color = {lo, color.g - step, hi};
        else if (sector == 5)
            color = {color.r + step, lo, hi};
        else if (sector == 6)
            color = {hi, lo, color.b - step};
        if (std::floor(sectorLength * static_cast<float>(sector)) <= static_cast<float>(i)) {
            ++sector;
            color = {Clamp(color.r), Clamp(color.g), Clamp(color.b)};
        }
    }

private:
    float Clamp(float v) const { return v < lo ? lo : (v > hi ? hi : v); }
    float hi, lo, sectorLength, step;
    int sector = 1;
    Rgb color;
};

// A picture addressed from the top-left corner, kept as the renderers keep
// theirs: bottom-up rows of a 24-bit DIB.
class Picture {
public:
    Picture(int width, int height)
        : width(width), height(height), bytes(static_cast<std::size_t>(DibStride(width)) * height, 0xCD)
    {
    }
    PixelView View() { return {bytes.data(), width, height, DibStride(width)}; }
    void Set(int x, int y, CRGBA c) { PutPixel(View().RowFromTop(y) + 3 * x, c); }
    bool operator==(const Picture&) const = default;

    int width, height;
    std::vector<std::uint8_t> bytes;
};

// Where two pictures first differ, for the failure message.
std::string FirstDifference(Picture& a, Picture& b)
{
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int i = 0; i < 3; ++i)
                if (a.View().RowFromTop(y)[3 * x + i] != b.View().RowFromTop(y)[3 * x + i])
                    return "first at column " + std::to_string(x) + ", row " + std::to_string(y);
    return "in row padding";
}

// Sizes from a single pixel to wider than the renderers' bands, with odd
// widths for the tails of vector rows.
constexpr int kSizes[][2] = {{1, 1}, {2, 5}, {5, 3}, {7, 7}, {13, 2}, {67, 19}, {219, 40}};

void ExpectSame(const std::function<void(const PixelView&)>& fast, const std::function<void(Picture&)>& plain)
{
    for (const auto& size : kSizes) {
        Picture fastPicture(size[0], size[1]);
        Picture plainPicture(size[0], size[1]);
        fast(fastPicture.View());
        plain(plainPicture);
        EXPECT_TRUE(fastPicture == plainPicture)
            << size[0] << " x " << size[1] << ": " << FirstDifference(fastPicture, plainPicture);
    }
}

void PlainTwoColorSlider(Picture& p, CRGBA c0, CRGBA c1)
{
    const Rgb d = (Floats(c1) - Floats(c0)) / static_cast<float>(p.width);
    for (int y = 0; y < p.height; ++y) {
        Rgb color = Floats(c0);
        for (int x = 0; x < p.width; ++x, color = color + d)
            p.Set(x, y, Pixel(color));
    }
}

void PlainHueSlider(Picture& p, CHSV saturationValue)
{
    const CRGBA red = HsvToRgb(CHSV::FromParts(0, saturationValue.Saturation(), saturationValue.Value()));
    for (int y = 0; y < p.height; ++y) {
        PlainHueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, p.width);
        for (int x = 0; x < p.width; ++x) {
            p.Set(x, y, Pixel(walker.Color()));
            walker.Step(x);
        }
    }
}

CRGBA CheckerColor(const Checkerboard& board, int x, int y)
{
    return (x / board.cell + y / board.cell) % 2 ? board.second : board.first;
}

void PlainAlphaSlider(Picture& p, CRGBA c0, CRGBA c1, const Checkerboard& board)
{
    const Rgb d = (Floats(c1) - Floats(c0)) / static_cast<float>(p.width);
    for (int y = 0; y < p.height; ++y) {
        Rgb color = Floats(c0);
        for (int x = 0; x < p.width; ++x, color = color + d) {
            const float t = static_cast<float>(p.width - x) / static_cast<float>(p.width);
            const CRGBA c = Pixel(color);
            const CRGBA k = CheckerColor(board, x, y);
            p.Set(x, y,
                  CRGBA::FromBytes(Trunc(k.Red() * static_cast<double>(t) + c.Red()),
                                   Trunc(k.Green() * static_cast<double>(t) + c.Green()),
                                   Trunc(k.Blue() * static_cast<double>(t) + c.Blue())));
        }
    }
}

void PlainTwoColorStrip(Picture& p, CRGBA top, CRGBA bottom)
{
    const Rgb d = (Floats(bottom) - Floats(top)) / static_cast<float>(p.height);
    Rgb color = Floats(top);
    for (int y = 0; y < p.height; ++y, color = color + d)
        for (int x = 0; x < p.width; ++x)
            p.Set(x, y, Pixel(color));
}

void PlainHueStrip(Picture& p)
{
    PlainHueWalker walker(1.0f, 0.0f, p.height);
    for (int m = 0; m < p.height; ++m) {
        for (int x = 0; x < p.width; ++x)
            p.Set(x, p.height - 1 - m, Pixel(walker.Color()));
        walker.Step(m);
    }
}

void PlainRgbField(Picture& p, CRGBA c0, CRGBA c1, CRGBA c2, CRGBA fixed)
{
    const Rgb dx = (Floats(c1) - Floats(c0)) / static_cast<float>(p.width);
    const Rgb dy = (Rgb{0, 0, 0} - Floats(c2)) / static_cast<float>(p.height);
    Rgb base = Floats(c2);
    for (int y = 0; y < p.height; ++y, base = base + dy) {
        Rgb across{0, 0, 0};
        for (int x = 0; x < p.width; ++x, across = across + dx) {
            const CRGBA c = Pixel(across + base);
            p.Set(x, y,
                  CRGBA::FromBytes(static_cast<std::uint8_t>(c.Red() + fixed.Red()),
                                   static_cast<std::uint8_t>(c.Green() + fixed.Green()),
                                   static_cast<std::uint8_t>(c.Blue() + fixed.Blue())));
        }
    }
}

void PlainSaturationValueField(Picture& p, CRGBA pureHue)
{
    const float h = static_cast<float>(p.height);
    const Rgb c = Floats(pureHue);
    const Rgb leftStep{-1.0f / h, -1.0f / h, -1.0f / h};
    const Rgb rightStep = (Rgb{0, 0, 0} - c) / h;
    Rgb left{1, 1, 1};
    Rgb right = c;
    for (int y = 0; y < p.height; ++y, left = left + leftStep, right = right + rightStep) {
        const Rgb d = (right - left) / static_cast<float>(p.width);
        Rgb color = left;
        for (int x = 0; x < p.width; ++x, color = color + d)
            p.Set(x, y, Pixel(color));
    }
}

void PlainHueAcrossField(Picture& p, CRGBA bottom, CHSV saturationValue)
{
    const CRGBA red = HsvToRgb(CHSV::FromParts(0, saturationValue.Saturation(), saturationValue.Value()));
    const Rgb p0 = Floats(bottom);
    const float h = static_cast<float>(p.height);
    for (int m = 0; m < p.height; ++m) {
        PlainHueWalker walker(red.Red() / 255.0f, red.Green() / 255.0f, p.width);
        for (int x = 0; x < p.width; ++x) {
            const Rgb w = walker.Color();
            const float fm = static_cast<float>(m);
            const Rgb color{p0.r + (w.r - p0.r) / h * fm, p0.g + (w.g - p0.g) / h * fm, p0.b + (w.b - p0.b) / h * fm};
            p.Set(x, p.height - 1 - m, Pixel(color));
            walker.Step(x);
        }
    }
}

void PlainAlphaSwatch(Picture& p, CRGBA color, bool lower, const Checkerboard& board)
{
    const float a = color.Alpha() / 255.0f;
    const float rest = 1.0f - a;
    for (int y = 0; y < p.height; ++y) {
        const int r = lower ? y + p.height : y;
        const double wave = std::sin(r / 4.141592653589793) * 2.7f + p.width / 9.5 + p.width * 0.5;
        const int split = std::min(std::max(static_cast<int>(wave), 0), p.width);
        for (int x = 0; x < p.width; ++x) {
            const CRGBA k = CheckerColor(board, x, r);
            const auto blend = [&](int kc, int cc) {
                return Trunc(kc * static_cast<double>(rest) + cc * static_cast<double>(a));
            };
            p.Set(x, y,
                  x < split ? color
                            : CRGBA::FromBytes(blend(k.Red(), color.Red()), blend(k.Green(), color.Green()),
                                               blend(k.Blue(), color.Blue())));
        }
    }
}

const Checkerboard kBoard = CheckerboardFor(1, CRGBA(0x00FFFFFF), CRGBA(0x00F8E0CC), CheckerboardUse::AlphaSlider);
const Checkerboard kSwatchBoard = CheckerboardFor(2, CRGBA(0x00102030), CRGBA(0x00F8E0CC), CheckerboardUse::Swatch);

} // namespace

TEST(ReferenceRenderers, TwoColorSlider)
{
    for (const auto& [c0, c1] : {std::pair{CRGBA(0x00102030), CRGBA(0x00F0E0D0)}, {CRGBA(0x00FFFFFF), CRGBA(0)}})
        ExpectSame([&](const PixelView& v) { RenderTwoColorSlider(v, c0, c1); },
                   [&](Picture& p) { PlainTwoColorSlider(p, c0, c1); });
}

TEST(ReferenceRenderers, HueSlider)
{
    for (const CHSV sv : {CHSV::FromParts(0, 73, 91), CHSV::FromParts(0, 100, 100), CHSV::FromParts(0, 0, 40)})
        ExpectSame([&](const PixelView& v) { RenderHueSlider(v, sv); }, [&](Picture& p) { PlainHueSlider(p, sv); });
}

TEST(ReferenceRenderers, AlphaSlider)
{
    const CRGBA color(0x00336699);
    ExpectSame([&](const PixelView& v) { RenderAlphaSlider(v, CRGBA(0), color, kBoard); },
               [&](Picture& p) { PlainAlphaSlider(p, CRGBA(0), color, kBoard); });
}

TEST(ReferenceRenderers, TwoColorStrip)
{
    ExpectSame([](const PixelView& v) { RenderTwoColorStrip(v, CRGBA(0x0000FF00), CRGBA(0)); },
               [](Picture& p) { PlainTwoColorStrip(p, CRGBA(0x0000FF00), CRGBA(0)); });
}

TEST(ReferenceRenderers, HueStrip)
{
    ExpectSame([](const PixelView& v) { RenderHueStrip(v); }, [](Picture& p) { PlainHueStrip(p); });
}

TEST(ReferenceRenderers, RgbField)
{
    const CRGBA c0(0), c1(0x00FF0000), c2(0x0000FF00), fixed(0x0000007B);
    ExpectSame([&](const PixelView& v) { RenderRgbField(v, c0, c1, c2, fixed); },
               [&](Picture& p) { PlainRgbField(p, c0, c1, c2, fixed); });
}

TEST(ReferenceRenderers, SaturationValueField)
{
    const CRGBA pureHue = HsvToRgb(CHSV::FromParts(211, 100, 100));
    ExpectSame([&](const PixelView& v) { RenderSaturationValueField(v, pureHue); },
               [&](Picture& p) { PlainSaturationValueField(p, pureHue); });
}

TEST(ReferenceRenderers, HueAcrossField)
{
    const CRGBA gray = HsvToRgb(CHSV::FromParts(40, 0, 63));
    const CHSV sv = CHSV::FromParts(0, 100, 63);
    ExpectSame([&](const PixelView& v) { RenderHueAcrossField(v, gray, sv); },
               [&](Picture& p) { PlainHueAcrossField(p, gray, sv); });
}

TEST(ReferenceRenderers, AlphaSwatch)
{
    for (const bool lower : {false, true})
        ExpectSame([&](const PixelView& v) { RenderAlphaSwatch(v, CRGBA(0x7F3060C0), lower, kSwatchBoard); },
                   [&](Picture& p) { PlainAlphaSwatch(p, CRGBA(0x7F3060C0), lower, kSwatchBoard); });
}
