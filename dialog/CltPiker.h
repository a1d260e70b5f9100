// The controller of one picker dialog run: constructed by PickColor on its
// stack, handed to the dialog as its creation parameter, destroyed after the
// dialog has ended.
#pragma once

#include <windows.h>

#include "color/ColorModel.h"
#include "plexa/jx_EXTENSION.h"

class CCltPiker {
public:
    CCltPiker() = default;
    CCltPiker(const CCltPiker&) = delete;
    CCltPiker& operator=(const CCltPiker&) = delete;
    virtual ~CCltPiker() = default;

    HWND hDlg = nullptr;
    // The caller's request, copied before the dialog starts.
    PickerRequest request = {};
    // The color being edited (`currentColor`, `currentHsv`, `alphaEnabled`).
    // All ones until the dialog installs the request's color, so a dialog
    // that never started reports 0xFFFFFFFF.
    CColorModel color;
};
