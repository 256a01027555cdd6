#include "dialog.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace quill::win {
namespace {

// The atom of the system dialog class, "#32770": every dialog and message box.
constexpr ULONG_PTR kDialogClassAtom = 0x8002;

bool IsDialogWindow(HWND hwnd) { return GetClassLongPtrW(hwnd, GCW_ATOM) == kDialogClassAtom; }

// Gives a message to the dialog keyboard handling (Tab, Enter, Esc, arrows,
// mnemonics) of whichever of the program's dialogs it is for, modeless ones
// included; the platform's own modal loop would serve only the modal dialog.
bool TranslateDialogMessage(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && IsDialogWindow(root) && IsDialogMessageW(root, &msg);
}

// Dialog results that go back as the dialog procedure's return value.
bool ReturnsDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM: return true;
    default: return false;
    }
}

// The position and style the template gives the dialog.
bool TemplatePlacement(UINT templateId, short& x, short& y, DWORD& style) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return false;
    const auto* words = reinterpret_cast<const WORD*>(bytes);
    if (words[0] == 1 && words[1] == 0xFFFF) {  // DLGTEMPLATEEX
        style = *reinterpret_cast<const DWORD*>(bytes + 12);
        x = *reinterpret_cast<const short*>(bytes + 18);
        y = *reinterpret_cast<const short*>(bytes + 20);
    } else {
        const auto* plain = reinterpret_cast<const DLGTEMPLATE*>(bytes);
        style = plain->style;
        x = plain->x;
        y = plain->y;
    }
    return true;
}

// Selects the entry at an index; an index with no entry leaves no selection.
void SelectOrClear(HWND combo, int index) {
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const bool exists = index >= 0 && index < count;
    SendMessageW(combo, CB_SETCURSEL, exists ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

class ExchangeScope {
public:
    explicit ExchangeScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ExchangeScope() { m_flag = false; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    bool& m_flag;
};

}  // namespace

std::wstring Widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring ApplicationName() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring name(path.begin(), path.end());
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) name.erase(dot);
    return name;
}

void ComboBox::Fill(const std::vector<std::string>& texts) {
    // Drawn once when filled, not once per entry: with redraw on, every added
    // entry updates the list's scroll bar and repaints.
    SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
    const std::size_t characters = std::accumulate(
        texts.begin(), texts.end(), std::size_t{0},
        [](std::size_t sum, const std::string& text) { return sum + text.size() + 1; });
    SendMessageW(m_hWnd, CB_INITSTORAGE, texts.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::string& text : texts) {
        const std::wstring wide = Widen(text);
        SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    // Turning redraw back on repaints nothing by itself; the list may be dropped down.
    InvalidateRect(m_hWnd, nullptr, TRUE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(m_hWnd, &info) && info.hwndList && IsWindowVisible(info.hwndList)) {
        InvalidateRect(info.hwndList, nullptr, TRUE);
    }
}

void ComboBox::SelectPosition(int position) { SelectOrClear(m_hWnd, position); }

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

void DataExchange::Control(int id, ComboBox& combo) {
    if (!m_save && !combo.GetSafeHwnd()) combo.Attach(Item(id));
}

void DataExchange::CBIndex(int id, int& index) {
    HWND combo = Item(id);
    if (m_save) {
        index = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        return;
    }
    SelectOrClear(combo, index);
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

INT_PTR Dialog::DoModal(HWND owner) {
    m_modal = true;
    m_running = true;
    m_result = -1;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        m_modal = m_running = false;
        return -1;
    }
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    if (m_running) ShowWindow(hwnd, SW_SHOW);

    MSG msg;
    while (m_running) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever runs the outer loop
            break;
        }
        if (!TranslateDialogMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // Re-enable the owner first so that activation returns to it, not elsewhere.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (owner && GetActiveWindow() == hwnd) SetActiveWindow(owner);
    DestroyWindow(hwnd);
    m_modal = false;
    return m_result;
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!m_hWnd) return false;
    ExchangeScope scope(m_exchanging);
    DataExchange exchange(m_hWnd, saveAndValidate);
    DoDataExchange(exchange);
    return true;
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_running = false;
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if ended from outside it
    } else if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
}

int Dialog::MessageBox(const std::wstring& text, const wchar_t* caption, UINT type) {
    const std::wstring name = caption ? std::wstring(caption) : ApplicationName();
    return ::MessageBoxW(m_hWnd, text.c_str(), name.c_str(), type);
}

BOOL Dialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::Route(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_hWnd = hwnd;
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT and the like) find no object.
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Exceptions never cross into Windows; the message gets the default handling.
        return FALSE;
    }
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterIfUnplaced(GetWindow(m_hWnd, GW_OWNER));
        return OnInitDialog();
    case WM_NCDESTROY:
        // The window's last message: after this the object may be released.
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        PostNcDestroy();
        return FALSE;
    case WM_COMMAND:
        // A control's notification raised while the program itself is exchanging
        // data is not a user action.
        if (m_exchanging && lParam != 0) return TRUE;
        break;
    default: break;
    }

    LRESULT result = 0;
    if (Route(message, wParam, lParam, result)) {
        if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

// A dialog whose template puts it at 0,0 without a centring style opens centred:
// over its owner when it has a visible one, otherwise in the work area.
void Dialog::CenterIfUnplaced(HWND owner) {
    short x = 0, y = 0;
    DWORD style = 0;
    if (!TemplatePlacement(m_templateId, x, y, style) || x != 0 || y != 0 || (style & DS_CENTER)) return;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);

    RECT window;
    GetWindowRect(m_hWnd, &window);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG left = area.left + (area.right - area.left - width) / 2;
    LONG top = area.top + (area.bottom - area.top - height) / 2;
    left = std::max(work.left, std::min(left, work.right - width));
    top = std::max(work.top, std::min(top, work.bottom - height));
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quill::win
