#include "data_exchange.h"

#include "combo_box.h"
#include "text.h"

namespace quill::win {

void DataExchange::CBIndex(int id, int& index) {
    HWND combo = Item(id);
    if (m_save) {
        index = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        return;
    }
    SelectComboIndex(combo, index);
}

void DataExchange::Radio(int firstId, int& index) {
    HWND first = Item(firstId);
    if (m_save) index = -1;
    int position = 0;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongW(button, GWL_STYLE) & WS_GROUP)) break;
        if (!(SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (m_save) {
            if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) index = position;
        } else {
            SendMessageW(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++position;
    }
}

void DataExchange::Text(int id, std::string& text) {
    HWND item = Item(id);
    if (m_save) {
        std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
        wide.resize(static_cast<std::size_t>(GetWindowTextW(item, wide.data(), static_cast<int>(wide.size()))));
        text = Narrow(wide);
    } else {
        SetWindowTextW(item, Widen(text).c_str());
    }
}

void DataExchange::Check(int id, int& value) {
    HWND box = Item(id);
    if (m_save) {
        value = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    } else {
        SendMessageW(box, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

}  // namespace quill::win
