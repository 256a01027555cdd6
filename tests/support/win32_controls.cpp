#include "win32_controls.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>

#include "text.h"

namespace quill::test {
namespace {

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

// The Unix process directory of the newest process started from the exe in
// this test's own Wine prefix.
std::wstring UnixProcessOf(const std::wstring& exe) {
    const std::string name = win::Narrow(exe);
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    const std::string ownPrefix = std::string("WINEPREFIX=") + prefix + '\0';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return std::wstring();
    unsigned long newest = 0;
    do {
        const std::wstring pid = found.cFileName;
        if (pid.empty() || !std::iswdigit(pid[0])) continue;
        if (ReadWholeFile(L"Z:\\proc\\" + pid + L"\\cmdline").find(name) == std::string::npos) continue;
        if (prefix[0] && ReadWholeFile(L"Z:\\proc\\" + pid + L"\\environ").find(ownPrefix) == std::string::npos) {
            continue;
        }
        newest = std::max(newest, std::wcstoul(pid.c_str(), nullptr, 10));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return newest ? L"Z:\\proc\\" + std::to_wstring(newest) : std::wstring();
}

}  // namespace

std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = L"";
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(TextOf(child));
    }
    return texts;
}

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<std::string> ListEntries(HWND list) {
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) entries.push_back(ListText(list, i));
    return entries;
}

std::string ListText(HWND list, int position) {
    wchar_t text[128] = L"";
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
    return win::Narrow(text);
}

int ListSelection(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

std::string SelectedText(HWND list) {
    const int index = ListSelection(list);
    return index < 0 ? std::string() : ListText(list, index);
}

void PickEntry(HWND dialog, int listId, int position) {
    HWND list = GetDlgItem(dialog, listId);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::optional<std::string> ClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = win::Narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

SIZE_T PrivateBytes(HANDLE process, const std::wstring& exe) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    if (counters.PrivateUsage) return counters.PrivateUsage;
    const std::wstring unixProcess = GetProcessId(process) == GetCurrentProcessId() ? L"Z:\\proc\\self" : UnixProcessOf(exe);
    if (unixProcess.empty()) return 0;
    const std::string status = ReadWholeFile(unixProcess + L"\\status");
    const std::size_t at = status.find("RssAnon:");
    if (at == std::string::npos) return 0;
    return static_cast<SIZE_T>(std::strtoull(status.c_str() + at + 8, nullptr, 10)) * 1024;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace quill::test
