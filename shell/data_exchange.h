// Data exchange: one run of a window's bindings, each a line of its
// DoDataExchange, reading the controls into the fields (save) or writing the
// fields to the controls.
#pragma once

#include <windows.h>

#include <string>

namespace quill::win {

class DataExchange {
public:
    DataExchange(HWND dialog, bool save) : m_dialog(dialog), m_save(save) {}

    // Attaches a control object to its control on the first write.
    template <class Attachable>
    void Control(int id, Attachable& control) {
        if (!m_save && !control.GetSafeHwnd()) control.Attach(Item(id));
    }
    // A combo box's selected position; -1 for none. Writing an index with no
    // entry selects nothing.
    void CBIndex(int id, int& index);
    // The index of the checked radio button in the group starting at firstId; -1 for none.
    void Radio(int firstId, int& index);
    // Writing, true when the control's text changed.
    bool Text(int id, std::string& text);
    // 1 when checked, 0 when not.
    void Check(int id, int& value);

private:
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }

    HWND m_dialog;
    bool m_save;
};

}  // namespace quill::win
