// Quillmere.exe (or another dialog program) started as a process of its own and
// driven from outside with window messages, as another program would.
#pragma once

#include <string>
#include <vector>

#include "resource.h"
#include "win32_controls.h"

namespace quill::test {

// The folder of the running test program, where the built exe lies beside it.
std::wstring ProgramDirectory();

// Every top-level window of a process; only the visible ones unless asked.
std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly = true);

struct MessageBoxSeen {
    HWND hwnd = nullptr;
    HWND owner = nullptr;
    std::wstring caption, text;
    std::vector<std::wstring> buttons;
};

class Program {
public:
    // Starts the exe from the test program's folder and waits for its window.
    explicit Program(const std::wstring& exe = L"Quillmere.exe", const std::wstring& title = L"Quillmere");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Main() const { return m_main; }
    HWND Item(int id) const { return GetDlgItem(m_main, id); }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD ThreadId() const { return m_process.dwThreadId; }
    bool Alive() const;

    void Pick(int listId, int index) { PickEntry(m_main, listId, index); }
    // Picks the first entry with this text; false when there is none.
    bool PickText(int listId, const std::wstring& text);
    // Posted, so that a message box the click opens does not hold up the caller.
    void Click(int id) { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    // Sent: returns once the program has handled the click, or false after a
    // few seconds when something modal holds it up.
    bool ClickAndWait(int id);

    std::wstring Output() const { return TextOf(Item(IDC_OUTPUT)); }

    // Presses Configure Auto; the settings window, or null when it does not come.
    HWND OpenSettings();
    // Another top-level window of the program, by title; null when none comes.
    HWND WaitForWindow(const std::wstring& title, DWORD milliseconds = 10000) const;
    // The next message box, or one with a null hwnd when none comes in time.
    MessageBoxSeen WaitForMessageBox(DWORD milliseconds = 10000) const;
    static void Dismiss(const MessageBoxSeen& box);

    // Whether the process ended by itself within ten seconds, with status 0.
    bool EndsCleanly();
    // The process's private memory; 0 when it cannot be read.
    SIZE_T PrivateBytes() const;

private:
    std::wstring m_exe;
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_main = nullptr;
};

}  // namespace quill::test
