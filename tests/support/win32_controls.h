// Reading and working the program's controls from a test, in this process or
// from another one: every Windows test program reads them through these.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quill::test {

std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
// The texts of a window's controls, in template order.
std::vector<std::wstring> ChildTexts(HWND window);

bool Checked(HWND button);

// A drop-down list's entries, one of them, its selected position (-1 for
// none) and the text there (empty for none), as UTF-8.
std::vector<std::string> ListEntries(HWND list);
std::string ListText(HWND list, int position);
int ListSelection(HWND list);
std::string SelectedText(HWND list);
// A user's pick: the entry selected, then the list's selection change.
void PickEntry(HWND dialog, int listId, int position);

// The clipboard's Unicode text as UTF-8; none when it holds none or cannot be opened.
std::optional<std::string> ClipboardText();

// A process's private memory; 0 when it cannot be read. Under Wine the Windows
// counters read as zero and Linux's count of the Wine process's private
// resident memory (RssAnon, through Wine's Z: drive) stands in: for another
// process, the newest one started from that exe in this test's Wine prefix.
SIZE_T PrivateBytes(HANDLE process, const std::wstring& exe);

// Handles what is queued for this thread, as the program's message loop
// would between actions.
void PumpMessages();

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
