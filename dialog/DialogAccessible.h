// What screen readers see of the picker dialog: the dialog answers
// WM_GETOBJECT with an IAccessible whose children are its windowless
// controls (in their keyboard order) and then its visible child windows.
// The shelf is an object of its own, a list of its slots. The objects ask
// the dialog about everything at the moment they are asked; after the
// dialog has gone they answer that they are disconnected.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

#include "dialog/WindowlessElements.h"

// One element as a screen reader reads it.
struct AccessibleElement {
    LONG role = 0;
    std::u16string name;
    std::u16string value;
    LONG state = 0;
    // Where it is painted, in screen coordinates.
    RECT screen{};
    // What accDoDefaultAction does, or null for nothing.
    const char16_t* defaultAction = nullptr;
};

// The dialog as its accessible objects see it.
class AccessibleSource {
public:
    virtual HWND AccessibleWindow() const = 0;
    // The windowless controls the tree lists now.
    virtual ElementSet ListedElements() const = 0;
    virtual AccessibleElement Element(int element) const = 0;
    // The windowless control with the keyboard focus, or kNoElement.
    virtual int FocusedElement() const = 0;
    virtual void DoElementAction(int element) = 0;
    virtual int SlotCount() const = 0;
    virtual AccessibleElement Slot(int index) const = 0;
    // The shelf's focus cell while the shelf has the focus, or -1.
    virtual int FocusedSlot() const = 0;
    virtual void DoSlotAction(int index) = 0;

protected:
    ~AccessibleSource() = default;
};

// The object id of the shelf's own object: events about its slots name it,
// with the slot's index + 1 as the child.
constexpr LONG kShelfObjectId = 1;

class ClientAccessible;
class ShelfAccessible;

// The dialog's accessible objects, made at the first question and
// disconnected when the dialog goes.
class DialogAccessibility {
public:
    explicit DialogAccessibility(AccessibleSource& source) : source(source) {}
    DialogAccessibility(const DialogAccessibility&) = delete;
    DialogAccessibility& operator=(const DialogAccessibility&) = delete;
    ~DialogAccessibility();

    // The answer to WM_GETOBJECT: the client object for OBJID_CLIENT, the
    // shelf's for kShelfObjectId, 0 (the system's answer) otherwise.
    LRESULT Answer(WPARAM flags, LPARAM objectId);

private:
    void Make();

    AccessibleSource& source;
    ClientAccessible* client = nullptr;
    ShelfAccessible* shelf = nullptr;
};
