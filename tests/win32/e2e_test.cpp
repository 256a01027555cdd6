// Quillmere.exe started as its own process and driven from outside, as another
// program (or a person) would: window messages to its controls, its message
// boxes found and read, and the process's end and exit status observed.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "program_driver.h"
#include "resource.h"
#include "text.h"

namespace quill::test {
namespace {

void ExpectMissingSelectionBox(Program& program, const std::wstring& caption, const std::string& text) {
    const MessageBoxSeen box = program.WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr) << "no message box";
    EXPECT_EQ(box.owner, program.Main()) << "the main window owns its message boxes";
    EXPECT_FALSE(IsWindowEnabled(program.Main())) << "the message box is modal";
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(win::Narrow(box.text), text);
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    Program::Dismiss(box);
}

// What only the real start shows: the focus on the concept list, the window
// centred in the work area, and the close box ending the program, the open
// settings window with it. (What the window shows at start is the scenario
// suite's, on the real dialog.)
TEST(EndToEnd, StartsFocusedAndCentredAndTheCloseBoxEndsIt) {
    Program program;
    ASSERT_NE(program.Main(), nullptr) << "no main window";
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(program.ThreadId(), &gui));
    EXPECT_EQ(gui.hwndFocus, program.Item(IDC_CONCEPT));

    RECT window, work;
    GetWindowRect(program.Main(), &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 2);

    ASSERT_NE(program.OpenSettings(), nullptr);
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, GeneratesASimileAndComplainsAboutABlankList) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    program.ClickAndWait(IDC_CONVENTIONAL);  // unconventional: a negative concept, a positive action
    ASSERT_TRUE(program.PickText(IDC_CONCEPT, L"Myself"));
    ASSERT_TRUE(program.PickText(IDC_ACTION, L"Heals"));
    ASSERT_TRUE(program.PickText(IDC_OBJECT, L"Fire"));
    program.ClickAndWait(IDC_SIMILE);
    program.ClickAndWait(IDC_GENERATE);
    EXPECT_EQ(program.Output(), L"I am like a healing fire.");

    program.PickText(IDC_ACTION, L"");
    program.Click(IDC_GENERATE);
    ExpectMissingSelectionBox(program, L"Quillmere", kSimileMissing);
    EXPECT_EQ(program.Output(), L"I am like a healing fire.");
    EXPECT_TRUE(IsWindowEnabled(program.Main()));

    program.Click(IDC_EXIT);
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, MessageBoxCaptionIsTheProgramFilesName) {
    const std::wstring renamed = L"Quillwhat.exe";
    ASSERT_TRUE(CopyFileW((ProgramDirectory() + L"Quillmere.exe").c_str(), (ProgramDirectory() + renamed).c_str(), FALSE));
    {
        Program program(renamed);
        ASSERT_NE(program.Main(), nullptr);
        program.Click(IDC_GENERATE);
        ExpectMissingSelectionBox(program, L"Quillwhat", kMetaphorMissing);
        PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
        EXPECT_TRUE(program.EndsCleanly());
    }
    DeleteFileW((ProgramDirectory() + renamed).c_str());
}

}  // namespace
}  // namespace quill::test
