// What a keyboard test reads from the Windows side, printed as UTF-8 on one line:
//   probe clipboard   the clipboard's Unicode text (status 3 when it holds none)
//   probe output      the running Quillmere's output line
//   probe menu        "open" while a pop-up menu is open (status 3 when none is)
#include <cstdio>
#include <string>

#include "resource.h"
#include "window_probe.h"

namespace {

int Print(const std::wstring& text) {
    std::printf("%s\n", quill::test::Narrow(text).c_str());
    return 0;
}

int Clipboard() {
    if (!OpenClipboard(nullptr)) return 2;
    std::wstring text;
    bool found = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            found = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!found) return 3;
    // Line ends shown as the two characters \r\n, so the sentences stay on one line.
    for (std::size_t at = 0; (at = text.find(L"\r\n", at)) != std::wstring::npos;) text.replace(at, 2, L"\\r\\n");
    return Print(text);
}

int Output() {
    HWND main = FindWindowW(L"#32770", L"Quillmere");
    return main ? Print(quill::test::TextOf(GetDlgItem(main, IDC_OUTPUT))) : 2;
}

// Whether a pop-up menu is open. (Under Wine another process's menu cannot be
// read, so its items are checked in-process.)
int Menu() {
    bool open = false;
    EnumWindows(
        [](HWND hwnd, LPARAM found) {
            if (quill::test::ClassOf(hwnd) == L"#32768" && IsWindowVisible(hwnd)) *reinterpret_cast<bool*>(found) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&open));
    return open ? Print(L"open") : 3;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "clipboard") return Clipboard();
    if (what == "output") return Output();
    if (what == "menu") return Menu();
    std::fprintf(stderr, "usage: probe clipboard|output|menu\n");
    return 1;
}
