// The controller of one picker dialog run: constructed by PickColor on its
// stack, handed to the dialog as its creation parameter, destroyed after the
// dialog has ended. It owns the color controls, the palette shelf, the
// named-color list, the palette catalog and the layout bridge, and holds the
// whole interaction state. Its handlers live in the dialog's handler files
// (start-up, commands, mouse, painting, color setters).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "color/BitmapBuffer.h"
#include "color/ColorModel.h"
#include "color/Controls.h"
#include "color/LayoutBridge.h"
#include "common/GdiOwners.h"
#include "common/OffscreenPainting.h"
#include "dialog/DialogAccessible.h"
#include "dialog/DialogInputFilter.h"
#include "dialog/ScreenLoupe.h"
#include "palette/ColorNameTable.h"
#include "palette/PaletteCatalogEntries.h"
#include "palette/PaletteShelf.h"
#include "plexa/jx_EXTENSION.h"
#include "undo/UndoTarget.h"

class jx_MENU;
class jx_XMLNODE;

// Background modes of the dialog.
enum BackgroundMode : int {
    kBackgroundSystem = 0,
    kBackgroundWhite = 1,
    kBackgroundCurrent = 2,
};

// dragKind values.
enum DragKind : int {
    kNoDrag = 0,
    kSliderDrag = 4,
    kFieldDrag = 8,
};

class CCltPiker final : public CControlOwner, public CShelfOwner, public UndoTarget, public AccessibleSource {
public:
    CCltPiker();
    CCltPiker(const CCltPiker&) = delete;
    CCltPiker& operator=(const CCltPiker&) = delete;
    virtual ~CCltPiker();

    // CControlOwner
    bool IsAlphaEnabled() const override { return color.alphaEnabled; }
    CRGBA CurrentColor() const override { return color.currentColor; }
    Checkerboard BoardFor(CheckerboardUse use) const override;
    HBRUSH BackgroundBrush() const override { return backgroundBrush.get(); }
    bool SetChannelFraction(int channel, float fraction) override;

    // CShelfOwner
    HWND DialogWindow() const override { return hDlg; }
    HINSTANCE ResourceModule() const override;
    void BeforeSlotChange(int index) override;
    void BeforeGradient(int a, int b) override;

    // UndoTarget
    std::uint32_t UndoColor() const override { return color.currentColor.value; }
    void SetUndoColor(std::uint32_t value) override { SetColor(CRGBA(value)); }
    bool IsUpdating() const override { return updating; }
    CPaletteSlots& UndoSlots() override { return shelf.model.slots; }
    void SlotsChanged() override;
    jx_STREAM* SnapshotPalette() override;
    void LoadPaletteSnapshot(jx_STREAM* snapshot) override;

    // AccessibleSource
    HWND AccessibleWindow() const override { return hDlg; }
    ElementSet ListedElements() const override;
    AccessibleElement Element(int element) const override;
    int FocusedElement() const override { return keyFocus; }
    void DoElementAction(int element) override;
    int SlotCount() const override { return shelf.model.slots.Count(); }
    AccessibleElement Slot(int index) const override;
    // A palette loaded since may hold fewer slots: the focus cell is then its last.
    int FocusedSlot() const override
    {
        const int count = shelf.model.slots.Count();
        return keyFocus == kElementShelf && count > 0 ? std::min(shelfFocusCell, count - 1) : -1;
    }
    void DoSlotAction(int index) override;

    // Palettes as a whole. A load reads the stream into the shelf (after
    // its slots, or in their place) and is one undo step; a save writes the
    // format the stream's file name asks for and answers whether the whole
    // file reached its place.
    void LoadPaletteFile(jx_STREAM* stream, bool replace, bool replaceNames);
    bool SavePaletteFile(jx_STREAM* stream);
    void LoadPaletteCommand();
    void SavePaletteCommand();
    void SaveDefaultPalette();
    // The catalog's menu, read from the palette folder's catalog file.
    void LoadCatalog(jx_MENU* menu);
    // Entry `index` of the catalog, or the default palette for any index
    // that is none.
    void SelectPalette(int index);

    // Color setters: each keeps both halves of the color consistent and, when
    // the color changed, refreshes every control and tells the requester.
    bool SetChannel(int channel, int value);
    bool SetColor(CRGBA newColor);
    bool SetHsv(CHSV hsv);
    // The refresh steps, also run at start-up and when the field mode changes.
    void UpdateMarkers();
    void UpdateSliderParams();
    void UpdateFieldParams();
    // 0 the system's button face, 1 white (any other mode too), 2 the color
    // of this moment.
    void SetBackgroundMode(int mode);
    void FillTextFields();
    // The color fields, the swatch tips and the undo buttons show the
    // current color and history.
    void RefreshColorTexts();
    // Refreshes them when a drag or a pick has left them behind.
    void CatchUpColorTexts();
    // One tooltip window for the dialog, with every tool at its control's
    // present place; made again when the tools change.
    void CreateTooltips();
    // After a layout: the tools that are areas of the dialog move with
    // their controls (the window is made the first time).
    void PlaceTooltips();
    struct AreaTool {
        int id;
        const char16_t* text;
        UINT flags;
    };
    // The tools that stand for areas of the dialog rather than windows.
    std::vector<AreaTool> AreaTools() const;
    // The tip of the Original (IDC_ORIGINAL_SWATCH) or Current swatch.
    void UpdateSwatchTip(int swatch);
    // The contrast line of two colors, in the module's words, while the
    // tips show contrast; empty otherwise.
    std::u16string ContrastText(CRGBA a, CRGBA b) const;
    // Puts the current color on the clipboard as text (format: a CopyFormat).
    void CopyColor(int format);
    // A key message to the dialog before its controls see it; true when it
    // was taken.
    bool OnFilteredKey(const MSG& message);
    // While picking: the arrows move the pointer a pixel (Shift: ten), Enter
    // takes the color as a release would, Ctrl and Shift resample.
    bool OnPickingKey(const MSG& message);
    // The pointer's moves and clicks over the dialog and its controls, for
    // the tooltip to show and hide its tips by.
    void RelayToTooltip(const MSG& message) const;
    void SetToolText(int id, const char16_t* text);
    // Shows or hides the shelf's tooltip that follows the pointer.
    void TrackShelfTip(bool on);
    void UpdateUndoButtons();

    // The keyboard on the windowless controls. Tab and Shift+Tab visit
    // them where the field's placeholder stands in the window order; while
    // one has the focus, the dialog window itself holds the keyboard focus.
    bool OnNavigationKey(const MSG& message);
    bool OnTab(bool forward);
    bool OnShelfKey(WPARAM key, bool shift, std::optional<StepKey> step);
    // Moves the shelf's focus cell, scrolling it into view.
    void MoveShelfFocus(int cell);
    // The dialog window lost the focus to `next` (null: to another thread).
    void OnDialogFocusLost(HWND next);
    // True when a windowless control had the focus as the dialog was left
    // and has it again now.
    bool RestoreElementFocus();
    void InvalidateFocusRect() const;
    // Moves the focus to a windowless control (kNoElement: to none).
    void FocusElement(int element);
    // The controls the keyboard visits: those listed that are not cut off.
    ElementSet FocusableElements() const;
    // Whether compact mode cuts the control off.
    bool IsCutOff(int element) const;
    // Where the control is painted, in client coordinates.
    RECT ElementRect(int element) const;
    // The number or text a screen reader reads as the control's value.
    std::u16string ElementValue(int element) const;
    // Raises a value change event for each control whose value changed.
    void AnnounceValues();
    // Draws the focus rectangle of the focused windowless control, within
    // `dirty` when given.
    void DrawElementFocus(HDC dc, const RECT* dirty) const;
    RECT FocusRect() const;
    // A click on the Original swatch: the starting color comes back.
    bool TakeOriginalColor();
    // A left click on a slot (with Ctrl: emptying it); true when something
    // changed.
    bool ClickSlot(int slot, bool control);
    // Scrolls the shelf so the slot's row is in view.
    void ScrollSlotIntoView(int slot);
    // The eyedropper from the keyboard: a pick that the arrows steer and
    // Enter ends, without a button held.
    void StartKeyboardPick();

    // Dialog message handlers.
    INT_PTR OnInitDialog(HWND dialog);
    void OnDestroy();
    void OnSize(WPARAM type, int width, int height);
    void OnPaint();
    // Draws the background and every control shown into dc, the client
    // area's size, or only those in `dirty` when given; controls render
    // first where their parameters changed.
    void Compose(HDC dc, int width, int height, const RECT* dirty = nullptr);
    void OnCommand(int id, int notification);
    void OnSysCommand(int id);
    void OnInitMenu(HMENU menu);
    void OnTimer(UINT_PTR id);
    void OnActivateApp(bool active);
    void ShowHelp();
    void OnLeftButtonDown(int keys, int x, int y);
    void OnMouseMove(int keys, int x, int y);
    void OnLeftButtonUp(int keys, int x, int y);
    void OnLeftButtonDoubleClick(int keys, int x, int y);
    void OnRightButtonDown(int keys, int x, int y);
    void OnMiddleButtonDown(int keys, int x, int y);
    void OnShelfButtonUp(int keys, int x, int y);
    void OnMouseWheel(int keys, int x, int y, int delta);
    void OnVScroll(int code, int thumb);
    // Another window took the mouse (a window popped up, the user switched
    // applications): every gesture that needed it ends.
    void OnCaptureChanged(HWND newOwner);
    // Screen sampling: the eyedropper lifted out (on) or put back (off).
    void SetPickMode(bool on);
    void LoadEyedropperPictures();
    // The screen's pixel at a point (physical pixels); white when there is
    // no screen there.
    CRGBA SampleScreen(POINT hotSpot) const;
    // Takes the color at the hot spot as the keys held say (the pixel, or
    // the mean of the 3 x 3 or 5 x 5 around it), shows the loupe there and
    // answers the color.
    CRGBA ShowPick(POINT hotSpot);
    // A pick's move to a point of the dialog: the color follows it.
    void TrackPick(int x, int y);
    // The slot toolbar's commands.
    void ScrollToEmptySlot();
    void StoreInFirstEmptySlot();
    // True when a drag, a shelf operation or sampling was ended instead.
    bool CancelGesture();

    // The layout bridge.
    std::unique_ptr<CCBridg_base> bridge;
    HWND hDlg = nullptr;
    // The caller's request, copied before the dialog starts.
    PickerRequest request = {};
    CStatic originalSwatch;
    CStatic currentSwatch;
    int backgroundMode = kBackgroundWhite;
    GdiObject<HBRUSH> backgroundBrush;
    COLORREF backgroundColor = 0x00FFFFFF;
    // The color being edited (`currentColor`, `currentHsv`, `alphaEnabled`).
    // All ones until the dialog installs the request's color, so a dialog
    // that never started reports 0xFFFFFFFF.
    CColorModel color;
    CGr colorField;
    // The channel shown along the strip: 0..5; -1 and 6 select none.
    int fieldMode = kChannelHue;
    // Red, green, blue, hue, saturation, value, the strip, alpha.
    CGr sliders[kSliderCount];
    CPaletteShelf shelf;
    // Set while the controller writes into the fields itself: their change
    // notifications are ignored and the requester is not told.
    bool updating = false;
    // The color's texts wait for their timer (a drag or a pick is on).
    bool textsBehind = false;
    static constexpr UINT kTextsMilliseconds = 40;
    CGr* dragControl = nullptr;
    int dragKind = kNoDrag;
    UINT_PTR timerId = 0;
    int shelfOp = 0;
    int shelfOpColumn = 0;
    int shelfOpRow = 0;
    int shelfOpFrom = 0;
    int shelfOpTo = 0;
    CAColorName colorNames;
    HWND tooltip = nullptr;
    bool tipTracking = false;
    int tipSlot = -1;
    // The slot the last left button press stored the current color into,
    // or -1: the double click that press began does not choose it.
    int slotStoredByClick = -1;
    bool picking = false;
    CRGBA colorBeforePick;
    GdiObject<HBITMAP> eyedropperAtRest;
    GdiObject<HBITMAP> eyedropperLifted;
    ScreenLoupe loupe;
    // What the dialog paints into before it copies it to the screen.
    CBitmapBuffer offScreenPicture;
    OffscreenPainting shelfScrollBarPainting;
    ScreenLayout pickScreens;
    bool helpToolTip = true;
    // The swatch and shelf tips show the contrast of two colors.
    bool showContrast = false;
    DialogInputFilter inputFilter;
    // The windowless control with the keyboard focus, or kNoElement.
    int keyFocus = kNoElement;
    // The shelf's focus cell.
    int shelfFocusCell = 0;
    // The windowless control that had the focus when the dialog was left
    // for another window, or kNoElement.
    int keyFocusAway = kNoElement;
    // The pick was started from the keyboard: pointer moves without a
    // button follow it.
    bool keyboardPick = false;
    // The values last announced to screen readers, per control.
    std::u16string announcedValues[kLastElement + 1];
    std::unique_ptr<DialogAccessibility> accessibility;
    COLORREF gridColor1 = 0x00FFFFFF;
    COLORREF gridColor2 = 0x00F8E0CC;
    int gridMode = 1;
    CDefaultPaletteContainer catalog;
    bool compact = true;
    SIZE minTrackSize{};
    int compactCut = 0;

private:
    // Applies an accepted change: the refresh sequence, after the undo step.
    bool Changed(const ColorChange& change);
    CWBase* Placeholder(int id);
    void LayoutControls();
    void LoadSettings();
    struct CatalogMenuBudget;
    // The items of a catalog element at a depth of submenus, as far as the
    // budget of the menu goes; counts the palettes left out.
    void AddCatalogItems(jx_XMLNODE* element, jx_MENU* menu, int depth, CatalogMenuBudget& budget);
    void OnUndoCommand(int id);
    void SaveSettings();
    void FillToolbars();
    void ShowAlphaRow();
    void SetSpinRanges();
    void AddSystemMenuItems();
    void PlaceWindow();
    // The bridge's minimum tracking size for the present size mode.
    void ApplyMinTrackSize();
    void ToggleSizeMode();
    void ShowSizeModeCaption();
    void ApplyTextFields();
    void OnChannelFieldChanged(int id);
    void OnFieldModeClicked();
    void ReleaseCaptureUnlessNeeded();
    // Puts the picture into the eyedropper's static; answers the one it held.
    HBITMAP ShowEyedropperPicture(HBITMAP picture);
    CGr* SliderAt(int x, int y, int marginX, int marginY);
    // True over an existing slot of the shelf (never in compact mode, where
    // the shelf is cut off); the slot is the shelf's HitResult.
    bool OverSlot(int x, int y);
    void StepThroughMarks();
    void UpdateShelfTip(bool overSlot, int hovered, int x, int y);
    void SendToRequester() const;
};
