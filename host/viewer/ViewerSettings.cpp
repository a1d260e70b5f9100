#include "host/viewer/ViewerSettings.h"

#include <algorithm>

#include "plexa/jx_CORE.h"
#include "plexa/jx_GUID.h"

namespace {

// {6B2F7C31-4D0E-4A8B-9C55-2E7D91A4F0C3}
constexpr jx_GUID kViewerSection = {0x6B2F7C31, 0x4D0E, 0x4A8B, {0x9C, 0x55, 0x2E, 0x7D, 0x91, 0xA4, 0xF0, 0xC3}};
constexpr int kSmallestSide = 160;

} // namespace

ViewerSettings LoadViewerSettings(jx_CORE* core)
{
    ViewerSettings settings;
    if (!core)
        return settings;
    const auto read = [core](const char* key, int defaultValue) {
        return core->ReadSettingInt(&kViewerSection, key, defaultValue);
    };
    settings.color = static_cast<std::uint32_t>(read("color", static_cast<int>(settings.color)));
    settings.showAlpha = read("showAlpha", 0) != 0;
    const int width = read("width", 0);
    const int height = read("height", 0);
    // A size that no window could have was not stored by the viewer.
    if (width >= kSmallestSide && height >= kSmallestSide && width <= 0x7FFF && height <= 0x7FFF) {
        const int left = read("left", 0);
        const int top = read("top", 0);
        settings.window = {left, top, left + width, top + height};
    }
    return settings;
}

void SaveViewerSettings(jx_CORE* core, const ViewerSettings& settings)
{
    if (!core)
        return;
    const auto write = [core](const char* key, int value) { core->WriteSettingInt(&kViewerSection, key, value); };
    write("color", static_cast<int>(settings.color));
    write("showAlpha", settings.showAlpha ? 1 : 0);
    write("left", settings.window.left);
    write("top", settings.window.top);
    write("width", settings.window.right - settings.window.left);
    write("height", settings.window.bottom - settings.window.top);
}
