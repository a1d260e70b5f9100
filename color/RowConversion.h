// Turns rows of float color components into pixels in bulk. Each component
// is first taken as offset + component x scale (two single-precision
// steps), then its byte is trunc(value x 255) with the product exact in
// double, keeping the low eight bits, exactly as FloatRgbToColor does one
// pixel at a time. Components kept in separate arrays let several be
// converted at once.
#pragma once

#include <cstdint>

#include "color/ColorTypes.h"
#include "plexa/POINT3D.h"

// Columns the renderers prepare per band; wider views are drawn in bands.
constexpr int kBandColumns = 512;

// One band of one row, as three arrays of kBandColumns components.
struct FloatRow {
    alignas(16) float red[kBandColumns];
    alignas(16) float green[kBandColumns];
    alignas(16) float blue[kBandColumns];

    void Set(int i, const POINT3D& color)
    {
        red[i] = color.x;
        green[i] = color.y;
        blue[i] = color.z;
    }
};

// How a row's components become the values converted: offset + c x scale.
// The identity (offset 0, scale 1) leaves every value as it is.
struct RowTransform {
    POINT3D offset{0.0f, 0.0f, 0.0f};
    float scale = 1.0f;
};

// A stretch of columns and which of its channels vary: 0 red, 1 green,
// 2 blue, kNoChannelVaries or kChannelsVary.
struct ColumnRun {
    int first;
    int count;
    int varying;
};

constexpr int kNoChannelVaries = -1;
constexpr int kChannelsVary = 3;

// Where two channels or all three keep one value for a while (the channel a
// field holds per row, the two extremes of a hue sector), their bytes are
// the same for every pixel there: converted once per row, not per pixel.
// Stretches shorter than this are not worth the setup.
constexpr int kShortestHeldRun = 16;

// A band's columns cut into runs, left to right, found once per band and
// used for each of its rows.
struct BandRuns {
    int columns = 0;
    int count = 0;
    ColumnRun runs[2 * kBandColumns / kShortestHeldRun + 1];
};

// The runs of the first `columns` (at most kBandColumns) of row: held runs
// as long as they go, the columns between them as runs where channels vary.
// Channels compare by their bits, so only components that convert alike are
// held.
BandRuns FindRuns(const FloatRow& row, int columns);

// Writes the runs' pixels to pixels, adding the bytes of `fixed` to each
// (modulo 256). Values are taken as clamped to -8..8, far outside anything
// a renderer computes from byte colors, so that a stray value cannot make
// the conversion undefined.
void StoreRow(const FloatRow& row, const BandRuns& runs, std::uint8_t* pixels, const RowTransform& transform = {},
              CRGBA fixed = CRGBA(0));
