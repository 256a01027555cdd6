// Quillmere's dialog layer: modal and modeless dialogs from templates, each
// class with a static routing table, and data exchange through its bindings.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace quill::win {

class DataExchange;
struct RouteRow;

class Dialog {
public:
    // The routing table's size is the compiler's count of its rows.
    template <std::size_t N>
    Dialog(UINT templateId, const RouteRow (&routes)[N]) : m_templateId(templateId), m_routes(routes), m_routeCount(N) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window, disables the owner and runs a modal loop until
    // EndDialog or until the window is destroyed; EndDialog's result, else -1.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the window modelessly; false when it cannot be created.
    bool Create(HWND parent);
    // Modal: ends the loop with this result. Modeless: destroys the window.
    void EndDialog(INT_PTR result);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    // Runs every binding: true reads the controls into the fields, false writes them.
    bool UpdateData(bool saveAndValidate = true);
    // Modal, owned by this window, captioned with the application's name.
    int MessageBox(const std::wstring& text, UINT type = MB_OK);

protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Writes the fields to the window; TRUE leaves the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // Reads the window and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL without reading.
    virtual void OnCancel();
    // Runs the first row of the routing table that matches; false when none does.
    virtual bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window has had its last message; the object may release itself.
    virtual void PostNcDestroy() {}
    // The program's main window, which owns the message that a command could
    // not be finished when the command ended its own window: the window's root
    // owner unless a window says otherwise.
    virtual HWND MainWindow() const { return GetAncestor(m_hWnd, GA_ROOTOWNER); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The object of a window of this layer while the window has it: from
    // WM_INITDIALOG until its last message, after which it may be released.
    static Dialog* FromHandle(HWND hwnd) { return reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER)); }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOverOwner();

    const UINT m_templateId;
    const RouteRow* const m_routes;
    const std::size_t m_routeCount;
    HWND m_hWnd = nullptr;
    HWND m_hWndMain = nullptr;  // MainWindow(), as it was when the window opened
    bool m_modal = false;       // while DoModal's loop runs
    bool m_exchanging = false;  // while UpdateData runs
    INT_PTR m_result = -1;
};

// What the user is told when a command stops halfway.
extern const wchar_t kCommandFailed[];

// One row of a routing table: a command (WM_COMMAND with a notification code
// and a control id) or another message, and the member function it runs. A
// handler of another message answers false to leave it to the default handling.
// Defined after Dialog: a pointer to a member of a class not yet defined would
// take a different size on some compilers.
struct RouteRow {
    UINT message;
    WORD code;
    WORD id;
    void (Dialog::*command)();
    bool (Dialog::*handler)(WPARAM wParam, LPARAM lParam, LRESULT& result);
};

template <class Window>
constexpr RouteRow OnCommand(WORD code, WORD id, void (Window::*command)()) {
    return {WM_COMMAND, code, id, static_cast<void (Dialog::*)()>(command), nullptr};
}

template <class Window>
constexpr RouteRow OnMessage(UINT message, bool (Window::*handler)(WPARAM, LPARAM, LRESULT&)) {
    return {message, 0, 0, nullptr, static_cast<bool (Dialog::*)(WPARAM, LPARAM, LRESULT&)>(handler)};
}

}  // namespace quill::win
