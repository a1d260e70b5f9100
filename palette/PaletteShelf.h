// The palette shelf on placeholder 1026 with its scroll bar 1027: the
// palette's cells in rows of twelve, scrolled a row at a time, the cells of
// the current color framed with blinking dots, and the letters shown over
// the cells while a gradient is dragged. The palette and its arithmetic are
// the portable CShelfModel; this class paints it and keeps the scroll bar.
#pragma once

#include "color/Controls.h"
#include "palette/ShelfModel.h"

// What the shelf reads from the dialog controller that owns it.
class CShelfOwner {
public:
    virtual HWND DialogWindow() const = 0;
    virtual CRGBA CurrentColor() const = 0;
    // The module whose bitmap 110 marks empty slots.
    virtual HINSTANCE ResourceModule() const = 0;
    // Told before a slot, or the slots strictly between a and b, change:
    // their values become a step of the undo history.
    virtual void BeforeSlotChange(int index) = 0;
    virtual void BeforeGradient(int a, int b) = 0;

protected:
    ~CShelfOwner() = default;
};

class CPaletteShelf final : public CWBase {
public:
    void Paint(HDC dc) override;
    void Render() override;
    void SetRectFromWindow(HWND placeholder) override;
    // Also stores the slot under the point (HitResult), whatever the answer.
    bool HitTest(int x, int y, int marginX, int marginY) override;

    // Stores a value and has the shelf drawn again; false when nothing changed.
    bool SetSlot(int index, std::uint32_t value);
    void MakeGradient(int a, int b);
    // Letters over the slots between a and b while a gradient is dragged.
    void DrawGradientPreview(HDC dc, int a, int b) const;
    void InvalidateShelf() const;
    void UpdateScrollBar();
    void ScrollTo(int position);
    void OnScroll(int code, int thumb);
    // The palette changed size or content: it is drawn anew at the next paint.
    void PaletteChanged();

    const ShelfHit& HitResult() const { return hit; }
    // Slot `index`'s cell where the shelf shows it now, in the dialog's
    // client coordinates: above or below the view when scrolled out of it.
    CellRect SlotPlace(int index) const;
    // Whether any row of a cell so placed lies in the view.
    bool IsInView(const CellRect& place) const { return place.top + place.height > top && place.top < top + height; }
    const std::vector<int>& Marks() const { return model.Marks(); }

    CShelfModel model;
    CShelfOwner* owner = nullptr;

private:
    void DrawMarkFrame(HDC dc, int index) const;
    PixelView EmptyMark();

    ShelfHit hit;
    // The scroll position the picture was drawn at.
    int renderedScroll = -1;
    // The color of the first dot of the frames; flips at every paint with marks.
    bool antsPhase = false;
    bool markLoaded = false;
    PixelView mark;
};
