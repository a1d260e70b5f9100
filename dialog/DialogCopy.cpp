// The current color copied as text: the system menu's "Copy color as"
// commands and Ctrl+C outside the edit fields.
#include <cstring>

#include "dialog/CltPiker.h"
#include "dialog/ColorValueTexts.h"
#include "dialog/DialogItems.h"

namespace {

// Unicode text on the clipboard in place of what was there; nothing when
// the clipboard cannot be had.
void PutOnClipboard(HWND owner, const std::u16string& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it takes it.
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}

} // namespace

void CCltPiker::CopyColor(int format)
{
    PutOnClipboard(hDlg, CopyText(static_cast<CopyFormat>(format), color.currentColor, color.alphaEnabled));
}

bool CCltPiker::OnFilteredKey(const MSG& message)
{
    if (picking)
        return OnPickingKey(message);
    if (OnNavigationKey(message))
        return true;
    // In an edit field Ctrl+C copies the field's selection, as always.
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_MENU) >= 0 && !IsEditWindow(GetFocus())) {
        CopyColor(static_cast<int>(CopyFormat::Hex));
        return true;
    }
    return false;
}
