// What the viewer remembers between runs, kept where the host keeps every
// setting (its own section of the host's settings store): the sphere's
// color, whether the picker edits alpha, and the window's place and size.
#pragma once

#include <windows.h>

#include <cstdint>

class jx_CORE;

struct ViewerSettings {
    std::uint32_t color = 0x0040A0E0;
    bool showAlpha = false;
    // CW_USEDEFAULT until a run has stored a place.
    RECT window{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 640, CW_USEDEFAULT + 480};
};

// The stored settings, or the defaults for what was never stored (all of
// it without a core).
ViewerSettings LoadViewerSettings(jx_CORE* core);
void SaveViewerSettings(jx_CORE* core, const ViewerSettings& settings);
