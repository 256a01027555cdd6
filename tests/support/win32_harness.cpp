#include "win32_harness.h"

#include "clipboard.h"

#include <gtest/gtest.h>

namespace quill::test {

std::vector<RecordingDlg::ShellRequest> RecordingDlg::shellRequests;

Win32Harness::Win32Harness() {
    // Modeless here, so the test keeps control; the window is the real template.
    EXPECT_TRUE(m_dialog.Create(nullptr));
}

Win32Harness::~Win32Harness() {
    if (Window()) DestroyWindow(Window());
}

int Win32Harness::ListId(Category category) {
    switch (category) {
    case Category::Action: return IDC_ACTION;
    case Category::Object: return IDC_OBJECT;
    case Category::Concept: break;
    }
    return IDC_CONCEPT;
}

void Win32Harness::Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

void Win32Harness::Pick(Category category, int position) {
    HWND list = Item(ListId(category));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(ListId(category), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::vector<std::string> Win32Harness::Entries(Category category) {
    HWND list = Item(ListId(category));
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(win::Narrow(text));
    }
    return entries;
}

int Win32Harness::Selection(Category category) {
    return static_cast<int>(SendMessageW(Item(ListId(category)), CB_GETCURSEL, 0, 0));
}

int Win32Harness::FigureShown() {
    const bool metaphor = SendMessageW(Item(IDC_METAPHOR), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool simile = SendMessageW(Item(IDC_SIMILE), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (metaphor == simile) return -1;
    return metaphor ? 0 : 1;
}

bool Win32Harness::ConventionalShown() {
    return SendMessageW(Item(IDC_CONVENTIONAL), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Win32Harness::Output() {
    wchar_t text[512] = L"";
    GetWindowTextW(Item(IDC_OUTPUT), text, 512);
    return win::Narrow(text);
}

std::vector<std::string> Win32Harness::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(m_dialog.messages);
    return taken;
}

std::string Win32Harness::Clipboard() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return "(the clipboard cannot be opened)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return win::Narrow(text);
}

void Win32Harness::PutOnClipboard(const std::string& text) {
    ASSERT_TRUE(win::CopyToClipboard(nullptr, win::Widen(text)));
}

std::unique_ptr<FormHarness> MakeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace quill::test
