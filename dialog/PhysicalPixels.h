// Screen sampling works in the monitor's own pixels. A process that is not
// aware of a monitor's scale sees its windows, the pointer and the screen
// in scaled coordinates on Windows; the sampling code asks in physical ones.
#pragma once

#include <windows.h>

// While it lives, the calling thread sees physical pixels (it is made aware
// of each monitor's scale, where the system has thread awareness: Windows
// 10 from 1607 on; elsewhere nothing changes). Windows created meanwhile
// keep that awareness, so the system does not stretch them.
class PhysicalPixelScope {
public:
    PhysicalPixelScope();
    PhysicalPixelScope(const PhysicalPixelScope&) = delete;
    PhysicalPixelScope& operator=(const PhysicalPixelScope&) = delete;
    ~PhysicalPixelScope();

private:
    void* previous = nullptr;
};

// The screen pixel, in physical pixels, at a point of a window's client area
// given in the window's own pixels (called outside a PhysicalPixelScope).
// On a scaled monitor such a point stands for more than one pixel; where it
// is the pointer's position, the pointer's exact pixel is answered.
POINT ClientToPhysicalScreen(HWND window, POINT client);
