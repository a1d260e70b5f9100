#include "dialog/DialogAccessible.h"

#include <algorithm>
#include <vector>

#include "common/NoThrowBoundary.h"

namespace {

HRESULT TextAnswer(const std::u16string& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT NumberAnswer(LONG number, VARIANT* out)
{
    if (!out)
        return E_POINTER;
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

HRESULT NoAnswer(VARIANT* out)
{
    if (!out)
        return E_POINTER;
    out->vt = VT_EMPTY;
    return S_FALSE;
}

bool Contains(const RECT& area, POINT point) { return PtInRect(&area, point) != FALSE; }

// Every question is answered inside this guard: no exception leaves an
// object, and an object whose dialog has gone answers that it is
// disconnected.
template <typename Body> HRESULT Guarded(const void* source, Body&& body) noexcept
{
    if (!source)
        return RPC_E_DISCONNECTED;
    return CallWithoutThrowing<HRESULT>(E_FAIL, std::forward<Body>(body));
}

} // namespace

// What both objects share: references, the interfaces they answer to, the
// enumeration of their children and every question about one child. A
// child is a position from 1 (0 is the object itself); one with an object of
// its own is asked through that object.
class AccessibleBase : public IAccessible, public IEnumVARIANT {
public:
    AccessibleBase(const AccessibleBase&) = delete;
    AccessibleBase& operator=(const AccessibleBase&) = delete;

    virtual void Disconnect() { source = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == IID_IEnumVARIANT) {
            *out = static_cast<IEnumVARIANT*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // Screen readers call IAccessible itself; there is no type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override
    {
        if (fetched)
            *fetched = 0;
        if (!out)
            return E_POINTER;
        return Guarded(source, [&] {
            const long count = ChildCount();
            ULONG given = 0;
            for (; given < wanted && cursor < count; ++given)
                ChildVariant(++cursor, out[given]);
            if (fetched)
                *fetched = given;
            return given == wanted ? S_OK : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        return Guarded(source, [&] {
            const long children = ChildCount();
            const bool beyond = count > static_cast<ULONG>(std::max(children - cursor, 0L));
            cursor = beyond ? children : cursor + static_cast<long>(count);
            return beyond ? S_FALSE : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        cursor = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override
    {
        if (out)
            *out = nullptr;
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (!count)
            return E_POINTER;
        return Guarded(source, [&] {
            *count = ChildCount();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Guarded(source, [&] {
            if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > ChildCount())
                return E_INVALIDARG;
            *out = ChildObject(child.lVal);
            return *out ? S_OK : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accName(self, out); },
            [&](const AccessibleElement& element) { return TextAnswer(element.name, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accValue(self, out); },
            [&](const AccessibleElement& element) { return TextAnswer(element.value, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accDescription(self, out); },
            [&](const AccessibleElement&) { return TextAnswer({}, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accRole(self, out); },
            [&](const AccessibleElement& element) { return NumberAnswer(element.role, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accState(self, out); },
            [&](const AccessibleElement& element) { return NumberAnswer(element.state, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accHelp(self, out); },
            [&](const AccessibleElement&) { return TextAnswer({}, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accKeyboardShortcut(self, out); },
            [&](const AccessibleElement&) { return TextAnswer({}, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return NoAnswer(out); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->get_accDefaultAction(self, out); },
            [&](const AccessibleElement& element) {
                return TextAnswer(element.defaultAction ? element.defaultAction : u"", out);
            });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        if (!left || !top || !width || !height)
            return E_POINTER;
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->accLocation(left, top, width, height, self); },
            [&](const AccessibleElement& element) {
                *left = element.screen.left;
                *top = element.screen.top;
                *width = element.screen.right - element.screen.left;
                *height = element.screen.bottom - element.screen.top;
                return S_OK;
            });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override
    {
        if (!out)
            return E_POINTER;
        out->vt = VT_EMPTY;
        return Guarded(source, [&] {
            if (start.vt != VT_I4)
                return E_INVALIDARG;
            const long count = ChildCount();
            long to = 0;
            if (start.lVal == CHILDID_SELF && direction == NAVDIR_FIRSTCHILD)
                to = count > 0 ? 1 : 0;
            else if (start.lVal == CHILDID_SELF && direction == NAVDIR_LASTCHILD)
                to = count;
            else if (start.lVal >= 1 && start.lVal <= count && direction == NAVDIR_NEXT)
                to = start.lVal < count ? start.lVal + 1 : 0;
            else if (start.lVal >= 1 && start.lVal <= count && direction == NAVDIR_PREVIOUS)
                to = start.lVal - 1;
            if (to == 0)
                return S_FALSE;
            ChildVariant(to, *out);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override
    {
        if (!out)
            return E_POINTER;
        out->vt = VT_EMPTY;
        return Guarded(source, [&] {
            const POINT point{x, y};
            for (long id = 1; id <= SimpleChildCount(); ++id) {
                AccessibleElement element;
                if (Info(id, element) && !(element.state & STATE_SYSTEM_INVISIBLE) && Contains(element.screen, point)) {
                    ChildVariant(id, *out);
                    return S_OK;
                }
            }
            if (IDispatch* window = WindowAt(point)) {
                out->vt = VT_DISPATCH;
                out->pdispVal = window;
                return S_OK;
            }
            AccessibleElement self;
            if (Info(CHILDID_SELF, self) && Contains(self.screen, point))
                return NumberAnswer(CHILDID_SELF, out);
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return Ask(
            child, [&](IAccessible* other, VARIANT self) { return other->accDoDefaultAction(self); },
            [&](const AccessibleElement& element) {
                if (!element.defaultAction)
                    return DISP_E_MEMBERNOTFOUND;
                DoDefaultAction(child.lVal);
                return S_OK;
            });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

protected:
    explicit AccessibleBase(AccessibleSource& source) : source(&source) {}
    virtual ~AccessibleBase() = default;

    virtual long ChildCount() const = 0;
    // The children from 1 up to this are simple elements or objects of this
    // dialog; any after them are child windows.
    virtual long SimpleChildCount() const { return ChildCount(); }
    // The object itself (CHILDID_SELF) or a simple child as a screen reader
    // reads it; false for a child that is neither.
    virtual bool Info(long id, AccessibleElement& element) const = 0;
    // A child's own object, with a reference for the caller; null for a
    // simple element.
    virtual IDispatch* ChildObject(long id) const = 0;
    virtual void DoDefaultAction(long id) = 0;
    // The object of a child window under a point (screen coordinates), with
    // a reference for the caller, or null.
    virtual IDispatch* WindowAt(POINT) const { return nullptr; }

    void ChildVariant(long id, VARIANT& out) const
    {
        if (IDispatch* object = ChildObject(id)) {
            out.vt = VT_DISPATCH;
            out.pdispVal = object;
        } else {
            out.vt = VT_I4;
            out.lVal = id;
        }
    }

    AccessibleSource* source;

private:
    // A question about one child: asked of its own object when it has one,
    // else answered from Info.
    template <typename AskOther, typename AnswerElement>
    HRESULT Ask(const VARIANT& child, AskOther&& askOther, AnswerElement&& answer)
    {
        return Guarded(source, [&]() -> HRESULT {
            if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > ChildCount())
                return E_INVALIDARG;
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            if (child.lVal != CHILDID_SELF) {
                if (IDispatch* object = ChildObject(child.lVal)) {
                    IAccessible* other = nullptr;
                    const HRESULT found = object->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&other));
                    object->Release();
                    if (FAILED(found))
                        return found;
                    const HRESULT answer = askOther(other, self);
                    other->Release();
                    return answer;
                }
            }
            AccessibleElement element;
            if (Info(child.lVal, element))
                return answer(element);
            return E_INVALIDARG;
        });
    }

    LONG references = 1;
    long cursor = 0;
};

// The shelf: a list of its slots.
class ShelfAccessible final : public AccessibleBase {
public:
    ShelfAccessible(AccessibleSource& source, IAccessible* client) : AccessibleBase(source), client(client) {}

    void Disconnect() override
    {
        AccessibleBase::Disconnect();
        client = nullptr;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Guarded(source, [&] { return client->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out)); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override
    {
        if (!out)
            return E_POINTER;
        out->vt = VT_EMPTY;
        return Guarded(source, [&] {
            const int slot = source->FocusedSlot();
            return slot >= 0 ? NumberAnswer(slot + 1, out) : S_FALSE;
        });
    }

private:
    long ChildCount() const override { return source->SlotCount(); }
    bool Info(long id, AccessibleElement& element) const override
    {
        element = id == CHILDID_SELF ? source->Element(kElementShelf) : source->Slot(static_cast<int>(id - 1));
        return true;
    }
    IDispatch* ChildObject(long) const override { return nullptr; }
    void DoDefaultAction(long id) override
    {
        if (id != CHILDID_SELF)
            source->DoSlotAction(static_cast<int>(id - 1));
    }

    IAccessible* client;
};

namespace {

// The system's object for a window, as a child of another object.
IDispatch* WindowObject(HWND window)
{
    IDispatch* object = nullptr;
    if (window)
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                   reinterpret_cast<void**>(&object));
    return object;
}

} // namespace

// The dialog's client area: its windowless controls, then its child
// windows. It answers for itself too (the system's client object is not
// there under every system).
class ClientAccessible final : public AccessibleBase {
public:
    explicit ClientAccessible(AccessibleSource& source) : AccessibleBase(source) {}

    void Disconnect() override
    {
        AccessibleBase::Disconnect();
        shelf = nullptr;
    }
    void SetShelf(IAccessible* object) { shelf = object; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return Guarded(source, [&] {
            *out = WindowObject(source->AccessibleWindow());
            return *out ? S_OK : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override
    {
        if (!out)
            return E_POINTER;
        out->vt = VT_EMPTY;
        return Guarded(source, [&] {
            HWND dialog = source->AccessibleWindow();
            const int element = source->FocusedElement();
            if (element != kNoElement) {
                ChildVariant(source->ListedElements().Position(element), *out);
                return S_OK;
            }
            HWND focus = GetFocus();
            if (focus == dialog)
                return NumberAnswer(CHILDID_SELF, out);
            while (focus && GetParent(focus) != dialog)
                focus = GetParent(focus);
            if (!focus)
                return S_FALSE;
            out->vt = VT_DISPATCH;
            out->pdispVal = WindowObject(focus);
            return out->pdispVal ? S_OK : S_FALSE;
        });
    }

private:
    // The child windows a screen reader meets: the visible ones (the
    // windowless controls' hidden placeholders are not).
    std::vector<HWND> Windows() const
    {
        std::vector<HWND> windows;
        for (HWND child = GetWindow(source->AccessibleWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child))
                windows.push_back(child);
        return windows;
    }
    long SimpleChildCount() const override { return source->ListedElements().Count(); }
    long ChildCount() const override { return SimpleChildCount() + static_cast<long>(Windows().size()); }
    bool Info(long id, AccessibleElement& element) const override
    {
        HWND dialog = source->AccessibleWindow();
        if (id == CHILDID_SELF) {
            element.role = ROLE_SYSTEM_CLIENT;
            const int length = GetWindowTextLengthW(dialog);
            element.name.resize(static_cast<std::size_t>(length) + 1);
            GetWindowTextW(dialog, reinterpret_cast<wchar_t*>(element.name.data()), length + 1);
            element.name.resize(static_cast<std::size_t>(length));
            element.state = STATE_SYSTEM_FOCUSABLE | (GetFocus() == dialog ? STATE_SYSTEM_FOCUSED : 0);
            GetClientRect(dialog, &element.screen);
            MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&element.screen), 2);
            return true;
        }
        const int listed = source->ListedElements().At(static_cast<int>(id));
        if (listed == kNoElement)
            return false;
        element = source->Element(listed);
        return true;
    }
    IDispatch* ChildObject(long id) const override
    {
        const ElementSet listed = source->ListedElements();
        if (id <= listed.Count()) {
            if (listed.At(static_cast<int>(id)) != kElementShelf || !shelf)
                return nullptr;
            IDispatch* object = nullptr;
            shelf->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object));
            return object;
        }
        const std::vector<HWND> windows = Windows();
        const auto index = static_cast<std::size_t>(id - listed.Count() - 1);
        return index < windows.size() ? WindowObject(windows[index]) : nullptr;
    }
    IDispatch* WindowAt(POINT point) const override
    {
        HWND dialog = source->AccessibleWindow();
        ScreenToClient(dialog, &point);
        HWND child = ChildWindowFromPointEx(dialog, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        return child && child != dialog ? WindowObject(child) : nullptr;
    }
    void DoDefaultAction(long id) override
    {
        const int listed = source->ListedElements().At(static_cast<int>(id));
        if (listed != kNoElement)
            source->DoElementAction(listed);
    }

    IAccessible* shelf = nullptr;
};

DialogAccessibility::~DialogAccessibility()
{
    if (client) {
        client->Disconnect();
        client->Release();
    }
    if (shelf) {
        shelf->Disconnect();
        shelf->Release();
    }
}

void DialogAccessibility::Make()
{
    if (client)
        return;
    client = new ClientAccessible(source);
    shelf = new ShelfAccessible(source, client);
    client->SetShelf(shelf);
}

LRESULT DialogAccessibility::Answer(WPARAM flags, LPARAM objectId)
{
    const auto id = static_cast<LONG>(objectId);
    if (id != OBJID_CLIENT && id != kShelfObjectId)
        return 0;
    Make();
    IAccessible* object = id == OBJID_CLIENT ? static_cast<IAccessible*>(client) : shelf;
    return LresultFromObject(IID_IAccessible, flags, object);
}
