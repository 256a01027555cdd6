// Quillmere's small dialog layer: modal and modeless dialogs from templates, a
// static routing table per class, and data exchange as a list of bindings.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "form_window.h"

namespace quill::win {

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

// The program file's name without its extension: the caption of message boxes.
std::wstring ApplicationName();

// A sorted drop-down list control as the form logic's list.
class ComboBox final : public ListControl {
public:
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    void Fill(const std::vector<std::string>& texts) override;
    void SelectPosition(int position) override;
    std::string TextAt(int position) const override;

private:
    HWND m_hWnd = nullptr;
};

// One run of a window's bindings, reading the controls into the fields (save)
// or writing the fields to the controls.
class DataExchange {
public:
    DataExchange(HWND dialog, bool save) : m_dialog(dialog), m_save(save) {}
    bool Saving() const { return m_save; }

    // Attaches the object to its control when writing and not yet attached.
    void Control(int id, ComboBox& combo);
    // Selected position; -1 for none. Writing an index with no entry selects nothing.
    void CBIndex(int id, int& index);
    // Index of the checked radio button in the group starting at firstId; -1 for none.
    void Radio(int firstId, int& index);
    void Text(int id, std::string& text);
    // 1 when checked, 0 when not.
    void Check(int id, int& value);

private:
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }

    HWND m_dialog;
    bool m_save;
};

class Dialog {
public:
    explicit Dialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window, disables the owner and runs a modal loop until
    // EndDialog; returns its result, or -1 when the window cannot be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the window modelessly; false when it cannot be created.
    bool Create(HWND parent);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    // Runs every binding: true reads the window, false writes it.
    bool UpdateData(bool saveAndValidate = true);
    void EndDialog(INT_PTR result);
    int MessageBox(const std::wstring& text, const wchar_t* caption = nullptr, UINT type = MB_OK);

protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Writes the fields to the window; TRUE leaves the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // Reads the window and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL without reading.
    virtual void OnCancel();
    // The class's routing table; true when a row took the message.
    virtual bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window's last message has been handled; the object may release itself.
    virtual void PostNcDestroy() {}

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterIfUnplaced(HWND owner);

    UINT m_templateId;
    HWND m_hWnd = nullptr;
    bool m_modal = false;
    bool m_running = false;
    bool m_exchanging = false;
    INT_PTR m_result = -1;
};

// One row of a routing table: a command (WM_COMMAND with a notification code
// and a control id) or another message.
template <class T>
struct RouteRow {
    UINT message;
    WORD code;
    WORD id;
    void (T::*command)();
    bool (T::*handler)(WPARAM, LPARAM, LRESULT&);
};

template <class T>
constexpr RouteRow<T> OnCommand(WORD code, WORD id, void (T::*command)()) {
    return RouteRow<T>{WM_COMMAND, code, id, command, nullptr};
}

template <class T>
constexpr RouteRow<T> OnMessage(UINT message, bool (T::*handler)(WPARAM, LPARAM, LRESULT&)) {
    return RouteRow<T>{message, 0, 0, nullptr, handler};
}

// The first row matching the message runs; false when none matches or the
// handler leaves the message to the default handling.
template <class T, std::size_t N>
bool Dispatch(T& self, const RouteRow<T> (&table)[N], UINT message, WPARAM wParam, LPARAM lParam,
              LRESULT& result) {
    for (const RouteRow<T>& row : table) {
        if (row.message != message) continue;
        if (message == WM_COMMAND) {
            if (HIWORD(wParam) != row.code || LOWORD(wParam) != row.id) continue;
            (self.*row.command)();
            result = 0;
            return true;
        }
        return (self.*row.handler)(wParam, lParam, result);
    }
    return false;
}

}  // namespace quill::win
