#include "data_exchange.h"

#include <new>
#include <vector>

#include "combo_box.h"
#include "text.h"

namespace quill::win {
namespace {

// A control already showing the value is left alone: setting it again would
// only repaint it.
void SetCheck(HWND button, bool checked) {
    const LRESULT state = checked ? BST_CHECKED : BST_UNCHECKED;
    if (SendMessageW(button, BM_GETCHECK, 0, 0) != state) SendMessageW(button, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

}  // namespace

void DataExchange::CBIndex(int id, int& index) {
    HWND combo = Item(id);
    if (m_save) {
        index = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        return;
    }
    SelectComboIndex(combo, index);
}

void DataExchange::Radio(int firstId, int& index) {
    // The radio buttons of the group, up to the next control that starts one.
    std::vector<HWND> buttons;
    HWND first = Item(firstId);
    for (HWND control = first; control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (GetWindowLongW(control, GWL_STYLE) & WS_GROUP)) break;
        if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) buttons.push_back(control);
    }
    const int count = static_cast<int>(buttons.size());
    if (m_save) {
        index = -1;
        for (int i = 0; i < count; ++i) {
            if (SendMessageW(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) index = i;
        }
        return;
    }
    // The chosen one first: checking an automatic radio button clears the rest
    // of its group already, which leaves nothing to clear after it.
    if (index >= 0 && index < count) SetCheck(buttons[index], true);
    for (int i = 0; i < count; ++i) {
        if (i != index) SetCheck(buttons[i], false);
    }
}

bool DataExchange::Text(int id, std::string& text) {
    HWND item = Item(id);
    if (m_save) {
        text = Narrow(WindowText(item));
        return false;
    }
    const std::wstring wide = Widen(text);
    if (WindowText(item) == wide) return false;
    // A text the control cannot take fails the write, as the lists' do.
    if (!SetWindowTextW(item, wide.c_str())) throw std::bad_alloc();
    return true;
}

void DataExchange::Check(int id, int& value) {
    HWND box = Item(id);
    if (m_save) {
        value = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        SetCheck(box, value != 0);
    }
}

}  // namespace quill::win
