#include "color/SwatchColorSpaces.h"

#include <algorithm>
#include <cmath>

#include "color/ByteConversion.h"

POINT3D CmykToRgb(float c, float m, float y, float k)
{
    POINT3D rgb{c + k, m + k, y + k};
    rgb.Limit(0.0f, 1.0f);
    return {1.0f - rgb.x, 1.0f - rgb.y, 1.0f - rgb.z};
}

CRGBA FloatHsvToRgb(float h, float s, float v)
{
    const float f0 = h - std::floor(h);
    const float x = f0 * 6.0f;
    // A turn a hair below 1 can round up to x = 6: that is sector 0 again,
    // at its start (f = 0), where both sectors meet. A hue that is not a
    // number (infinite in the file) is taken as that same start.
    const float whole = std::floor(x);
    const bool inRange = whole >= 0.0f && whole < 6.0f;
    const int sector = inRange ? static_cast<int>(whole) : 0;
    const float f = inRange ? x - static_cast<float>(sector) : 0.0f;
    const float v255 = v * 255.0f;
    const std::uint8_t p = TruncToWrappedByte((1.0 - s) * v255);
    const std::uint8_t q = TruncToWrappedByte((1.0 - static_cast<double>(s) * f) * v255);
    const std::uint8_t t = TruncToWrappedByte((1.0 - static_cast<double>(s) * (1.0 - f)) * v255);
    const std::uint8_t V = TruncToWrappedByte(v255);
    switch (sector) {
    case 0:
        return CRGBA::FromBytes(V, t, p);
    case 1:
        return CRGBA::FromBytes(q, V, p);
    case 2:
        return CRGBA::FromBytes(p, V, t);
    case 3:
        return CRGBA::FromBytes(p, q, V);
    case 4:
        return CRGBA::FromBytes(t, p, V);
    default:
        return CRGBA::FromBytes(V, p, q);
    }
}

namespace {

constexpr double kSixteenOver116 = 16.0 / 116.0;

// The inverse of the L*a*b* companding function for X and Z.
double InverseCompand(double f) { return f > 0.206893 ? f * f * f : (f - kSixteenOver116) / 7.787; }

std::uint8_t ClampedChannel(double x)
{
    // Truncate first, then clamp: -43.2 becomes -43, then 0.
    const double truncated = std::trunc(x);
    return static_cast<std::uint8_t>(std::clamp(truncated, 0.0, 255.0));
}

} // namespace

CRGBA LabToRgb(std::int32_t L, std::int32_t a, std::int32_t b)
{
    const double l = (static_cast<double>(L) + 16) / 116.0;
    double y = l * l * l;
    if (y < 0.008856)
        y = L / 903.3;
    const double fy = y <= 0.008856 ? 7.787 * y + kSixteenOver116 : std::cbrt(y);
    const double X = InverseCompand(a / 500.0 + fy);
    const double Z = InverseCompand(fy - b / 200.0);
    // The D65 white point (0.950456, 1.0, 1.088754), times 255.
    const double x255 = 242.36628 * X;
    const double y255 = 255 * y;
    const double z255 = 277.63227 * Z;
    return CRGBA::FromBytes(ClampedChannel(3.240479 * x255 - 1.53715 * y255 - 0.498535 * z255 + 0.5),
                            ClampedChannel(-0.969256 * x255 + 1.875992 * y255 + 0.041556 * z255 + 0.5),
                            ClampedChannel(0.055648 * x255 - 0.204043 * y255 + 1.057311 * z255 + 0.5));
}

namespace {

constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

double CubeOrLinear(double f) { return f * f * f > kEpsilon ? f * f * f : (116.0 * f - 16.0) / kKappa; }

std::uint8_t EncodedChannel(double linear)
{
    const double encoded = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(std::clamp(encoded, 0.0, 1.0) * 255.0));
}

} // namespace

CRGBA CieLabD50ToRgb(double L, double a, double b)
{
    const double fy = (L + 16.0) / 116.0;
    const double x = 0.96422 * CubeOrLinear(fy + a / 500.0);
    const double y = L > kKappa * kEpsilon ? fy * fy * fy : L / kKappa;
    const double z = 0.82521 * CubeOrLinear(fy - b / 200.0);
    // Bradford, D50 to D65.
    const double x65 = 0.9555766 * x - 0.0230393 * y + 0.0631636 * z;
    const double y65 = -0.0282895 * x + 1.0099416 * y + 0.0210077 * z;
    const double z65 = 0.0122982 * x - 0.0204830 * y + 1.3299098 * z;
    return CRGBA::FromBytes(EncodedChannel(3.2404542 * x65 - 1.5371385 * y65 - 0.4985314 * z65),
                            EncodedChannel(-0.9692660 * x65 + 1.8760108 * y65 + 0.0415560 * z65),
                            EncodedChannel(0.0556434 * x65 - 0.2040259 * y65 + 1.0572252 * z65));
}
