#include "host/viewer/ShadedSphere.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kBackground = 0x303030;

// Light direction (normalized) from the upper left, toward the viewer.
constexpr float kLightX = -0.45f;
constexpr float kLightY = -0.55f;
constexpr float kLightZ = 0.70f;

std::uint32_t Pack(float red, float green, float blue)
{
    const auto channel = [](float v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f)); };
    return channel(red) << 16 | channel(green) << 8 | channel(blue);
}

} // namespace

void RenderShadedSphere(std::uint32_t* pixels, int width, int height, std::uint32_t color, bool useAlpha)
{
    if (!pixels || width <= 0 || height <= 0)
        return;
    const float red = static_cast<float>(color & 0xFF);
    const float green = static_cast<float>(color >> 8 & 0xFF);
    const float blue = static_cast<float>(color >> 16 & 0xFF);
    const float opacity = useAlpha ? static_cast<float>(color >> 24) / 255.0f : 1.0f;
    const float backgroundLevel = static_cast<float>(kBackground & 0xFF);
    const float radius = 0.4f * static_cast<float>(std::min(width, height));
    const float centerX = 0.5f * static_cast<float>(width);
    const float centerY = 0.5f * static_cast<float>(height);

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float nx = (static_cast<float>(x) + 0.5f - centerX) / radius;
            const float ny = (static_cast<float>(y) + 0.5f - centerY) / radius;
            const float rr = nx * nx + ny * ny;
            std::uint32_t& pixel = pixels[static_cast<std::size_t>(y) * width + x];
            if (rr > 1.0f) {
                pixel = kBackground;
                continue;
            }
            const float nz = std::sqrt(1.0f - rr);
            const float diffuse = std::max(0.0f, nx * kLightX + ny * kLightY + nz * kLightZ);
            // Specular highlight of a light reflected toward the viewer.
            const float reflected = 2.0f * diffuse * nz - kLightZ;
            const float specular = 200.0f * std::pow(std::max(0.0f, reflected), 24.0f);
            const float shade = 0.18f + 0.82f * diffuse;
            const auto lit = [&](float channel) {
                const float value = channel * shade + specular;
                return value * opacity + backgroundLevel * (1.0f - opacity);
            };
            pixel = Pack(lit(red), lit(green), lit(blue));
        }
    }
}
