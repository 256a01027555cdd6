#include "program_driver.h"

namespace quill::test {

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly) {
    struct Search {
        DWORD processId;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{processId, visibleOnly, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->processId && (!s->visibleOnly || IsWindowVisible(hwnd))) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Program::Program(const std::wstring& exe, const std::wstring& title) : m_exe(exe) {
    std::wstring command = L"\"" + ProgramDirectory() + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    m_started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &m_process) != FALSE;
    if (!m_started) return;
    WaitForInputIdle(m_process.hProcess, 10000);
    m_main = WaitForWindow(title);
}

Program::~Program() {
    if (!m_started) return;
    if (Alive()) TerminateProcess(m_process.hProcess, 99);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool Program::Alive() const { return m_started && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

bool Program::PickText(int listId, const std::wstring& text) {
    const auto index = text.empty() ? 0
                                    : SendMessageW(Item(listId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) return false;
    PickEntry(m_main, listId, static_cast<int>(index));
    return true;
}

HWND Program::OpenSettings() {
    Click(IDC_CONFIGURE_AUTO);
    return WaitForWindow(L"Dialog");
}

bool Program::ClickAndWait(int id) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(Item(id), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &answer) != 0;
}

HWND Program::WaitForWindow(const std::wstring& title, DWORD milliseconds) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND hwnd : WindowsOf(m_process.dwProcessId)) {
                if (TextOf(hwnd) == title && ClassOf(hwnd) == L"#32770") found = hwnd;
            }
            return found != nullptr;
        },
        milliseconds);
    return found;
}

MessageBoxSeen Program::WaitForMessageBox(DWORD milliseconds) const {
    MessageBoxSeen seen;
    WaitFor(
        [&] {
            for (HWND hwnd : WindowsOf(m_process.dwProcessId)) {
                // A message box is a dialog with a static text and no list.
                if (hwnd == m_main || ClassOf(hwnd) != L"#32770") continue;
                const std::wstring title = TextOf(hwnd);
                if (title == L"Dialog" || title == L"About Quillmere") continue;
                seen.hwnd = hwnd;
            }
            return seen.hwnd != nullptr;
        },
        milliseconds);
    if (!seen.hwnd) return seen;
    seen.owner = GetWindow(seen.hwnd, GW_OWNER);
    seen.caption = TextOf(seen.hwnd);
    for (HWND child = GetWindow(seen.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        if (ClassOf(child) == L"Button") seen.buttons.push_back(TextOf(child));
        if (ClassOf(child) == L"Static" && !TextOf(child).empty()) seen.text = TextOf(child);
    }
    return seen;
}

void Program::Dismiss(const MessageBoxSeen& box) {
    PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindow(box.hwnd); });
}

bool Program::EndsCleanly() {
    if (!m_started || WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) return false;
    DWORD status = 1;
    GetExitCodeProcess(m_process.hProcess, &status);
    return status == 0;
}

SIZE_T Program::PrivateBytes() const { return test::PrivateBytes(m_process.hProcess, m_exe); }

}  // namespace quill::test
