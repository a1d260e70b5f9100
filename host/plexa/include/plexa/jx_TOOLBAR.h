// The host's toolbar, lent to module dialogs as the window class
// "JX_Toolbar": the toolbar object sits at window long 0 of the window.
// Buttons show images of an image set named by GUID, carry a command and a
// tooltip, and may drop down a menu that the module fills.
#pragma once

#include <cstdint>

#include "plexa/PlexaApi.h"

struct jx_GUID;
class jx_MENU;

// Item flags and states.
constexpr int kMenuItemCommand = 8;
constexpr int kMenuItemSubmenu = 4;
constexpr int kMenuItemUnavailable = 0x20;

// Button styles: a button whose drop-down arrow opens its menu, and a
// button drawn without its own frame.
constexpr int kToolButtonDropDown = 0x4004;
constexpr int kToolButtonFlat = 0x20;

class jx_MENUITEM {
public:
    virtual void SetText(const char16_t* text) = 0;
    // The items of a submenu item (flags kMenuItemSubmenu).
    virtual jx_MENU* Submenu() = 0;
    // The text set last; empty when none was.
    virtual const char16_t* Text() const = 0;

    int flags = 0;
    int state = 0;
    std::uint16_t command = 0;

protected:
    ~jx_MENUITEM() = default;
};

class jx_MENU {
public:
    // A new last item, owned by the menu.
    virtual jx_MENUITEM* AddItem(int reserved) = 0;
    virtual int ItemCount() const = 0;
    virtual jx_MENUITEM* Item(int index) = 0;

protected:
    ~jx_MENU() = default;
};

class jx_TOOLBUTTON {
public:
    virtual void Enable(bool enable) = 0;
    virtual bool IsEnabled() const = 0;
    virtual int Command() const = 0;

protected:
    ~jx_TOOLBUTTON() = default;
};

class jx_TOOLBAR {
public:
    // Display properties of the host's toolbars; unknown ones are ignored.
    virtual void SetProperty(int property, int value, int reserved) = 0;
    // Shows the buttons' present states.
    virtual void Refresh() = 0;
    // The images of the buttons: the host's own set or one a module
    // declared in its command resource. False for an unknown GUID.
    virtual bool SetImageList(const jx_GUID& images) = 0;
    // A new last button (owned by the toolbar); tooltip may be null.
    virtual jx_TOOLBUTTON* AddButton(int image, int command, int style, int reserved, const char16_t* tooltip) = 0;
    virtual void AddSeparator() = 0;
    // Creates the buttons added so far.
    virtual void Realize() = 0;
    // The first button with that command, or null.
    virtual jx_TOOLBUTTON* FindButton(int command, int reserved) = 0;
    // The drop-down menu of a button, made on first request.
    virtual jx_MENU* GetButtonMenu(jx_TOOLBUTTON* button) = 0;

protected:
    ~jx_TOOLBAR() = default;
};

// The message a "JX_UPDOWN" spin control takes its range with: lParam points
// at two doubles, the minimum and the maximum; wParam is 0.
constexpr unsigned kJxUpDownSetRange = 0x479;
