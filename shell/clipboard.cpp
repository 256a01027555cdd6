#include "clipboard.h"

#include <cstring>

namespace quill::win {

bool CopyToClipboard(HWND owner, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* data = memory ? GlobalLock(memory) : nullptr;
    if (!data) {
        if (memory) GlobalFree(memory);
        return false;
    }
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);

    // Another program may hold the clipboard open for a moment.
    BOOL open = OpenClipboard(owner);
    for (int attempt = 0; !open && attempt < 10; ++attempt) {
        Sleep(10);
        open = OpenClipboard(owner);
    }
    const bool placed = open && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    if (open) CloseClipboard();
    if (!placed) GlobalFree(memory);  // once placed, the clipboard owns it
    return placed;
}

}  // namespace quill::win
