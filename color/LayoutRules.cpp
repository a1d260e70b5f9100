#include "color/LayoutRules.h"

#include "resources/ResourceIds.h"

namespace {

constexpr std::uint32_t kStretch = kLayoutSizeX | kLayoutSizeY;
constexpr std::uint32_t kRightAndTaller = kLayoutSizeY | kLayoutMoveX;
constexpr std::uint32_t kRightStretchedX = kLayoutSizeX | kLayoutMoveX;
constexpr std::uint32_t kBoth = kLayoutMoveX | kLayoutMoveY;
constexpr std::uint32_t kRight = kLayoutMoveX;
constexpr std::uint32_t kDown = kLayoutMoveY;

constexpr LayoutRule kRules[] = {
    {IDC_FIELD, kStretch},
    {IDC_STRIP, kRightAndTaller},
    {IDC_SIZE_MODE, kBoth},
    {IDC_RED_SLIDER, kRightStretchedX},
    {IDC_MODE_RED, kRight},
    {IDC_RED_FIELD, kRight},
    {IDC_RED_SPIN, kRight},
    {IDC_GREEN_SLIDER, kRightStretchedX},
    {IDC_MODE_GREEN, kRight},
    {IDC_GREEN_FIELD, kRight},
    {IDC_GREEN_SPIN, kRight},
    {IDC_BLUE_SLIDER, kRightStretchedX},
    {IDC_MODE_BLUE, kRight},
    {IDC_BLUE_FIELD, kRight},
    {IDC_BLUE_SPIN, kRight},
    {IDC_ALPHA_SLIDER, kRightStretchedX},
    {IDC_ALPHA_LABEL, kRight},
    {IDC_ALPHA_FIELD, kRight},
    {IDC_ALPHA_SPIN, kRight},
    {IDC_HUE_SLIDER, kRightStretchedX},
    {IDC_MODE_HUE, kRight},
    {IDC_HUE_FIELD, kRight},
    {IDC_HUE_SPIN, kRight},
    {IDC_SATURATION_SLIDER, kRightStretchedX},
    {IDC_MODE_SATURATION, kRight},
    {IDC_SATURATION_FIELD, kRight},
    {IDC_SATURATION_SPIN, kRight},
    {IDC_VALUE_SLIDER, kRightStretchedX},
    {IDC_MODE_VALUE, kRight},
    {IDC_VALUE_FIELD, kRight},
    {IDC_VALUE_SPIN, kRight},
    {IDC_SHELF_SCROLLBAR, kRightAndTaller},
    {IDC_SHELF, kRightAndTaller | kLayoutSizeX},
    {IDC_PALETTE_TOOLBAR, kRight},
    {IDC_SLOT_TOOLBAR, kRight},
    {IDC_UNDO_TOOLBAR, kRight},
    {IDC_HEX_FIELD, kDown},
    {IDC_HEX_LABEL, kDown},
    {IDC_DECIMAL_FIELD, kDown},
    {IDC_RGB_LABEL, kDown},
    {IDC_CURRENT_SWATCH, kDown},
    {IDC_ORIGINAL_SWATCH, kDown},
    {IDC_CURRENT_LABEL, kDown},
    {IDC_ORIGINAL_LABEL, kDown},
    {IDC_OK_BUTTON, kDown},
    {IDC_CANCEL_BUTTON, kDown},
    {IDC_HELP_BUTTON, kDown},
    {IDC_PALETTE_LABEL, kRight},
    {IDC_EYEDROPPER, kRight},
};

static_assert(std::size(kRules) == 49, "every control of the dialog has its rule");

} // namespace

std::span<const LayoutRule> PickerLayoutRules() { return kRules; }

LayoutRect PositionControl(const LayoutRect& recorded, const LayoutRect& current, std::uint32_t flags, int dx, int dy)
{
    LayoutRect placed = current;
    if (flags & (kLayoutSizeX | kLayoutMoveX)) {
        placed.right = recorded.right + dx;
        if (flags & kLayoutMoveX)
            placed.left = recorded.left + dx;
    }
    if (flags & (kLayoutSizeY | kLayoutMoveY)) {
        placed.bottom = recorded.bottom + dy;
        if (flags & kLayoutMoveY)
            placed.top = recorded.top + dy;
    }
    return placed;
}
