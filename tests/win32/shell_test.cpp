// The real main dialog in this process: what the platform side adds to the
// form logic (bindings, routing, system menu, icons) and what it must not do.
// The layout itself is the .rc's, seen in the screenshots at three DPIs.
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "win32_controls.h"
#include "win32_harness.h"

namespace quill::test {
namespace {

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

// The live-region events this thread has heard, each on its window: out of
// context, they arrive as the thread takes its messages.
std::vector<HWND> g_liveRegionChanges;
void CALLBACK HearLiveRegion(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (event == EVENT_OBJECT_LIVEREGIONCHANGED && object == OBJID_CLIENT && child == CHILDID_SELF) {
        g_liveRegionChanges.push_back(hwnd);
    }
}

// Only the user's own picks and clicks reach the routing table; a screen
// reader hears the output line once for each new sentence, and never else.
TEST(MainWindow, ProgramChangesRaiseNoNotificationAndEachNewSentenceIsReadOut) {
    Win32Harness h;
    RecordingDlg& dialog = h.Dialog();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, HearLiveRegion, GetCurrentProcessId(),
                                         GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    // Clicks move the focus, which raises focus notifications; only selection
    // changes and clicks have rows in the routing table.
    auto expectOnly = [&](WPARAM sent, std::size_t sentences) {
        std::vector<WPARAM> routable;
        for (WPARAM command : dialog.commands) {
            if (HIWORD(command) == BN_CLICKED || HIWORD(command) == CBN_SELCHANGE) routable.push_back(command);
        }
        EXPECT_EQ(routable, std::vector<WPARAM>{sent});
        dialog.commands.clear();
        PumpMessages();
        EXPECT_EQ(std::exchange(g_liveRegionChanges, {}), std::vector<HWND>(sentences, h.Item(IDC_OUTPUT)))
            << "read out after command " << LOWORD(sent);
    };
    dialog.commands.clear();
    PumpMessages();
    g_liveRegionChanges.clear();
    h.PickText(Category::Concept, "Evil");
    expectOnly(MAKEWPARAM(IDC_CONCEPT, CBN_SELCHANGE), 0);
    h.PickText(Category::Action, "Wounds");
    expectOnly(MAKEWPARAM(IDC_ACTION, CBN_SELCHANGE), 0);
    h.PickText(Category::Object, "War");
    expectOnly(MAKEWPARAM(IDC_OBJECT, CBN_SELCHANGE), 0);
    h.ClickGenerate();
    expectOnly(MAKEWPARAM(IDC_GENERATE, BN_CLICKED), 1);
    h.ClickGenerate();  // the same sentence again
    expectOnly(MAKEWPARAM(IDC_GENERATE, BN_CLICKED), 0);
    h.ClickReset();
    expectOnly(MAKEWPARAM(IDC_RESET, BN_CLICKED), 0);
    h.ClickGenerate();  // the missing-selection message
    expectOnly(MAKEWPARAM(IDC_GENERATE, BN_CLICKED), 0);
    EXPECT_EQ(h.TakeMessages().size(), 1u);
    h.ClickConventional();
    expectOnly(MAKEWPARAM(IDC_CONVENTIONAL, BN_CLICKED), 0);
    h.Chance().SetSeconds(3);
    h.ClickAutoGenerate();
    expectOnly(MAKEWPARAM(IDC_AUTO_GENERATE, BN_CLICKED), 1);
    EXPECT_FALSE(h.Output().empty());
    UnhookWinEvent(hook);
}

// The console program's --auto with seed 1 prints, press for press, what the
// window shows at second 1 drawing from the Windows runtime's published
// sequence as srand(1) starts it (the test's generator, not the program's).
TEST(MainWindow, ConsoleSeedOneMatchesTheWindowOnThePublishedRandSequence) {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, folder, MAX_PATH);
    // Quoted whole as well, for cmd /c to take the quotes of the path alone.
    std::wstring command = std::wstring(L"\"\"") + std::wstring(folder, length);
    command.replace(command.find_last_of(L'\\') + 1, std::wstring::npos, L"Quillmere.com\" --auto 25 --seed 1\"");
    std::string printed;
    FILE* console = _wpopen(command.c_str(), L"rb");
    ASSERT_NE(console, nullptr);
    for (int c; (c = std::fgetc(console)) != EOF;) {
        if (c != '\r') printed += static_cast<char>(c);
    }
    EXPECT_EQ(_pclose(console), 0);

    Win32Harness h;
    h.Chance().SetSeconds(1);
    std::string shown;
    for (int press = 0; press < 25; ++press) {
        h.ClickAutoGenerate();
        shown += h.Output() + "\n";
    }
    EXPECT_EQ(printed, shown);
}

// A pick may come while its list is dropped down (arrow keys there select at
// once); the list refilled under it must be live again, scroll range included.
TEST(MainWindow, ARefillLeavesTheDroppedDownListLive) {
    Win32Harness h;
    HWND concept = h.Item(IDC_CONCEPT);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(concept, &info));
    SendMessageW(concept, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
    auto scrollRangeEnd = [&info] {
        SCROLLINFO scroll{};
        scroll.cbSize = sizeof scroll;
        scroll.fMask = SIF_RANGE;
        GetScrollInfo(info.hwndList, SB_VERT, &scroll);
        return scroll.nMax;
    };
    const int all = static_cast<int>(SendMessageW(concept, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(scrollRangeEnd(), all - 1);

    h.PickText(Category::Concept, "Evil");
    const int narrowed = static_cast<int>(SendMessageW(concept, CB_GETCOUNT, 0, 0));
    ASSERT_LT(narrowed, all);
    EXPECT_EQ(scrollRangeEnd(), narrowed - 1);
    SendMessageW(concept, CB_SHOWDROPDOWN, FALSE, 0);

    // Closed again, a later refill (Reset) updates it as well.
    h.ClickReset();
    EXPECT_EQ(scrollRangeEnd(), all - 1);
}

// A screen reader hears the lists by the web edition's names and the output
// line by its text, which a name of its own would replace, each new text read
// out; everything told is taken back before the controls go.
TEST(MainWindow, ScreenReadersHearTheListsByNameAndTheOutputLineByItsText) {
    using Heard = std::pair<std::optional<std::wstring>, bool>;  // name, live region
    std::map<HWND, Heard> told, takenBack;
    HWND concept, action, object, output;
    {
        Win32Harness h;
        concept = h.Item(IDC_CONCEPT), action = h.Item(IDC_ACTION), object = h.Item(IDC_OBJECT), output = h.Item(IDC_OUTPUT);
    }
    for (const RecordingDlg::Annotation& a : RecordingDlg::annotations) {
        (a.annotate ? told : takenBack)[a.control] = {a.name ? std::optional<std::wstring>(a.name) : std::nullopt, a.liveRegion};
    }
    EXPECT_EQ(told[concept], Heard(L"Concept", false));
    EXPECT_EQ(told[action], Heard(L"Action", false));
    EXPECT_EQ(told[object], Heard(L"Object", false));
    EXPECT_EQ(told[output], Heard(std::nullopt, true)) << "the output line has no name of its own and is a live region";
    EXPECT_EQ(takenBack, told);
}

TEST(MainWindow, BindingsWriteAndReadTheControls) {
    Win32Harness h;
    MainFormState& state = h.State();
    state.m_nConcept = 98;   // past the last entry
    state.m_nAction = -1;
    state.m_nObject = 60;    // the last entry
    state.m_nFigure = -1;
    state.m_strOutput = "Consuming  meter maids are a fire.";
    state.m_bConventional = 0;
    h.Dialog().WriteToWindow();
    EXPECT_EQ(h.Selection(Category::Concept), -1);
    EXPECT_EQ(h.Selection(Category::Action), -1);
    EXPECT_EQ(h.Selection(Category::Object), 60);
    EXPECT_EQ(h.FigureShown(), -1);
    EXPECT_EQ(h.Output(), "Consuming  meter maids are a fire.");
    EXPECT_FALSE(h.ConventionalShown());

    SendMessageW(h.Item(IDC_SIMILE), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(h.Item(IDC_CONVENTIONAL), BM_SETCHECK, BST_CHECKED, 0);
    SetWindowTextW(h.Item(IDC_OUTPUT), L"changed");
    h.Dialog().ReadFromWindow();
    EXPECT_EQ(state.m_nConcept, -1);
    EXPECT_EQ(state.m_nAction, -1);
    EXPECT_EQ(state.m_nObject, 60);
    EXPECT_EQ(state.m_nFigure, 1);
    EXPECT_EQ(state.m_strOutput, "changed");
    EXPECT_EQ(state.m_bConventional, 1);
}

TEST(MainWindow, SystemMenuCarriesTheAboutItem) {
    Win32Harness h;
    HMENU menu = GetSystemMenu(h.Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 16u);
    EXPECT_EQ(MenuText(menu, static_cast<UINT>(count - 1)), L"&About Quillmere...");
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

TEST(MainWindow, IconsAreTheApplicationIcon) {
    Win32Harness h;
    const auto big = SendMessageW(h.Window(), WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(big, 0);
    EXPECT_EQ(SendMessageW(h.Window(), WM_GETICON, ICON_SMALL, 0), big);
    EXPECT_EQ(SendMessageW(h.Window(), WM_QUERYDRAGICON, 0, 0), big);

    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(big), &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace quill::test
