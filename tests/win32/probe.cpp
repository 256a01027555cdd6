// What a script reads from the Windows side, printed as UTF-8 on one line:
//   probe clipboard   the clipboard's Unicode text (status 3 when it holds none)
//   probe output      the running Quillmere's output line
//   probe menu        "open" while a pop-up menu is open (status 3 when none is)
//   probe dpi         the screen's DPI, as Windows programs here are told it
#include <cstdio>
#include <optional>
#include <string>

#include "resource.h"
#include "text.h"
#include "win32_controls.h"

namespace {

int Print(const std::string& text) {
    std::printf("%s\n", text.c_str());
    return 0;
}

int Clipboard() {
    std::optional<std::string> text = quill::test::ClipboardText();
    if (!text) return 3;
    // Line ends shown as the two characters \r\n, so the sentences stay on one line.
    for (std::size_t at = 0; (at = text->find("\r\n", at)) != std::string::npos;) text->replace(at, 2, "\\r\\n");
    return Print(*text);
}

int Output() {
    HWND main = FindWindowW(L"#32770", L"Quillmere");
    return main ? Print(quill::win::Narrow(quill::test::TextOf(GetDlgItem(main, IDC_OUTPUT)))) : 2;
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
    return open ? Print("open") : 3;
}

int Dpi() {
    SetProcessDPIAware();  // or Windows would tell this program 96 whatever the setting
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Print(std::to_string(dpi));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "clipboard") return Clipboard();
    if (what == "output") return Output();
    if (what == "menu") return Menu();
    if (what == "dpi") return Dpi();
    std::fprintf(stderr, "usage: probe clipboard|output|menu|dpi\n");
    return 1;
}
