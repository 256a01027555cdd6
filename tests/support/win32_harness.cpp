#include "win32_harness.h"

#include "clipboard.h"
#include "win32_controls.h"

#include <gtest/gtest.h>

#include <utility>

namespace quill::test {

std::vector<RecordingDlg::ShellRequest> RecordingDlg::shellRequests;
std::vector<RecordingDlg::Annotation> RecordingDlg::annotations;

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

void Win32Harness::Pick(Category category, int position) { PickEntry(Window(), ListId(category), position); }

std::vector<std::string> Win32Harness::Entries(Category category) { return ListEntries(Item(ListId(category))); }

int Win32Harness::Selection(Category category) { return ListSelection(Item(ListId(category))); }

int Win32Harness::FigureShown() {
    const bool metaphor = Checked(Item(IDC_METAPHOR)), simile = Checked(Item(IDC_SIMILE));
    if (metaphor == simile) return -1;
    return metaphor ? 0 : 1;
}

bool Win32Harness::ConventionalShown() { return Checked(Item(IDC_CONVENTIONAL)); }

std::string Win32Harness::Output() { return win::Narrow(TextOf(Item(IDC_OUTPUT))); }

std::vector<std::string> Win32Harness::TakeMessages() {
    return std::exchange(m_dialog.messages, {});
}

std::string Win32Harness::Clipboard() { return ClipboardText().value_or("(no text on the clipboard)"); }

void Win32Harness::PutOnClipboard(const std::string& text) {
    ASSERT_TRUE(win::CopyToClipboard(nullptr, win::Widen(text)));
}

std::unique_ptr<FormHarness> MakeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace quill::test
