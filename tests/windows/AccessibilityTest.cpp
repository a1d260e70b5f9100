// The dialog as a screen reader and a keyboard user meet it: its
// accessible objects read through oleacc in the dialog's own process, the
// events it raises, and keys taken by its modal loop as typed.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dialog/PickerSettings.h"
#include "resources/ResourceIds.h"
#include "tests/windows/TestHost.h"

// Rectangles compare by their corners.
bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

namespace {

constexpr std::uint32_t kOrange = 0x000080FF;
constexpr std::uint32_t kYellow = 0x0000FFFF;
// #E0A040: hue 36, saturation 71, value 88.
constexpr std::uint32_t kOchre = 0x0040A0E0;
constexpr LONG kShelfObject = 1;
// The shelf's child id in the client object while the alpha slider is not listed.
constexpr LONG kShelfChild = 12;

// One reference to a COM object.
template <typename T> class Ref {
public:
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref()
    {
        if (object)
            object->Release();
    }
    T* operator->() const { return object; }
    T* get() const { return object; }
    void** Out() { return reinterpret_cast<void**>(&object); }

private:
    T* object = nullptr;
};

VARIANT Child(LONG id)
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::u16string Text(BSTR text)
{
    std::u16string answer = text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)) : u"";
    SysFreeString(text);
    return answer;
}

std::u16string Name(IAccessible* object, LONG id = CHILDID_SELF)
{
    BSTR text = nullptr;
    object->get_accName(Child(id), &text);
    return Text(text);
}

std::u16string Value(IAccessible* object, LONG id = CHILDID_SELF)
{
    BSTR text = nullptr;
    object->get_accValue(Child(id), &text);
    return Text(text);
}

LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, VARIANT*), IAccessible* object, LONG id)
{
    VARIANT answer{};
    (object->*question)(Child(id), &answer);
    return answer.vt == VT_I4 ? answer.lVal : -1;
}
LONG Role(IAccessible* object, LONG id = CHILDID_SELF) { return Number(&IAccessible::get_accRole, object, id); }
LONG State(IAccessible* object, LONG id = CHILDID_SELF) { return Number(&IAccessible::get_accState, object, id); }

RECT Location(IAccessible* object, LONG id = CHILDID_SELF)
{
    long left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, Child(id));
    return {left, top, left + width, top + height};
}

RECT ScreenRect(HWND dialog, int id)
{
    RECT area = ChildRect(dialog, id);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// The object a child stands for: the shelf's list.
void ChildObject(IAccessible* parent, LONG id, Ref<IAccessible>& object)
{
    Ref<IDispatch> dispatch;
    ASSERT_EQ(parent->get_accChild(Child(id), reinterpret_cast<IDispatch**>(dispatch.Out())), S_OK);
    ASSERT_EQ(dispatch->QueryInterface(IID_IAccessible, object.Out()), S_OK);
}

// The name of what has the keyboard focus, as a screen reader asks.
std::u16string FocusName(IAccessible* client)
{
    VARIANT focus{};
    client->get_accFocus(&focus);
    if (focus.vt == VT_I4)
        return Name(client, focus.lVal);
    if (focus.vt != VT_DISPATCH || !focus.pdispVal)
        return u"(none)";
    Ref<IAccessible> object;
    focus.pdispVal->QueryInterface(IID_IAccessible, object.Out());
    focus.pdispVal->Release();
    return object.get() ? Name(object.get()) : u"(no object)";
}

// The events the dialog raises, as (event, object, child).
struct WinEvents {
    WinEvents()
    {
        recorder = this;
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Record, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
    }
    WinEvents(const WinEvents&) = delete;
    WinEvents& operator=(const WinEvents&) = delete;
    ~WinEvents()
    {
        UnhookWinEvent(hook);
        recorder = nullptr;
    }
    // Hands over what was raised so far (events reach this thread as messages).
    std::vector<std::tuple<DWORD, LONG, LONG>> Take()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        return std::exchange(seen, {});
    }
    HWND dialog = nullptr;

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        if (recorder && window == recorder->dialog &&
            (event == EVENT_OBJECT_FOCUS || event == EVENT_OBJECT_VALUECHANGE))
            recorder->seen.emplace_back(event, object, child);
    }
    static inline WinEvents* recorder = nullptr;
    HWINEVENTHOOK hook = nullptr;
    std::vector<std::tuple<DWORD, LONG, LONG>> seen;
};

bool Saw(const std::vector<std::tuple<DWORD, LONG, LONG>>& events, DWORD event, LONG object, LONG child)
{
    for (const auto& seen : events)
        if (seen == std::make_tuple(event, object, child))
            return true;
    return false;
}

class Accessibility : public DialogRunner {
protected:
    Accessibility()
    {
        Core()->WriteSettingInt(&kPickerSettingsSection, "SizeMode", 0);
        CoInitialize(nullptr);
    }
    ~Accessibility() override { CoUninitialize(); }

    static void Client(HWND dialog, Ref<IAccessible>& client)
    {
        ASSERT_EQ(AccessibleObjectFromWindow(dialog, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, client.Out()),
                  S_OK);
    }
    static void ClientAndShelf(HWND dialog, Ref<IAccessible>& client, Ref<IAccessible>& shelf)
    {
        Client(dialog, client);
        ChildObject(client.get(), kShelfChild, shelf);
    }
    // Forty more colors on the shelf, more rows than its view holds,
    // scrolled to the top. (The palette grows by a row when it is painted
    // with its last row filled.)
    static void GrowPalette(HWND dialog)
    {
        for (int i = 0; i < 40; ++i) {
            SendMessageW(dialog, WM_COMMAND, IDM_STORE_IN_EMPTY_SLOT, 0);
            UpdateWindow(dialog);
        }
        SendMessageW(dialog, WM_VSCROLL, SB_TOP, 0);
    }
    // Tabs from the hexadecimal field, the last real control before the
    // windowless ones, onto the n-th of them.
    static void TabTo(HWND dialog, int n)
    {
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        for (int i = 0; i < n; ++i)
            PressInDialog(dialog, VK_TAB);
    }
};

const std::vector<std::u16string> kNames{u"Color field",
                                         u"Hue",
                                         u"Hue",
                                         u"Saturation",
                                         u"Value",
                                         u"Red",
                                         u"Green",
                                         u"Blue",
                                         u"Current",
                                         u"Original",
                                         u"Pick color from screen",
                                         u"Palette"};

} // namespace

TEST_F(Accessibility, TheTreeListsEveryWindowlessControlInOrderWithRoleNameAndValue)
{
    Run(kOchre, 0, [&](HWND dialog) {
        Ref<IAccessible> client;
        Client(dialog, client);
        const std::vector<LONG> roles{ROLE_SYSTEM_GRAPHIC,    ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_SLIDER,
                                      ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_SLIDER,
                                      ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_SLIDER,     ROLE_SYSTEM_PUSHBUTTON,
                                      ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LIST};
        const std::vector<std::u16string> values{u"Saturation 71, Value 88",
                                                 u"36",
                                                 u"36",
                                                 u"71",
                                                 u"88",
                                                 u"224",
                                                 u"160",
                                                 u"64",
                                                 u"#E0A040",
                                                 u"#E0A040",
                                                 u"",
                                                 u""};
        for (LONG id = 1; id <= 12; ++id) {
            EXPECT_EQ(Name(client.get(), id), kNames[id - 1]) << id;
            EXPECT_EQ(Role(client.get(), id), roles[id - 1]) << id;
            EXPECT_EQ(Value(client.get(), id), values[id - 1]) << id;
            EXPECT_EQ(State(client.get(), id) & STATE_SYSTEM_INVISIBLE, 0) << id;
        }
        EXPECT_EQ(Location(client.get(), 1), ScreenRect(dialog, IDC_FIELD));
        EXPECT_EQ(Location(client.get(), 3), ScreenRect(dialog, IDC_HUE_SLIDER));
        EXPECT_EQ(Location(client.get(), 9), ScreenRect(dialog, IDC_CURRENT_SWATCH));
        EXPECT_EQ(Location(client.get(), 11), ScreenRect(dialog, IDC_EYEDROPPER));
        // What lies under a point: a windowless control, or a real window.
        const RECT strip = ScreenRect(dialog, IDC_STRIP);
        VARIANT hit{};
        ASSERT_EQ(client->accHitTest((strip.left + strip.right) / 2, strip.top + 3, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_I4);
        EXPECT_EQ(hit.lVal, 2);
        const RECT ok = ScreenRect(dialog, IDOK);
        ASSERT_EQ(client->accHitTest(ok.left + 3, ok.top + 3, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_DISPATCH);
        VariantClear(&hit);

        // The real child windows follow, as objects of their own; the
        // hidden placeholders are not among them.
        long count = 0;
        ASSERT_EQ(client->get_accChildCount(&count), S_OK);
        std::vector<VARIANT> children(static_cast<std::size_t>(count));
        long got = 0;
        ASSERT_EQ(AccessibleChildren(client.get(), 0, count, children.data(), &got), S_OK);
        ASSERT_EQ(got, count);
        EXPECT_EQ(children[0].vt, VT_I4);
        EXPECT_EQ(children[10].vt, VT_I4);
        EXPECT_EQ(children[11].vt, VT_DISPATCH) << "the shelf is an object of its own";
        std::vector<HWND> windows;
        for (std::size_t i = 12; i < children.size(); ++i) {
            ASSERT_EQ(children[i].vt, VT_DISPATCH);
            Ref<IOleWindow> window;
            children[i].pdispVal->QueryInterface(IID_IOleWindow, window.Out());
            HWND handle = nullptr;
            if (window.get())
                window->GetWindow(&handle);
            windows.push_back(handle);
        }
        for (VARIANT& child : children)
            VariantClear(&child);
        std::vector<HWND> visible;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
                visible.push_back(child);
        EXPECT_EQ(windows, visible);
        EXPECT_NE(std::find(windows.begin(), windows.end(), GetDlgItem(dialog, IDOK)), windows.end());
        EXPECT_EQ(std::find(windows.begin(), windows.end(), GetDlgItem(dialog, IDC_FIELD)), windows.end());
        EXPECT_EQ(count, 12 + static_cast<long>(visible.size()));
    });
    Run(0x8040A0E0u, kPickerAlpha, [&](HWND dialog) {
        Ref<IAccessible> client;
        Client(dialog, client);
        EXPECT_EQ(Name(client.get(), 9), u"Alpha");
        EXPECT_EQ(Role(client.get(), 9), ROLE_SYSTEM_SLIDER);
        EXPECT_EQ(Value(client.get(), 9), u"128");
        EXPECT_EQ(Location(client.get(), 9), ScreenRect(dialog, IDC_ALPHA_SLIDER));
        EXPECT_EQ(Name(client.get(), 10), u"Current");
        EXPECT_EQ(Name(client.get(), 13), u"Palette");
    });
    // A color the named-color list knows is read with its name.
    Run(0x000000FF, 0, [&](HWND dialog) {
        Ref<IAccessible> client;
        Ref<IAccessible> shelf;
        ClientAndShelf(dialog, client, shelf);
        EXPECT_EQ(Value(client.get(), 9), u"#FF0000 Red");
        EXPECT_EQ(Name(shelf.get(), 1), u"Red");
        EXPECT_EQ(Value(shelf.get(), 1), u"#FF0000");
    });
}

TEST_F(Accessibility, TheShelfIsAListOfSlotsAndLocationsFollowTheLayout)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Ref<IAccessible> client;
        Ref<IAccessible> shelf;
        ClientAndShelf(dialog, client, shelf);
        EXPECT_EQ(Role(shelf.get()), ROLE_SYSTEM_LIST);
        EXPECT_EQ(Name(shelf.get()), u"Palette");
        EXPECT_EQ(Location(shelf.get()), ScreenRect(dialog, IDC_SHELF));
        long slots = 0;
        ASSERT_EQ(shelf->get_accChildCount(&slots), S_OK);
        ASSERT_GE(slots, 48);
        // The simple palette: red first, an empty fourth row, rows below
        // the view scrolled out of it.
        EXPECT_EQ(Role(shelf.get(), 1), ROLE_SYSTEM_LISTITEM);
        EXPECT_EQ(Value(shelf.get(), 1), u"#FF0000");
        EXPECT_EQ(Name(shelf.get(), 37), u"Empty slot");
        EXPECT_EQ(Value(shelf.get(), 37), u"");
        EXPECT_EQ(State(shelf.get(), 1) & STATE_SYSTEM_INVISIBLE, 0);
        // More rows than the view holds: those below it are scrolled out.
        GrowPalette(dialog);
        ASSERT_EQ(shelf->get_accChildCount(&slots), S_OK);
        EXPECT_EQ(State(shelf.get(), 1) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_EQ(State(shelf.get(), slots) & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN),
                  STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN);
        const RECT first = Location(shelf.get(), 1);
        const RECT area = ScreenRect(dialog, IDC_SHELF);
        EXPECT_EQ(first.left, area.left);
        EXPECT_EQ(first.top, area.top);

        // The default action of a slot is a left click: its color is taken.
        EXPECT_EQ(shelf->accDoDefaultAction(Child(3)), S_OK);
        EXPECT_EQ(LastMessage(), kYellow);

        // Larger: every location moves with its control.
        const RECT fieldBefore = Location(client.get(), 1);
        RECT window{};
        GetWindowRect(dialog, &window);
        SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + 200, window.bottom - window.top + 120,
                     SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_FALSE(Location(client.get(), 1) == fieldBefore);
        EXPECT_EQ(Location(client.get(), 1), ScreenRect(dialog, IDC_FIELD));
        EXPECT_EQ(Location(client.get(), 8), ScreenRect(dialog, IDC_BLUE_SLIDER));
        EXPECT_EQ(Location(shelf.get()), ScreenRect(dialog, IDC_SHELF));

        // Compact: what it cuts off is invisible.
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
        EXPECT_EQ(State(client.get(), 1) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_EQ(State(client.get(), 10) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_NE(State(client.get(), 3) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_NE(State(client.get(), 11) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_NE(State(shelf.get()) & STATE_SYSTEM_INVISIBLE, 0);
        EXPECT_NE(State(shelf.get(), 1) & STATE_SYSTEM_INVISIBLE, 0);
    });
}

TEST_F(Accessibility, TabVisitsEachWindowlessControlOnceInOrderAmongTheRealControls)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Ref<IAccessible> client;
        Client(dialog, client);
        WinEvents events;
        events.dialog = dialog;
        SetFocus(GetDlgItem(dialog, IDC_HEX_FIELD));
        events.Take();
        for (LONG id = 1; id <= 12; ++id) {
            PressInDialog(dialog, VK_TAB);
            EXPECT_EQ(FocusName(client.get()), kNames[id - 1]) << id;
            EXPECT_EQ(GetFocus(), dialog);
            EXPECT_NE(State(client.get(), id) & STATE_SYSTEM_FOCUSED, 0) << id;
            EXPECT_TRUE(Saw(events.Take(), EVENT_OBJECT_FOCUS, OBJID_CLIENT, id)) << id;
        }
        PressInDialog(dialog, VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_MODE_HUE)) << "the checked radio button of the group";
        EXPECT_EQ(State(client.get(), kShelfChild) & STATE_SYSTEM_FOCUSED, 0);
        for (LONG id = 12; id >= 1; --id) {
            PressInDialog(dialog, VK_TAB, true);
            EXPECT_EQ(FocusName(client.get()), kNames[id - 1]) << id;
        }
        PressInDialog(dialog, VK_TAB, true);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_HEX_FIELD));

        // Tab elsewhere among the real controls goes on as ever.
        SetFocus(GetDlgItem(dialog, IDC_DECIMAL_FIELD));
        PressInDialog(dialog, VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_HEX_FIELD));

        // Compact: the field, the strip and the swatches only.
        SendMessageW(dialog, WM_COMMAND, IDC_SIZE_MODE, 0);
        TabTo(dialog, 4);
        EXPECT_EQ(FocusName(client.get()), u"Original");
        PressInDialog(dialog, VK_TAB);
        EXPECT_NE(GetFocus(), dialog);
    });
}

TEST_F(Accessibility, KeysStepSlidersAndTheFieldAsTheMouseWouldAndAreAnnounced)
{
    Run(kOrange, 0, [&](HWND dialog) {
        WinEvents events;
        events.dialog = dialog;
        TabTo(dialog, 3);
        events.Take();
        PressInDialog(dialog, VK_RIGHT);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"31");
        EXPECT_EQ(requester.colorMessages.size(), 1u);
        const auto raised = events.Take();
        EXPECT_TRUE(Saw(raised, EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, 3)) << "the hue slider";
        EXPECT_TRUE(Saw(raised, EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, 2)) << "the strip shows hue";
        EXPECT_FALSE(Saw(raised, EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, 4)) << "saturation did not change";
        // Each hue step is an undo step, as a click on the slider is.
        SendMessageW(dialog, WM_COMMAND, IDM_UNDO, 0);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"30");
        EXPECT_EQ(LastMessage(), kOrange);
        PressInDialog(dialog, VK_RIGHT);
        PressInDialog(dialog, VK_PRIOR);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"41");
        PressInDialog(dialog, VK_NEXT);
        PressInDialog(dialog, VK_DOWN);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"30");
        PressInDialog(dialog, VK_HOME);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"0");
        const std::size_t heard = requester.colorMessages.size();
        PressInDialog(dialog, VK_LEFT);
        EXPECT_EQ(requester.colorMessages.size(), heard) << "nothing below the channel's end";
        PressInDialog(dialog, VK_END);
        EXPECT_EQ(FieldText(dialog, IDC_HUE_FIELD), u"360");

        // The red slider, three on.
        PressInDialog(dialog, VK_TAB);
        PressInDialog(dialog, VK_TAB);
        PressInDialog(dialog, VK_TAB);
        PressInDialog(dialog, VK_PRIOR);
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"255") << "red stops at 255";
        PressInDialog(dialog, VK_NEXT);
        EXPECT_EQ(FieldText(dialog, IDC_RED_FIELD), u"245");
    });
    Run(kOrange, 0, [&](HWND dialog) {
        // The field in hue mode: saturation across, value up.
        TabTo(dialog, 1);
        PressInDialog(dialog, VK_LEFT);
        EXPECT_EQ(FieldText(dialog, IDC_SATURATION_FIELD), u"99");
        PressInDialog(dialog, VK_DOWN, true);
        EXPECT_EQ(FieldText(dialog, IDC_VALUE_FIELD), u"90");
        PressInDialog(dialog, VK_UP);
        EXPECT_EQ(FieldText(dialog, IDC_VALUE_FIELD), u"91");
    });
}

TEST_F(Accessibility, SwatchesTheEyedropperAndTheShelfAnswerTheKeyboard)
{
    Run(kOrange, 0, [&](HWND dialog) {
        Ref<IAccessible> client;
        Ref<IAccessible> shelf;
        ClientAndShelf(dialog, client, shelf);
        WinEvents events;
        events.dialog = dialog;

        Type(dialog, IDC_GREEN_FIELD, L"200");
        TabTo(dialog, 10);
        PressInDialog(dialog, VK_SPACE);
        EXPECT_EQ(LastMessage(), kOrange) << "Space on Original takes it back";
        EXPECT_EQ(client->accDoDefaultAction(Child(10)), S_OK);

        // Space on the eyedropper begins a pick the arrows steer; Escape
        // ends it and keeps the color.
        PressInDialog(dialog, VK_TAB);
        PressInDialog(dialog, VK_SPACE);
        HWND loupe = FindWindowW(L"PlexaPickerLoupe", nullptr);
        EXPECT_TRUE(loupe && IsWindowVisible(loupe));
        PressInDialog(dialog, VK_ESCAPE);
        EXPECT_FALSE(loupe && IsWindowVisible(loupe));
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(LastMessage(), kOrange);
        // The pointer moved without a button: the pick follows it, and
        // Enter takes what lies under it.
        {
            const ScreenPatch red(CreateSolidBrush(RGB(255, 0, 0)), L"PlexaTestKeyboardPick", 100, 100, 60);
            SetFocus(dialog);
            TabTo(dialog, 11);
            PressInDialog(dialog, VK_SPACE);
            SetCursorPos(130, 130);
            POINT at{130, 130};
            ScreenToClient(dialog, &at);
            Mouse(dialog, WM_MOUSEMOVE, at);
            EXPECT_EQ(GetCapture(), dialog) << "still picking";
            PressInDialog(dialog, VK_RETURN);
            EXPECT_NE(GetCapture(), dialog);
            EXPECT_EQ(LastMessage(), 0x000000FFu);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "Enter ended the pick, not the dialog";
        }

        // The shelf: a focus cell of its own, each move announced.
        SetFocus(dialog);
        TabTo(dialog, 12);
        EXPECT_TRUE(Saw(events.Take(), EVENT_OBJECT_FOCUS, kShelfObject, 1));
        PressInDialog(dialog, VK_RIGHT);
        PressInDialog(dialog, VK_RIGHT);
        EXPECT_TRUE(Saw(events.Take(), EVENT_OBJECT_FOCUS, kShelfObject, 3));
        EXPECT_NE(State(shelf.get(), 3) & STATE_SYSTEM_FOCUSED, 0);
        PressInDialog(dialog, VK_SPACE);
        EXPECT_EQ(LastMessage(), kYellow) << "Space takes a filled slot's color";
        PressInDialog(dialog, VK_DELETE);
        EXPECT_EQ(Name(shelf.get(), 3), u"Empty slot");
        PressInDialog(dialog, VK_SPACE);
        EXPECT_EQ(Value(shelf.get(), 3), u"#FFFF00") << "Space stores the current color into an empty slot";
        PressInDialog(dialog, VK_F10, true);
        EXPECT_EQ(Name(shelf.get(), 3), u"Empty slot") << "Shift+F10 acts as the right button";
        PressInDialog(dialog, VK_APPS);
        EXPECT_NE(Name(shelf.get(), 3), u"Empty slot") << "on an empty slot: its neighbours' blend";
        SendMessageW(dialog, WM_COMMAND, IDM_UNDO, 0);
        EXPECT_EQ(Name(shelf.get(), 3), u"Empty slot") << "each change from the keyboard is an undo step";

        // End: the last slot, scrolled into view.
        GrowPalette(dialog);
        const LONG last = [&] {
            long count = 0;
            shelf->get_accChildCount(&count);
            return static_cast<LONG>(count);
        }();
        PressInDialog(dialog, VK_END);
        EXPECT_NE(State(shelf.get(), last) & STATE_SYSTEM_FOCUSED, 0);
        EXPECT_EQ(State(shelf.get(), last) & STATE_SYSTEM_INVISIBLE, 0) << "the focus cell is scrolled into view";
        EXPECT_NE(State(shelf.get(), 1) & STATE_SYSTEM_INVISIBLE, 0);

        // A smaller palette in its place: the focus cell is its last slot.
        SendMessageW(dialog, WM_COMMAND, IDM_FIRST_CATALOG_PALETTE, 0);
        long count = 0;
        shelf->get_accChildCount(&count);
        ASSERT_LT(count, last);
        VARIANT focus{};
        EXPECT_EQ(shelf->get_accFocus(&focus), S_OK);
        EXPECT_EQ(focus.vt, VT_I4);
        EXPECT_EQ(focus.lVal, count);
        PressInDialog(dialog, VK_LEFT);
        EXPECT_NE(State(shelf.get(), count - 1) & STATE_SYSTEM_FOCUSED, 0);
    });
}

TEST_F(Accessibility, OnlyTheKeyboardShowsAFocusRectangleOnAWindowlessControl)
{
    Run(kOrange, 0, [&](HWND dialog) {
        const RECT slider = ChildRect(dialog, IDC_SATURATION_SLIDER);
        // Points along the rectangle's top edge, two pixels out.
        const auto edge = [&] {
            std::vector<COLORREF> pixels;
            for (int x = slider.left; x < slider.left + 8; ++x)
                pixels.push_back(PixelAt(dialog, {x, slider.top - 2}));
            return pixels;
        };
        const std::vector<COLORREF> plain = edge();
        Mouse(dialog, WM_LBUTTONDOWN, {slider.left + 5, slider.top + 2}, MK_LBUTTON);
        Mouse(dialog, WM_LBUTTONUP, {slider.left + 5, slider.top + 2});
        EXPECT_EQ(edge(), plain) << "a click leaves no focus rectangle";
        EXPECT_NE(GetFocus(), dialog);
        TabTo(dialog, 4);
        EXPECT_NE(edge(), plain);
        PressInDialog(dialog, VK_TAB);
        EXPECT_EQ(edge(), plain);
        PressInDialog(dialog, VK_TAB, true);
        EXPECT_NE(edge(), plain);
        // Another window, and back: the focus comes back to the slider.
        HWND other =
            CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other);
        SetFocus(other);
        EXPECT_EQ(edge(), plain);
        SetActiveWindow(dialog);
        EXPECT_EQ(GetFocus(), dialog);
        EXPECT_NE(edge(), plain);
        DestroyWindow(other);
        // A click on a real control takes the focus away.
        TabTo(dialog, 4);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_RED_FIELD)), TRUE);
        EXPECT_EQ(edge(), plain);
    });
}

TEST_F(Accessibility, EnterAndEscapeStillMeanOkAndCancelOnAWindowlessControl)
{
    // Cancel had the focus, and so was the default button, before.
    int result = Run(kOrange, 0, [&](HWND dialog) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDCANCEL)), TRUE);
        TabTo(dialog, 3);
        PressInDialog(dialog, VK_RIGHT);
        PressInDialog(dialog, VK_RETURN);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(chosen, 0x000084FFu) << "hue 31";
    result = Run(kOrange, 0, [&](HWND dialog) {
        TabTo(dialog, 12);
        PressInDialog(dialog, VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
}

TEST_F(Accessibility, ObjectsHeldPastTheDialogAnswerThatItHasGone)
{
    Ref<IAccessible> client;
    Ref<IAccessible> shelf;
    Run(kOrange, 0, [&](HWND dialog) { ClientAndShelf(dialog, client, shelf); });
    ASSERT_TRUE(client.get() && shelf.get());
    long count = 0;
    EXPECT_EQ(client->get_accChildCount(&count), RPC_E_DISCONNECTED);
    EXPECT_EQ(shelf->get_accChildCount(&count), RPC_E_DISCONNECTED);
    BSTR name = nullptr;
    EXPECT_EQ(client->get_accName(Child(1), &name), RPC_E_DISCONNECTED);
    EXPECT_EQ(shelf->accDoDefaultAction(Child(1)), RPC_E_DISCONNECTED);
    IDispatch* parent = nullptr;
    EXPECT_EQ(shelf->get_accParent(&parent), RPC_E_DISCONNECTED);
}
