// Reading windows from a test, in this process or another one.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace quill::test {

inline std::wstring TextOf(HWND hwnd) {
    wchar_t text[1024] = L"";
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

inline std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    return name;
}

inline std::string Narrow(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// The texts of a window's controls, in template order.
inline std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(TextOf(child));
    }
    return texts;
}

inline std::string ReadWholeFile(const std::wstring& path) {
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

// Under Wine the Windows memory counters read as zero; Linux's count of a Wine
// process's private resident memory (RssAnon in /proc/PID/status, reached
// through Wine's Z: drive) stands in. 0 when there is no such file.
inline SIZE_T UnixPrivateBytesFromStatus(const std::wstring& statusPath) {
    const std::string status = ReadWholeFile(statusPath);
    const std::size_t at = status.find("RssAnon:");
    if (at == std::string::npos) return 0;
    return static_cast<SIZE_T>(std::strtoull(status.c_str() + at + 8, nullptr, 10)) * 1024;
}

// Polls until done() holds or the time is up; whether it held.
template <class Predicate>
bool WaitFor(Predicate done, DWORD milliseconds = 10000) {
    for (DWORD waited = 0; waited < milliseconds; waited += 2) {
        if (done()) return true;
        Sleep(2);
    }
    return done();
}

}  // namespace quill::test
