// WM_PAINT of the picker dialog: everything is composed in one off-screen
// picture of the client area and copied to the window once, so dragging a
// marker never flickers.
#include "dialog/CltPiker.h"

namespace {

// The off-screen picture of the client area, selected into a memory DC.
// The picture is kept from paint to paint and made anew only when the size
// changes: a new one costs a first touch of every page it has.
class OffScreen {
public:
    OffScreen(HDC target, CBitmapBuffer& picture, int width, int height) : memory(target)
    {
        const PixelView view = picture.View();
        if (view.width != width || view.height != height)
            picture.Create(width, height);
        if (memory.get() && picture.Bitmap())
            previous = SelectObject(memory.get(), picture.Bitmap());
    }
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;
    ~OffScreen()
    {
        if (previous)
            SelectObject(memory.get(), previous);
    }
    // Null when the picture could not be made: then paint straight on screen.
    HDC Dc() const { return previous ? memory.get() : nullptr; }

private:
    MemoryDc memory;
    HGDIOBJ previous = nullptr;
};

} // namespace

void CCltPiker::OnPaint()
{
    const PaintDc paint(hDlg);
    RECT client{};
    GetClientRect(hDlg, &client);
    const OffScreen offScreen(paint.get(), offScreenPicture, client.right, client.bottom);
    HDC dc = offScreen.Dc() ? offScreen.Dc() : paint.get();
    const RECT& dirty = paint.Dirty();
    Compose(dc, client.right, client.bottom, &dirty);
    if (offScreen.Dc())
        BitBlt(paint.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc, dirty.left,
               dirty.top, SRCCOPY);
}

void CCltPiker::Compose(HDC dc, int width, int height, const RECT* dirty)
{
    // Only what lies in the dirty part is drawn: a blink of the shelf's
    // marks draws the shelf alone.
    const auto needed = [dirty](const CWBase& control) {
        RECT area = control.Area();
        InflateRect(&area, 5, 5);
        RECT common{};
        return !dirty || IntersectRect(&common, &area, dirty);
    };
    const auto paint = [&](CWBase& control) {
        if (needed(control))
            control.Paint(dc);
    };
    {
        const SelectedObject background(dc, backgroundBrush.get());
        const RECT all{0, 0, width, height};
        const RECT& area = dirty ? *dirty : all;
        PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
    }
    paint(originalSwatch);
    paint(currentSwatch);
    paint(colorField);
    paint(sliders[kStripSlider]);
    if (!compact) {
        paint(shelf);
        if (shelfOp != 0)
            shelf.DrawGradientPreview(dc, shelfOpFrom, shelfOpTo);
        for (int i = kRedSlider; i <= kValueSlider; ++i)
            paint(sliders[i]);
        if (color.alphaEnabled)
            paint(sliders[kAlphaSlider]);
    }
    DrawElementFocus(dc, dirty);
}
