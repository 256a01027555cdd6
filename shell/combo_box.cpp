#include "combo_box.h"

#include <new>
#include <numeric>

#include "text.h"

namespace quill::win {
namespace {

// Redraw on again, and the list repainted: turning redraw on repaints nothing
// by itself, and the list may be dropped down.
void Redraw(HWND combo) {
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo, &info) && info.hwndList && IsWindowVisible(info.hwndList)) {
        InvalidateRect(info.hwndList, nullptr, TRUE);
    }
}

}  // namespace

void SelectComboIndex(HWND combo, int index) {
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const LRESULT selected = index >= 0 && index < count ? index : CB_ERR;
    // Selecting the entry already selected would only repaint the list.
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
}

void ComboBox::ShowFill(const std::vector<std::string>& texts) {
    // Drawn once when filled, not once per entry: with redraw on, every added
    // entry updates the list's scroll bar and repaints. Redraw comes back on
    // however the fill ends.
    SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    struct RedrawAtEnd {
        HWND combo;
        ~RedrawAtEnd() { Redraw(combo); }
    } redrawAtEnd{m_hWnd};
    SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
    const std::size_t characters = std::accumulate(
        texts.begin(), texts.end(), std::size_t{0},
        [](std::size_t sum, const std::string& text) { return sum + text.size() + 1; });
    // The list's storage is the system's: out of it, the fill fails as it
    // would out of the program's own memory, and is recorded as failed.
    auto fits = [](LRESULT answer) {
        if (answer == CB_ERRSPACE || answer == CB_ERR) throw std::bad_alloc();
    };
    fits(SendMessageW(m_hWnd, CB_INITSTORAGE, texts.size(), static_cast<LPARAM>(characters * sizeof(wchar_t))));
    for (const std::string& text : texts) {
        const std::wstring wide = Widen(text);
        fits(SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    }
}

std::string ComboBox::TextAt(int position) const {
    if (position < 0) return std::string();
    const auto length = SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    if (length == CB_ERR) return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(position),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

}  // namespace quill::win
