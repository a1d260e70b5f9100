// How the picker dialog's child windows follow its client area when the
// user resizes it: each control of dialog 101 has a rule that stretches or
// moves it by the growth of the client area since the layout was recorded.
// Positions are always computed from the recorded rectangles, so resizing
// back restores the starting layout exactly.
#pragma once

#include <cstdint>
#include <span>

// Rule flags.
enum LayoutFlag : std::uint32_t {
    kLayoutSizeX = 1,
    kLayoutSizeY = 2,
    kLayoutMoveX = 4,
    kLayoutMoveY = 8,
};

struct LayoutRule {
    int id;
    std::uint32_t flags;
};

// The rules of all 49 controls of dialog 101, in the order they are laid out.
std::span<const LayoutRule> PickerLayoutRules();

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LayoutRect&) const = default;
};

// Where a control goes when the client area is dx, dy larger than when
// `recorded` was taken; `current` supplies the edges its rule leaves alone.
// With a size flag the right (or bottom) edge follows the growth; a move
// flag moves the opposite edge along too, so the extent stays.
LayoutRect PositionControl(const LayoutRect& recorded, const LayoutRect& current, std::uint32_t flags, int dx, int dy);
