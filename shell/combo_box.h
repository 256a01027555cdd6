// A sorted drop-down list control as the form logic's list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "form_window.h"

namespace quill::win {

// Selects the entry at an index; an index with no entry, or -1, leaves none selected.
void SelectComboIndex(HWND combo, int index);

class ComboBox final : public ListControl {
public:
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    void SelectPosition(int position) override { SelectComboIndex(m_hWnd, position); }
    std::string TextAt(int position) const override;

private:
    void ShowFill(const std::vector<std::string>& texts) override;

    HWND m_hWnd = nullptr;
};

}  // namespace quill::win
