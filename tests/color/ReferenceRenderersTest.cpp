// Each fast renderer against a plain one written straight from the formulas
// in color/GradientRenderers.h: every pixel of every row computed, no row
// copies, no vector lanes. Both run in every build, so a fast path that
// rounds one step differently or strays over a row, a tail of a row or a
// checker cell shows here, with the renderer's name. The hue renderers are
// checked for what they must show instead (every hue once, in order, at the
// saturation and value asked for): a plain copy of their walker would
// repeat whatever it got wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
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

    CRGBA At(int x, int y)
    {
        const std::uint8_t* p = View().RowFromTop(y) + 3 * x;
        return CRGBA::FromBytes(p[2], p[1], p[0]);
    }

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

// A color's hue in degrees, 0 up to 360, by the hexcone: where its largest
// channel is and how far the middle one has come.
float HueOf(CRGBA c)
{
    const int r = c.Red(), g = c.Green(), b = c.Blue();
    const int hi = std::max({r, g, b});
    const int range = hi - std::min({r, g, b});
    if (range == 0)
        return 0;
    float sector = hi == r   ? static_cast<float>(g - b) / range
                   : hi == g ? 2 + static_cast<float>(b - r) / range
                             : 4 + static_cast<float>(r - g) / range;
    if (sector < 0)
        sector += 6;
    return sector * 60;
}

// A line of pixels that a hue renderer shows along its length, first to
// last: it starts at red, every pixel lies between the darkest and the
// brightest channel of the saturation and value asked for, with one channel
// at each, and the hue never falls. Where each of the six sectors has two
// pixels or more, the hue rises by about as many degrees per pixel as 360
// spread over the line, ending short of red again.
void ExpectRainbow(const std::vector<CRGBA>& line, CRGBA red, const std::string& where)
{
    const int n = static_cast<int>(line.size());
    const int hi = red.Red();
    const int lo = red.Green();
    const float perPixel = n > 1 ? 360.0f / static_cast<float>(n - 1) : 0;
    float previous = 0;
    for (int i = 0; i < n; ++i) {
        const CRGBA c = line[static_cast<std::size_t>(i)];
        const int top = std::max({c.Red(), c.Green(), c.Blue()});
        const int bottom = std::min({c.Red(), c.Green(), c.Blue()});
        ASSERT_EQ(top, hi) << where << ", pixel " << i;
        ASSERT_EQ(bottom, lo) << where << ", pixel " << i;
        if (hi == lo)
            continue;
        const float hue = HueOf(c);
        ASSERT_GE(hue + 0.5f, previous) << where << ", pixel " << i;
        if (n > 12) {
            ASSERT_NEAR(hue, perPixel * static_cast<float>(i), perPixel + 3.0f) << where << ", pixel " << i;
        }
        previous = hue;
    }
    if (n > 0) {
        EXPECT_EQ(line.front(), red) << where;
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

TEST(HueRenderers, TheSliderShowsEveryHueAtTheSaturationAndValueAskedFor)
{
    for (const CHSV sv : {CHSV::FromParts(0, 100, 100), CHSV::FromParts(0, 73, 91), CHSV::FromParts(0, 0, 40)}) {
        const CRGBA red = HsvToRgb(CHSV::FromParts(0, sv.Saturation(), sv.Value()));
        for (const auto& size : kSizes) {
            Picture picture(size[0], size[1]);
            RenderHueSlider(picture.View(), sv);
            for (int y = 0; y < picture.height; ++y) {
                std::vector<CRGBA> row;
                for (int x = 0; x < picture.width; ++x)
                    row.push_back(picture.At(x, y));
                ExpectRainbow(row, red,
                              std::to_string(size[0]) + " x " + std::to_string(size[1]) + " row " + std::to_string(y));
            }
        }
    }
}

TEST(HueRenderers, TheStripShowsEveryHueFromTheBottomUp)
{
    for (const auto& size : kSizes) {
        Picture picture(size[0], size[1]);
        RenderHueStrip(picture.View());
        for (int x = 0; x < picture.width; ++x) {
            std::vector<CRGBA> column;
            for (int y = picture.height - 1; y >= 0; --y)
                column.push_back(picture.At(x, y));
            ExpectRainbow(column, CRGBA::FromBytes(255, 0, 0),
                          std::to_string(size[0]) + " x " + std::to_string(size[1]) + " column " + std::to_string(x));
        }
    }
}

// The saturation mode rises from black, the value mode from the gray of
// the hue's value: each column runs straight from that color at the bottom
// towards the spectrum's color of its hue, which the top row nearly shows.
TEST(HueRenderers, TheFieldRisesFromItsBottomColorToTheSpectrum)
{
    for (const auto& [bottom, sv] : {std::pair{CRGBA(0), CHSV::FromParts(0, 100, 100)},
                                     std::pair{HsvToRgb(CHSV::FromParts(40, 0, 63)), CHSV::FromParts(0, 100, 63)}}) {
        for (const auto& size : kSizes) {
            const std::string where = std::to_string(size[0]) + " x " + std::to_string(size[1]);
            Picture picture(size[0], size[1]);
            RenderHueAcrossField(picture.View(), bottom, sv);
            Picture spectrum(size[0], 1);
            RenderHueSlider(spectrum.View(), sv);
            const int h = picture.height;
            for (int x = 0; x < picture.width; ++x) {
                const CRGBA top = spectrum.At(x, 0);
                ASSERT_EQ(picture.At(x, h - 1), bottom) << where << ", column " << x;
                for (int y = 0; y < h; ++y) {
                    // Row m from the bottom holds m / height of the way.
                    const float share = static_cast<float>(h - 1 - y) / static_cast<float>(h);
                    const CRGBA c = picture.At(x, y);
                    for (int i = 0; i < 3; ++i)
                        ASSERT_NEAR(c.Byte(i), bottom.Byte(i) + (top.Byte(i) - bottom.Byte(i)) * share, 1.5f)
                            << where << ", column " << x << ", row " << y << ", channel " << i;
                }
            }
        }
    }
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

TEST(ReferenceRenderers, RgbField)
{
    const CRGBA c0(0), c1(0x00FF0000), c2(0x0000FF00), fixed(0x0000007B);
    ExpectSame([&](const PixelView& v) { RenderRgbField(v, c0, c1, c2, fixed); },
               [&](Picture& p) { PlainRgbField(p, c0, c1, c2, fixed); });
}

TEST(ReferenceRenderers, SaturationValueField)
{
    // Hues with two channels changing along the rows and with one.
    for (const int hue : {0, 60, 211, 359}) {
        const CRGBA pureHue = HsvToRgb(CHSV::FromParts(hue, 100, 100));
        ExpectSame([&](const PixelView& v) { RenderSaturationValueField(v, pureHue); },
                   [&](Picture& p) { PlainSaturationValueField(p, pureHue); });
    }
}

TEST(ReferenceRenderers, AlphaSwatch)
{
    for (const bool lower : {false, true})
        ExpectSame([&](const PixelView& v) { RenderAlphaSwatch(v, CRGBA(0x7F3060C0), lower, kSwatchBoard); },
                   [&](Picture& p) { PlainAlphaSwatch(p, CRGBA(0x7F3060C0), lower, kSwatchBoard); });
}
