#include "program_driver.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>

namespace quill::test {
namespace {

// Under Wine another process's memory counters read as zero. Linux's own count
// of the Wine process's private resident memory (RssAnon, through Wine's Z:
// drive) stands in: the newest process started from the named exe in this
// test's own Wine prefix.
SIZE_T UnixPrivateBytes(const std::wstring& exe) {
    const std::string name(exe.begin(), exe.end());
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    const std::string ownPrefix = std::string("WINEPREFIX=") + prefix + '\0';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    unsigned long newest = 0;
    do {
        const std::wstring pid = found.cFileName;
        if (pid.empty() || !std::iswdigit(pid[0])) continue;
        const std::string command = ReadWholeFile(L"Z:\\proc\\" + pid + L"\\cmdline");
        if (command.find(name) == std::string::npos) continue;
        if (prefix[0] && ReadWholeFile(L"Z:\\proc\\" + pid + L"\\environ").find(ownPrefix) == std::string::npos) {
            continue;
        }
        newest = std::max(newest, std::wcstoul(pid.c_str(), nullptr, 10));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    if (newest == 0) return 0;
    return UnixPrivateBytesFromStatus(L"Z:\\proc\\" + std::to_wstring(newest) + L"\\status");
}

}  // namespace

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

void Program::Pick(int listId, int index) {
    HWND list = Item(listId);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(m_main, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool Program::PickText(int listId, const std::wstring& text) {
    const auto index = text.empty() ? 0
                                    : SendMessageW(Item(listId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                   reinterpret_cast<LPARAM>(text.c_str()));
    if (index == CB_ERR) return false;
    Pick(listId, static_cast<int>(index));
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

std::vector<std::wstring> Program::Entries(int listId) const {
    HWND list = Item(listId);
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    std::vector<std::wstring> entries;
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

int Program::Selection(int listId) const {
    return static_cast<int>(SendMessageW(Item(listId), CB_GETCURSEL, 0, 0));
}

std::wstring Program::SelectedText(int listId) const {
    const int index = Selection(listId);
    if (index < 0) return std::wstring();
    wchar_t text[128] = L"";
    SendMessageW(Item(listId), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
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

SIZE_T Program::PrivateBytes() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(m_process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage ? counters.PrivateUsage : UnixPrivateBytes(m_exe);
}

}  // namespace quill::test
