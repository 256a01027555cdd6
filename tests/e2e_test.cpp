// Quillmere.exe started as its own process and driven from outside, as another
// program (or a person) would: window messages to its controls, its message
// boxes found and read, and the process's end and exit status observed.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resource.h"
#include "window_probe.h"
#include "vocabulary.h"

namespace {

using quill::test::ChildTexts;
using quill::test::ClassOf;
using quill::test::TextOf;
using quill::test::WaitFor;

std::wstring Directory() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

// The visible top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->processId && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct MessageBoxSeen {
    HWND hwnd = nullptr;
    std::wstring caption, text;
    std::vector<std::wstring> buttons;
};

class Program {
public:
    explicit Program(const std::wstring& exe = L"Quillmere.exe") {
        std::wstring command = L"\"" + Directory() + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_);
        if (!started_) return;
        WaitForInputIdle(process_.hProcess, 10000);
        WaitFor([this] {
            for (HWND hwnd : WindowsOf(process_.dwProcessId)) {
                if (TextOf(hwnd) == L"Quillmere" && ClassOf(hwnd) == L"#32770") main_ = hwnd;
            }
            return main_ != nullptr;
        });
    }
    ~Program() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Main() const { return main_; }
    HWND Item(int id) const { return GetDlgItem(main_, id); }

    void Pick(int listId, const std::wstring& text) {
        HWND list = Item(listId);
        const auto index = text.empty() ? 0
                                        : SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                       reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, CB_ERR) << "no entry " << std::string(text.begin(), text.end());
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(main_, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    }
    // Posted, so that a message box the click opens does not hold up the test.
    void Click(int id) { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    void ClickAndWait(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

    std::wstring Output() const { return TextOf(Item(IDC_OUTPUT)); }

    // The message box the program shows next, with its caption, text and buttons.
    MessageBoxSeen WaitForMessageBox() {
        MessageBoxSeen seen;
        WaitFor([&] {
            for (HWND hwnd : WindowsOf(process_.dwProcessId)) {
                if (hwnd != main_ && ClassOf(hwnd) == L"#32770") seen.hwnd = hwnd;
            }
            return seen.hwnd != nullptr;
        });
        if (!seen.hwnd) return seen;
        seen.caption = TextOf(seen.hwnd);
        for (HWND child = GetWindow(seen.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            if (ClassOf(child) == L"Button") seen.buttons.push_back(TextOf(child));
            if (ClassOf(child) == L"Static" && !TextOf(child).empty()) seen.text = TextOf(child);
        }
        EXPECT_EQ(GetWindow(seen.hwnd, GW_OWNER), main_) << "the main window owns its message boxes";
        EXPECT_FALSE(IsWindowEnabled(main_)) << "the message box is modal";
        return seen;
    }
    void Dismiss(const MessageBoxSeen& box) {
        PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return !IsWindow(box.hwnd); });
    }

    // Whether the process ended on its own within the time, with status 0.
    bool EndsCleanly() {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return false;
        DWORD status = 1;
        GetExitCodeProcess(process_.hProcess, &status);
        return status == 0;
    }
    DWORD ThreadId() const { return process_.dwThreadId; }

    // Another top-level window of the program, by its title.
    HWND WaitForWindow(const std::wstring& title) {
        HWND found = nullptr;
        WaitFor([&] {
            for (HWND hwnd : WindowsOf(process_.dwProcessId)) {
                if (TextOf(hwnd) == title) found = hwnd;
            }
            return found != nullptr;
        });
        return found;
    }
    std::string SelectedText(int listId) {
        HWND list = Item(listId);
        const auto index = SendMessageW(list, CB_GETCURSEL, 0, 0);
        wchar_t text[128] = L"";
        if (index >= 0) SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        std::wstring wide(text);
        return std::string(wide.begin(), wide.end());
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND main_ = nullptr;
};

TEST(EndToEnd, StartsAsANewUserSeesIt) {
    Program program;
    ASSERT_NE(program.Main(), nullptr) << "no main window";
    for (int id : {IDC_CONCEPT, IDC_ACTION, IDC_OBJECT}) {
        EXPECT_EQ(SendMessageW(program.Item(id), CB_GETCURSEL, 0, 0), 0);
        wchar_t text[8] = L"x";
        SendMessageW(program.Item(id), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, L"");
    }
    EXPECT_EQ(SendMessageW(program.Item(IDC_CONCEPT), CB_GETCOUNT, 0, 0), 66);
    EXPECT_EQ(SendMessageW(program.Item(IDC_METAPHOR), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(program.Item(IDC_SIMILE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(program.Item(IDC_CONVENTIONAL), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(program.Output(), L"");

    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(program.ThreadId(), &gui));
    EXPECT_EQ(gui.hwndFocus, program.Item(IDC_CONCEPT));

    RECT window, work;
    GetWindowRect(program.Main(), &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 2);

    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, GeneratesASimileAndComplainsAboutABlankList) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    program.ClickAndWait(IDC_CONVENTIONAL);  // unconventional: a negative concept, a positive action
    program.Pick(IDC_CONCEPT, L"Myself");
    program.Pick(IDC_ACTION, L"Heals");
    program.Pick(IDC_OBJECT, L"Fire");
    program.ClickAndWait(IDC_SIMILE);
    program.ClickAndWait(IDC_GENERATE);
    EXPECT_EQ(program.Output(), L"I am like a healing fire.");

    program.Pick(IDC_ACTION, L"");
    program.Click(IDC_GENERATE);
    const MessageBoxSeen box = program.WaitForMessageBox();
    ASSERT_NE(box.hwnd, nullptr) << "no message box";
    EXPECT_EQ(box.caption, L"Quillmere");
    EXPECT_EQ(box.text,
              L"All combo box controls must have a selection before a simile can be generated.  Moron.");
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    program.Dismiss(box);
    EXPECT_EQ(program.Output(), L"I am like a healing fire.");
    EXPECT_TRUE(IsWindowEnabled(program.Main()));

    program.Click(IDC_EXIT);
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, ResetReturnsAnUnreadSimileToMetaphor) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    program.ClickAndWait(IDC_SIMILE);
    program.ClickAndWait(IDC_RESET);
    EXPECT_EQ(SendMessageW(program.Item(IDC_METAPHOR), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(program.Item(IDC_SIMILE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // OK, as Enter sends it from a list: reads the window, then ends.
    PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, MessageBoxCaptionIsTheProgramFilesName) {
    const std::wstring renamed = L"Quillwhat.exe";
    ASSERT_TRUE(CopyFileW((Directory() + L"Quillmere.exe").c_str(), (Directory() + renamed).c_str(), FALSE));
    {
        Program program(renamed);
        ASSERT_NE(program.Main(), nullptr);
        program.Click(IDC_GENERATE);
        const MessageBoxSeen box = program.WaitForMessageBox();
        EXPECT_EQ(box.caption, L"Quillwhat");
        EXPECT_EQ(box.text, L"All combo box controls must have a selection before a metaphore can be "
                            L"generated.  Moron.");
        program.Dismiss(box);
        PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
        EXPECT_TRUE(program.EndsCleanly());
    }
    DeleteFileW((Directory() + renamed).c_str());
}

TEST(EndToEnd, FixedPositivePolarityChosenInTheSettingsWindow) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    program.Click(IDC_CONFIGURE_AUTO);
    HWND settings = program.WaitForWindow(L"Dialog");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(GetWindow(settings, GW_OWNER), nullptr);
    SendMessageW(GetDlgItem(settings, IDC_RANDOMIZE_POLARITY), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(settings, IDC_AUTO_POSITIVE), BM_CLICK, 0, 0);
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
    EXPECT_TRUE(WaitFor([settings] { return !IsWindow(settings); }));

    for (int run = 0; run < 3; ++run) {
        program.ClickAndWait(IDC_AUTO_GENERATE);
        EXPECT_EQ(quill::ClassifyPolarity(program.SelectedText(IDC_CONCEPT)), quill::Polarity::Positive);
        EXPECT_EQ(quill::ClassifyPolarity(program.SelectedText(IDC_OBJECT)), quill::Polarity::Positive);
        EXPECT_FALSE(program.Output().empty());
    }
    PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.EndsCleanly());
}

TEST(EndToEnd, AboutFromBothMenusDisablesOnlyTheMainWindow) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    program.Click(IDC_CONFIGURE_AUTO);
    HWND settings = program.WaitForWindow(L"Dialog");
    ASSERT_NE(settings, nullptr);

    std::vector<std::vector<std::wstring>> contents;
    for (bool fromSystemMenu : {false, true}) {
        if (fromSystemMenu) {
            PostMessageW(program.Main(), WM_SYSCOMMAND, 16, 0);
        } else {
            PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(ID_ABOUT_QUILLMERE, 0), 0);
        }
        HWND about = program.WaitForWindow(L"About Quillmere");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(GetWindow(about, GW_OWNER), program.Main());
        EXPECT_FALSE(IsWindowEnabled(program.Main()));
        EXPECT_TRUE(IsWindowEnabled(settings));
        RECT a, m;
        GetWindowRect(about, &a);
        GetWindowRect(program.Main(), &m);
        EXPECT_NEAR((a.left + a.right) / 2, (m.left + m.right) / 2, 2) << "centred over the main window";
        EXPECT_NEAR((a.top + a.bottom) / 2, (m.top + m.bottom) / 2, 2);
        contents.push_back(ChildTexts(about));
        PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(WaitFor([about] { return !IsWindow(about); }));
        EXPECT_TRUE(IsWindowEnabled(program.Main()));
    }
    ASSERT_EQ(contents.size(), 2u);
    EXPECT_EQ(contents[0], contents[1]);

    // The main window ends the program, settings window and all.
    PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(program.EndsCleanly());
}

}  // namespace
