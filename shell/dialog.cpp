#include "dialog.h"

#include <algorithm>

#include "data_exchange.h"
#include "text.h"

namespace quill::win {
namespace {

// Gives a message to the keyboard handling (Tab, Enter, Esc, arrows, mnemonics)
// of whichever dialog (atom 0x8002, "#32770") it is for, modeless ones included:
// the platform's own modal loop would serve only the modal dialog.
bool TranslateDialogMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    return root && GetClassLongPtrW(root, GCW_ATOM) == 0x8002 && IsDialogMessageW(root, &msg);
}

// Messages whose result is the dialog procedure's return value itself.
bool ReturnsDirectly(UINT message) {
    return message == WM_INITDIALOG || message == WM_QUERYDRAGICON || message == WM_CHARTOITEM ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace

const wchar_t kCommandFailed[] =
    L"That could not be finished: the program ran out of memory or met a problem it did not expect.";

INT_PTR Dialog::DoModal(HWND owner) {
    m_modal = true;
    m_result = -1;
    if (!Create(owner)) {
        m_modal = false;
        return -1;
    }
    HWND hwnd = m_hWnd;
    // The dialog's keyboard shortcuts: the accelerator table with its template's id, if any.
    HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId));
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    if (m_modal) ShowWindow(hwnd, SW_SHOW);

    MSG msg;
    while (m_modal) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever runs the outer loop
        if (got == 0 || got == -1) break;
        const bool forThisDialog = msg.hwnd && GetAncestor(msg.hwnd, GA_ROOT) == hwnd;
        if (accelerators && forThisDialog && TranslateAcceleratorW(hwnd, accelerators, &msg)) continue;
        if (TranslateDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    m_modal = false;

    // Re-enable the owner first so that activation returns to it, not elsewhere.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (owner && GetActiveWindow() == hwnd) SetActiveWindow(owner);
    // Unless someone destroyed the window already, which ended the loop too.
    if (m_hWnd) DestroyWindow(m_hWnd);
    return m_result;
}

bool Dialog::Create(HWND parent) {
    ApplicationName();  // made now, never in the error path of a handler
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

// The one place where modal and modeless dialogs differ.
void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_modal = false;
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if ended from outside it
    } else if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!m_hWnd) return false;
    // Back as it was however the exchange ends, a thrown exception included.
    struct Exchanging {
        bool& flag;
        const bool found;
        explicit Exchanging(bool& on) : flag(on), found(on) { flag = true; }
        ~Exchanging() { flag = found; }
    } exchanging(m_exchanging);
    DataExchange exchange(m_hWnd, saveAndValidate);
    DoDataExchange(exchange);
    return true;
}

int Dialog::MessageBox(const std::wstring& text, UINT type) {
    return ::MessageBoxW(m_hWnd, text.c_str(), ApplicationName().c_str(), type);
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const RouteRow* row = m_routes; row != m_routes + m_routeCount; ++row) {
        if (row->message != message) continue;
        if (message == WM_COMMAND && (HIWORD(wParam) != row->code || LOWORD(wParam) != row->id)) continue;
        if (!row->command) return (this->*row->handler)(wParam, lParam, result);
        (this->*row->command)();
        return true;
    }
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* opening = reinterpret_cast<Dialog*>(lParam);
        opening->m_hWnd = hwnd;
        opening->m_hWndMain = opening->MainWindow();
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT and the like) find no object.
    Dialog* self = FromHandle(hwnd);
    if (!self) return FALSE;
    // Read now: a command may end the window and release the object with it.
    const HWND main = self->m_hWndMain;
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Exceptions never cross into Windows: the user is told, over the
        // window they were using (so the focus comes back there after OK), or
        // with a beep where no box can be shown; the message then gets the
        // default handling. Nothing here allocates, so that running out of
        // memory is told too, and the object is not touched: the command may
        // have released it.
        HWND owner = IsWindow(hwnd) ? hwnd : IsWindow(main) ? main : nullptr;
        if (!::MessageBoxW(owner, kCommandFailed, ApplicationName().c_str(), MB_OK | MB_ICONERROR)) {
            MessageBeep(MB_ICONERROR);
        }
        return FALSE;
    }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterOverOwner();
        return OnInitDialog();
    case WM_NCDESTROY:
        // The window's last message: after this the object may be released. A
        // modal loop ends with it, whoever destroyed the window.
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        m_modal = false;
        PostNcDestroy();
        return FALSE;
    case WM_COMMAND:
        // A control's notification raised by the program's own exchange is not a user action.
        if (m_exchanging && lParam != 0) return TRUE;
        break;
    default: break;
    }

    // A routed command may end the window and, a modeless one's, release this
    // object with it: after it, nothing of the object is used. A command has
    // no result; another message's goes to the window, if it is still there.
    const HWND hwnd = m_hWnd;
    LRESULT result = 0;
    if (Route(message, wParam, lParam, result)) {
        if (message == WM_COMMAND) return TRUE;
        if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    if (LOWORD(wParam) == IDOK) OnOK();
    else if (LOWORD(wParam) == IDCANCEL) OnCancel();
    return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
}

// Each of Quillmere's templates leaves its dialog at 0, 0 without a centring
// style, which opens it centred: over its owner when it has a visible one,
// otherwise in the work area.
void Dialog::CenterOverOwner() {
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work, window;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
    GetWindowRect(m_hWnd, &window);
    const LONG width = window.right - window.left, height = window.bottom - window.top;
    // Inside the work area, its top-left corner first.
    const LONG left = std::max(work.left, std::min(area.left + (area.right - area.left - width) / 2, work.right - width));
    const LONG top = std::max(work.top, std::min(area.top + (area.bottom - area.top - height) / 2, work.bottom - height));
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quill::win
