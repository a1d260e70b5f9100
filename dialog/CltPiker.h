// The controller of one picker dialog run: constructed by PickColor on its
// stack, handed to the dialog as its creation parameter, destroyed after the
// dialog has ended.
#pragma once

#include <cstdint>

#include <windows.h>

// Words of the picker request the module reads.
constexpr int kRequestRequester = 1;
constexpr int kRequestColor = 3;
constexpr int kRequestOptions = 5;

class CCltPiker {
public:
    CCltPiker() = default;
    CCltPiker(const CCltPiker&) = delete;
    CCltPiker& operator=(const CCltPiker&) = delete;
    virtual ~CCltPiker() = default;

    HWND hDlg = nullptr;
    // The caller's request, copied before the dialog starts.
    std::uint32_t request[9] = {};
    // The color being edited. All ones until the dialog installs the
    // request's color, so a dialog that never started reports 0xFFFFFFFF.
    std::uint32_t currentColor = 0xFFFFFFFF;
};
