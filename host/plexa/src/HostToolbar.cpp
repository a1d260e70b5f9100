#include "host/plexa/src/HostToolbar.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "common/NoThrowBoundary.h"
#include "common/NonClientArea.h"
#include "common/OffscreenPainting.h"
#include "host/plexa/src/ToolbarImages.h"
#include "plexa/Win32Text.h"
#include "plexa/jx_TOOLBAR.h"

namespace {

constexpr int kToolbarChildId = 1;
constexpr int kSeparatorWidthProperty = 1002;
constexpr int kDefaultSeparatorWidth = 6;

class Menu;

class MenuItem final : public jx_MENUITEM {
public:
    void SetText(const char16_t* newText) override { text = newText ? newText : u""; }
    jx_MENU* Submenu() override;
    const char16_t* Text() const override { return text.c_str(); }

    std::u16string text;
    std::unique_ptr<Menu> submenu;
};

class Menu final : public jx_MENU {
public:
    jx_MENUITEM* AddItem(int) override
    {
        items.push_back(std::make_unique<MenuItem>());
        return items.back().get();
    }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    jx_MENUITEM* Item(int index) override
    {
        return index >= 0 && index < ItemCount() ? items[static_cast<std::size_t>(index)].get() : nullptr;
    }

    // A popup menu of the items (the caller destroys it): commands, submenus,
    // and a separator for an item that is neither, or a command item with
    // neither a command nor a text.
    HMENU Build() const
    {
        HMENU menu = CreatePopupMenu();
        for (const auto& item : items) {
            const UINT grayed = item->state & kMenuItemUnavailable ? MF_GRAYED : 0;
            if (item->flags & kMenuItemSubmenu && item->submenu)
                AppendMenuW(menu, MF_POPUP | grayed, reinterpret_cast<UINT_PTR>(item->submenu->Build()),
                            AsWide(item->text.c_str()));
            else if (item->flags & kMenuItemCommand && (item->command != 0 || !item->text.empty()))
                AppendMenuW(menu, MF_STRING | grayed, item->command, AsWide(item->text.c_str()));
            else
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        }
        return menu;
    }

private:
    std::vector<std::unique_ptr<MenuItem>> items;
};

jx_MENU* MenuItem::Submenu()
{
    if (!submenu)
        submenu = std::make_unique<Menu>();
    return submenu.get();
}

class Toolbar;

class Button final : public jx_TOOLBUTTON {
public:
    Button(Toolbar& owner, int id, int image, int command, int style, const char16_t* tooltip)
        : owner(owner), id(id), image(image), command(command), style(style), tooltip(tooltip ? tooltip : u"")
    {
    }
    void Enable(bool enable) override;
    bool IsEnabled() const override { return enabled; }
    int Command() const override { return command; }

    Toolbar& owner;
    // The id of the common control's button: its place among the buttons.
    const int id;
    const int image;
    const int command;
    const int style;
    const std::u16string tooltip;
    bool enabled = true;
    std::unique_ptr<Menu> menu;
};

class Toolbar final : public jx_TOOLBAR {
public:
    explicit Toolbar(HWND window) : window(window) {}
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;
    ~Toolbar()
    {
        if (images)
            ImageList_Destroy(images);
    }

    void SetProperty(int property, int value, int) override
    {
        if (property == kSeparatorWidthProperty && value >= 0 && value <= 64)
            separatorWidth = value;
    }

    void Refresh() override
    {
        for (const auto& button : buttons)
            SendMessageW(control, TB_ENABLEBUTTON, button->id, MAKELPARAM(button->enabled, 0));
        InvalidateRect(control, nullptr, TRUE);
    }

    bool SetImageList(const jx_GUID& guid) override
    {
        HIMAGELIST list = CreateToolbarImageList(guid);
        if (!list)
            return false;
        if (images)
            ImageList_Destroy(images);
        images = list;
        SendMessageW(control, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        return true;
    }

    jx_TOOLBUTTON* AddButton(int image, int command, int style, int, const char16_t* tooltip) override
    {
        buttons.push_back(
            std::make_unique<Button>(*this, static_cast<int>(layout.size()) + 1, image, command, style, tooltip));
        layout.push_back(buttons.back().get());
        return buttons.back().get();
    }

    void AddSeparator() override { layout.push_back(nullptr); }

    void Realize() override
    {
        SendMessageW(control, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        std::vector<TBBUTTON> added;
        for (std::size_t i = realized; i < layout.size(); ++i) {
            const Button* button = layout[i];
            TBBUTTON entry{};
            if (button) {
                entry.iBitmap = button->image;
                entry.idCommand = button->id;
                entry.fsState = static_cast<BYTE>(button->enabled ? TBSTATE_ENABLED : 0);
                entry.fsStyle =
                    static_cast<BYTE>(button->style == kToolButtonDropDown ? BTNS_WHOLEDROPDOWN : BTNS_BUTTON);
            } else {
                entry.iBitmap = separatorWidth;
                entry.fsStyle = BTNS_SEP;
            }
            added.push_back(entry);
        }
        realized = layout.size();
        if (!added.empty())
            SendMessageW(control, TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    }

    jx_TOOLBUTTON* FindButton(int command, int) override
    {
        for (const auto& button : buttons)
            if (button->command == command)
                return button.get();
        return nullptr;
    }

    jx_MENU* GetButtonMenu(jx_TOOLBUTTON* toolButton) override
    {
        Button* button = Find(toolButton);
        if (!button)
            return nullptr;
        if (!button->menu)
            button->menu = std::make_unique<Menu>();
        return button->menu.get();
    }

    Button* ById(int id)
    {
        for (const auto& button : buttons)
            if (button->id == id)
                return button.get();
        return nullptr;
    }

    HWND window;
    HWND control = nullptr;
    // The common-controls toolbar paints off-screen.
    OffscreenPainting painting;

private:
    Button* Find(jx_TOOLBUTTON* toolButton)
    {
        for (const auto& button : buttons)
            if (button.get() == toolButton)
                return button.get();
        return nullptr;
    }

    HIMAGELIST images = nullptr;
    std::vector<std::unique_ptr<Button>> buttons;
    // Buttons and separators (null) in their order.
    std::vector<Button*> layout;
    std::size_t realized = 0;
    int separatorWidth = kDefaultSeparatorWidth;
};

void Button::Enable(bool enable)
{
    enabled = enable;
    if (owner.control)
        SendMessageW(owner.control, TB_ENABLEBUTTON, id, MAKELPARAM(enable, 0));
}

Toolbar* ToolbarOf(HWND window) { return reinterpret_cast<Toolbar*>(GetWindowLongPtrW(window, 0)); }

void SendCommand(HWND window, int command)
{
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(window));
}

void ShowButtonMenu(Toolbar& toolbar, const NMTOOLBARW& notice)
{
    Button* button = toolbar.ById(notice.iItem);
    if (!button || !button->menu || button->menu->ItemCount() == 0)
        return;
    HMENU menu = button->menu->Build();
    RECT rect{};
    SendMessageW(toolbar.control, TB_GETRECT, button->id, reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(toolbar.control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const int chosen = TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.bottom,
                                        toolbar.window, nullptr);
    DestroyMenu(menu);
    if (chosen)
        SendCommand(toolbar.window, chosen);
}

LRESULT OnNotify(Toolbar& toolbar, NMHDR& header)
{
    if (header.code == TBN_DROPDOWN) {
        ShowButtonMenu(toolbar, reinterpret_cast<NMTOOLBARW&>(header));
        return TBDDRET_DEFAULT;
    }
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const Button* button = toolbar.ById(static_cast<int>(header.idFrom));
        info.lpszText = const_cast<wchar_t*>(button ? AsWide(button->tooltip.c_str()) : L"");
    }
    return 0;
}

// The dialog's own background behind the buttons.
void EraseWithParentBackground(HWND window, HDC dc)
{
    RECT client{};
    GetClientRect(window, &client);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Toolbar* toolbar = ToolbarOf(window);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(new Toolbar(window)));
        break;
    case WM_CREATE: {
        RECT client{};
        GetClientRect(window, &client);
        toolbar->control =
            CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS |
                                CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                            0, 0, client.right, client.bottom, window, reinterpret_cast<HMENU>(kToolbarChildId),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
        SendMessageW(toolbar->control, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        toolbar->painting.Take(toolbar->control);
        return toolbar->control ? 0 : -1;
    }
    case WM_SIZE:
        if (toolbar && toolbar->control)
            MoveWindow(toolbar->control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_ERASEBKGND:
        EraseWithParentBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NCPAINT:
        if (!HasNonClientArea(window))
            return 0;
        break;
    case WM_PAINT:
        // The toolbar covers the whole window, which has nothing of its own
        // to paint; the toolbar erases through WM_ERASEBKGND above.
        RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
        return 0;
    case WM_COMMAND:
        if (toolbar && reinterpret_cast<HWND>(lParam) == toolbar->control) {
            if (const Button* button = toolbar->ById(LOWORD(wParam)))
                SendCommand(window, button->command);
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (toolbar)
            return OnNotify(*toolbar, *reinterpret_cast<NMHDR*>(lParam));
        break;
    case WM_NCDESTROY:
        delete toolbar;
        SetWindowLongPtrW(window, 0, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK HostToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutThrowing<LRESULT>(0, [&] { return Dispatch(window, message, wParam, lParam); });
}
