// The settings window and the About window, opened from the real main dialog.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32_controls.h"
#include "win32_harness.h"

namespace quill::test {
namespace {

// Every block this program takes through operator new and has not given back,
// so that a settings object that outlives its window shows.
long g_liveAllocations = 0;
// Out of memory from that many allocations on (none while negative).
long g_allocationsLeft = -1;
bool g_refused = false;  // an allocation, or a list's entry, was refused

bool Checked(HWND dialog, int id) { return test::Checked(GetDlgItem(dialog, id)); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The windows this thread has, top-level and visible or not.
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindThreadWindow(const std::wstring& title) {
    for (HWND hwnd : ThreadWindows()) {
        if (TextOf(hwnd) == title) return hwnd;
    }
    return nullptr;
}

// Presses Configure Auto; the settings window, or null when none is there.
HWND OpenSettings(Win32Harness& h) {
    h.Click(IDC_CONFIGURE_AUTO);
    return FindThreadWindow(L"Dialog");
}

class Settings : public ::testing::Test {
protected:
    Win32Harness h;

    HWND Open() { return OpenSettings(h); }
};

// The model's rules are tested natively; this checks that the controls show
// the model and that clicks reach it.
TEST_F(Settings, TheControlsShowTheMainFormsValuesAndClicksReachIt) {
    HWND settings = Open();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(IsWindowVisible(settings));
    EXPECT_EQ(TextOf(settings), L"Dialog");
    EXPECT_EQ(GetWindow(settings, GW_OWNER), nullptr) << "the settings window has no owner";
    // The first opening: every mode drawn at random, the first choice of each pair.
    for (int box : {IDC_RANDOMIZE_CONVENTION, IDC_RANDOMIZE_FIGURE, IDC_RANDOMIZE_POLARITY}) {
        EXPECT_TRUE(Checked(settings, box)) << box;
    }
    for (int id = IDC_AUTO_CONVENTIONAL; id <= IDC_AUTO_POSITIVE; ++id) {
        EXPECT_EQ(Checked(settings, id), (id - IDC_AUTO_CONVENTIONAL) % 2 == 0) << id;
        EXPECT_FALSE(Enabled(settings, id)) << id;
    }
    Click(settings, IDC_RANDOMIZE_POLARITY);
    EXPECT_TRUE(Enabled(settings, IDC_AUTO_POSITIVE));
    Click(settings, IDC_AUTO_POSITIVE);
    EXPECT_EQ(h.State().m_nAutoPolarity, 1);
    EXPECT_EQ(h.State().m_bRandomizePolarity, 0);
    SendMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);  // Esc
    EXPECT_FALSE(IsWindow(settings));

    // Reopened, the window starts from the main form's values.
    settings = Open();
    ASSERT_NE(settings, nullptr);
    EXPECT_FALSE(Checked(settings, IDC_RANDOMIZE_POLARITY));
    EXPECT_TRUE(Checked(settings, IDC_AUTO_POSITIVE));
    EXPECT_FALSE(Checked(settings, IDC_AUTO_SIMILE));
    EXPECT_TRUE(Enabled(settings, IDC_AUTO_POSITIVE));
    Click(settings, IDC_RANDOMIZE_EVERYTHING);
    EXPECT_TRUE(Checked(settings, IDC_RANDOMIZE_POLARITY));
    EXPECT_FALSE(Enabled(settings, IDC_AUTO_POSITIVE));
    EXPECT_EQ(h.State().m_bRandomizePolarity, 1);
}

TEST_F(Settings, ConfigureAutoWhileOpenCreatesNoSecondWindow) {
    HWND first = Open();
    HWND second = Open();
    EXPECT_EQ(first, second);
    int titled = 0;
    for (HWND hwnd : ThreadWindows()) titled += TextOf(hwnd) == L"Dialog";
    EXPECT_EQ(titled, 1);
}

// Refuses every window this thread tries to create.
LRESULT CALLBACK RefuseCreation(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Settings, AFailedCreationLeavesNoneAndTheNextPressTriesAgain) {
    const long before = g_liveAllocations;
    HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(refuse, nullptr);
    EXPECT_EQ(Open(), nullptr);
    UnhookWindowsHookEx(refuse);
    EXPECT_EQ(g_liveAllocations, before) << "the object of the window that failed is gone";
    EXPECT_NE(Open(), nullptr);
}

SIZE_T PrivateBytes() { return test::PrivateBytes(GetCurrentProcess(), L""); }

TEST_F(Settings, OpeningAndClosingLeavesNothingBehind) {
    // Warm up once, so first-use allocations do not count as growth.
    HWND settings = Open();
    SendMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    const std::size_t windows = ThreadWindows().size();
    const long allocations = g_liveAllocations;
    const SIZE_T memory = PrivateBytes();
    ASSERT_GT(memory, 0u) << "private memory cannot be read";

    for (int i = 0; i < 500; ++i) {
        settings = Open();
        ASSERT_NE(settings, nullptr) << "opening " << i;
        switch (i % 3) {
        case 0: Click(settings, IDOK); break;
        case 1: SendMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;  // Esc
        default: SendMessageW(settings, WM_SYSCOMMAND, SC_CLOSE, 0); break;                        // close box
        }
        PumpMessages();
        ASSERT_FALSE(IsWindow(settings)) << "closing " << i;
    }
    EXPECT_EQ(g_liveAllocations, allocations) << "every settings object went with its window";
    EXPECT_EQ(ThreadWindows().size(), windows);
    const SIZE_T grown = PrivateBytes() > memory ? PrivateBytes() - memory : 0;
    EXPECT_LT(grown, SIZE_T{1} << 20) << "private memory grew by " << grown << " bytes";
}

TEST_F(Settings, EndingTheMainWindowTakesTheSettingsWindowAlong) {
    const long before = g_liveAllocations;
    HWND settings = Open();
    ASSERT_NE(settings, nullptr);
    DestroyWindow(h.Window());
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_EQ(g_liveAllocations, before) << "the settings object went with its window";
}

// Runs `inside` from the About window's own modal loop, which `open` starts.
std::function<void()> g_insideModal;
bool RunWhileModal(const std::function<void()>& open, std::function<void()> inside) {
    bool ran = false;
    g_insideModal = [&ran, inside] {
        ran = true;
        inside();
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        auto run = std::move(g_insideModal);
        if (run) run();
    });
    open();
    KillTimer(nullptr, timer);
    g_insideModal = nullptr;
    return ran;
}

TEST(About, OpensTheSameWindowFromTheMenuAndTheSystemMenu) {
    Win32Harness h;
    // Away from the middle of the screen, where About would open anyway.
    SetWindowPos(h.Window(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::function<void()> ways[] = {
        [&h] { SendMessageW(h.Window(), WM_COMMAND, MAKEWPARAM(IDM_ABOUT_QUILLMERE, 0), 0); },
        [&h] { SendMessageW(h.Window(), WM_SYSCOMMAND, 16, 0); },
        [&h] { SendMessageW(h.Window(), WM_SYSCOMMAND, 31, 0); },  // masked with 0xFFF0, still 16
    };
    std::vector<std::vector<std::wstring>> seen;
    for (const auto& open : ways) {
        const bool ran = RunWhileModal(open, [&h, &seen] {
            HWND about = FindThreadWindow(L"About Quillmere");
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(GetWindow(about, GW_OWNER), h.Window());
            EXPECT_FALSE(IsWindowEnabled(h.Window())) << "the main window takes no input meanwhile";
            RECT a, m;
            GetWindowRect(about, &a);
            GetWindowRect(h.Window(), &m);
            EXPECT_NEAR((a.left + a.right) / 2, (m.left + m.right) / 2, 2) << "centred over the main window";
            EXPECT_NEAR((a.top + a.bottom) / 2, (m.top + m.bottom) / 2, 2);
            seen.push_back(ChildTexts(about));
            PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        EXPECT_TRUE(ran);
        EXPECT_TRUE(IsWindowEnabled(h.Window()));
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[0], seen[2]);
    ASSERT_EQ(seen[0].size(), 6u);
    EXPECT_EQ(seen[0][1], L"Quillmere Version 1.0");
    EXPECT_EQ(seen[0][3], L"OK");
    // The notice states the licence of LICENSE.txt: its name and its copyright line.
    EXPECT_NE(seen[0][4].find(QUILL_LICENSE_NAME), std::wstring::npos) << "the notice is set at start";
    EXPECT_NE(seen[0][4].find(QUILL_LICENSE_COPYRIGHT), std::wstring::npos);
    EXPECT_EQ(seen[0][5], L"Visit the Web Site");
}

TEST(About, LeavesTheSettingsWindowUsableAndAsksTheShellOncePerPress) {
    Win32Harness h;
    HWND settings = OpenSettings(h);
    ASSERT_NE(settings, nullptr);
    RecordingDlg::shellRequests.clear();

    const bool ran = RunWhileModal(
        [&h] { SendMessageW(h.Window(), WM_COMMAND, MAKEWPARAM(IDM_ABOUT_QUILLMERE, 0), 0); },
        [&h, settings] {
            HWND about = FindThreadWindow(L"About Quillmere");
            ASSERT_NE(about, nullptr);
            EXPECT_FALSE(IsWindowEnabled(h.Window()));
            EXPECT_TRUE(IsWindowEnabled(settings));
            Click(settings, IDC_RANDOMIZE_FIGURE);  // the settings window still answers
            EXPECT_EQ(h.State().m_bRandomizeFigure, 0);

            HWND notice = GetDlgItem(about, IDC_ABOUT_NOTICE);
            EXPECT_TRUE(GetWindowLongW(notice, GWL_STYLE) & ES_READONLY);
            for (int press = 0; press < 3; ++press) Click(about, IDC_VISIT_WEB_SITE);
            EXPECT_TRUE(IsWindow(about)) << "the About window stays open";
            EXPECT_TRUE(IsWindowVisible(about));
            PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    EXPECT_TRUE(ran);
    ASSERT_EQ(RecordingDlg::shellRequests.size(), 3u);
    for (const RecordingDlg::ShellRequest& request : RecordingDlg::shellRequests) {
        EXPECT_EQ(request.owner, nullptr);
        EXPECT_FALSE(request.hasVerb);
        EXPECT_FALSE(request.hasParameters);
        EXPECT_FALSE(request.hasDirectory);
        EXPECT_EQ(request.file, win::CAboutDlg::WebSite());
        EXPECT_EQ(request.show, SW_SHOWNORMAL);
    }
    EXPECT_EQ(std::wstring(win::CAboutDlg::WebSite()).rfind(L"https://", 0), 0u);
}

// A modal window destroyed by someone else, not ended: its loop ends with it
// and gives the main window back. Should it not, a later timer ends the loop
// so that the test can say so.
bool g_rescued = false;
TEST(About, DestroyedFromOutsideItEndsItsModalLoop) {
    Win32Harness h;
    g_rescued = false;
    UINT_PTR rescue = 0;
    const bool ran = RunWhileModal(
        [&h] { SendMessageW(h.Window(), WM_COMMAND, MAKEWPARAM(IDM_ABOUT_QUILLMERE, 0), 0); },
        [&rescue] {
            rescue = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
                KillTimer(nullptr, id);
                g_rescued = true;
                PostQuitMessage(0);
            });
            DestroyWindow(FindThreadWindow(L"About Quillmere"));
        });
    KillTimer(nullptr, rescue);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(g_rescued) << "the modal loop went on after its window was gone";
    EXPECT_EQ(FindThreadWindow(L"About Quillmere"), nullptr);
    EXPECT_TRUE(IsWindowEnabled(h.Window()));
}

TEST(About, TheProgramsShellCallLoadsShell32AndForwards) {
    // The production path, aimed at a file that does not exist so that nothing opens.
    const auto answer = reinterpret_cast<INT_PTR>(win::ShellExecuteOnDemand(
        nullptr, nullptr, L"Z:\\no-such-folder\\quillmere-no-such-file.txt", nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_LE(answer, 32);
    EXPECT_NE(answer, SE_ERR_DLLNOTFOUND) << "shell32 was found and asked";
    EXPECT_NE(GetModuleHandleW(L"shell32.dll"), nullptr);
}

// A modeless window of the dialog layer whose routed commands throw, or end
// the window and with it the object. The object lives in a block of the
// test's, which its release fills with the handle of a witness window: what
// the layer did through the freed object would reach the witness's extra
// bytes, where a dialog keeps its message result.
alignas(std::max_align_t) unsigned char g_dialogBlock[512];
HWND g_witness = nullptr;
class SelfEndingDlg final : public win::Dialog {
public:
    explicit SelfEndingDlg(HWND main);
    static void* operator new(std::size_t size) {
        EXPECT_LE(size, sizeof g_dialogBlock);
        return g_dialogBlock;
    }
    static void operator delete(void* block) { std::fill_n(static_cast<HWND*>(block), sizeof g_dialogBlock / sizeof(HWND), g_witness); }

private:
    void Fail() { throw std::runtime_error("a command that stops halfway"); }
    void End() { EndDialog(IDOK); }
    void PostNcDestroy() override { delete this; }
    HWND MainWindow() const override { return m_main; }

    static const win::RouteRow kRoutes[];
    HWND m_main;
};
const win::RouteRow SelfEndingDlg::kRoutes[] = {
    win::OnCommand(BN_CLICKED, IDC_RANDOMIZE_CONVENTION, &SelfEndingDlg::Fail),
    win::OnCommand(BN_CLICKED, IDC_RANDOMIZE_EVERYTHING, &SelfEndingDlg::End),
};
SelfEndingDlg::SelfEndingDlg(HWND main) : Dialog(IDD_CONFIGURE_AUTO, kRoutes), m_main(main) {}

TEST(DialogLayer, TellsOfACommandThatStopsAndTouchesNothingOfAnObjectItsCommandReleased) {
    Win32Harness h;
    auto* dialog = new SelfEndingDlg(h.Window());
    ASSERT_TRUE(dialog->Create(nullptr));
    HWND window = dialog->GetSafeHwnd();
    std::vector<std::wstring> told;
    const bool ran = RunWhileModal([window] { Click(window, IDC_RANDOMIZE_CONVENTION); }, [window, &told] {
        HWND box = FindThreadWindow(win::ApplicationName());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(GetWindow(box, GW_OWNER), window) << "told over the window in use";
        HICON icon = nullptr;
        for (HWND c = GetWindow(box, GW_CHILD); c && !icon; c = GetWindow(c, GW_HWNDNEXT)) icon = reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
        EXPECT_EQ(icon, LoadIconW(nullptr, IDI_ERROR)) << "an error's icon, which also sounds";
        told = ChildTexts(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_TRUE(ran);
    EXPECT_NE(std::find(told.begin(), told.end(), win::kCommandFailed), told.end());
    ASSERT_TRUE(IsWindow(window)) << "the window goes on";

    WNDCLASSW witnessClass{};
    witnessClass.lpfnWndProc = DefWindowProcW;
    witnessClass.cbWndExtra = sizeof(LONG_PTR);
    witnessClass.lpszClassName = L"QuillmereWitness";
    RegisterClassW(&witnessClass);
    g_witness = CreateWindowExW(0, witnessClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(g_witness, nullptr);
    SetWindowLongPtrW(g_witness, DWLP_MSGRESULT, 4711);
    Click(window, IDC_RANDOMIZE_EVERYTHING);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetWindowLongPtrW(g_witness, DWLP_MSGRESULT), 4711) << "written through the freed object";
    DestroyWindow(g_witness);
}

// The lists, whether each was last told to stop drawing, and the system's
// storage of their entries and of the output line's text, seen by a subclass
// of each: out of it from that many entries and texts on (never while negative).
HWND g_lists[3], g_line;
bool g_undrawn[3];
long g_entriesLeft = -1;
WNDPROC g_comboProc, g_lineProc;
LRESULT CALLBACK SeeRedraw(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    for (int i = 0; message == WM_SETREDRAW && i < 3; ++i) g_undrawn[i] = hwnd == g_lists[i] ? !wParam : g_undrawn[i];
    const bool stored = message == CB_ADDSTRING || message == WM_SETTEXT;
    if (stored && g_entriesLeft == 0) {
        g_refused = true;
        return message == WM_SETTEXT ? FALSE : CB_ERRSPACE;
    }
    if (stored && g_entriesLeft > 0) --g_entriesLeft;
    return CallWindowProcW(hwnd == g_line ? g_lineProc : g_comboProc, hwnd, message, wParam, lParam);
}

// Out of memory, or out of the system's storage, at any point of a press after a
// sentence is shown: the user is told, and nothing is left half done: the line
// shows what Copy copies and what Copy All copies last, no list is left
// undrawn, and Auto Generate, whose lists are those the pick narrows to, then
// Reset fill every list in full.
TEST(DialogLayer, APressThatRunsOutOfMemoryIsToldAndThenNothingIsLeftHalfDone) {
    struct Press {
        const char* name;
        int id;  // the list picked in, or the button pressed
        long* budget;
    };
    for (const Press& row : {Press{"pick", IDC_CONCEPT, &g_allocationsLeft}, Press{"pick", IDC_CONCEPT, &g_entriesLeft},
                             Press{"Generate", IDC_GENERATE, &g_allocationsLeft}, Press{"Generate", IDC_GENERATE, &g_entriesLeft},
                             Press{"Auto Generate", IDC_AUTO_GENERATE, &g_allocationsLeft},
                             Press{"Auto Generate", IDC_AUTO_GENERATE, &g_entriesLeft}}) {
        SCOPED_TRACE(std::string(row.name) + (row.budget == &g_entriesLeft ? ", out of the system's storage" : ", out of memory"));
        Win32Harness h;
        SetAutoModes(h.State(), false, 0, 0, 1);
        h.Chance().SetSeconds(1);
        const std::vector<std::string> concepts = h.Entries(Category::Concept);
        const int evil = static_cast<int>(std::find(concepts.begin(), concepts.end(), "Evil") - concepts.begin());
        // A sentence shown; the lists full again but for Generate, which makes
        // a simile of its words; Auto Generate's draws scripted.
        const auto ready = [&h, &row] {
            h.ClickReset();
            h.MakeByHand({{"Evil", "Wounds", "War"}, Figure::Metaphor});
            if (row.id != IDC_GENERATE) h.ClickReset();
            h.ChooseFigure(1);
            h.Chance().ScriptRands({5, 6, 7});
        };
        ready();
        h.Click(IDC_AUTO_GENERATE);
        const std::vector<std::string> generated = h.Everything();
        h.ClickReset();
        const std::vector<std::string> reset = h.Everything();
        for (Category c : kCategories) {
            g_lists[static_cast<int>(c)] = h.Item(Win32Harness::ListId(c));
            g_comboProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(g_lists[static_cast<int>(c)], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SeeRedraw)));
        }
        g_line = h.Item(IDC_OUTPUT);
        g_lineProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(g_line, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SeeRedraw)));
        int failures = 0;
        for (long failing = 0;; ++failing) {
            ready();
            std::vector<std::wstring> told;
            g_refused = false;
            RunWhileModal([&] {
                *row.budget = failing;
                row.id == IDC_CONCEPT ? PickEntry(h.Window(), row.id, evil) : h.Click(row.id);
                *row.budget = -1;
            }, [&told] {
                g_allocationsLeft = g_entriesLeft = -1;  // memory is back while the user reads
                // Every message that failed meanwhile told the user too.
                for (HWND box : ThreadWindows()) {
                    if (TextOf(box) != win::ApplicationName()) continue;
                    told = ChildTexts(box);
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                }
            });
            if (!g_refused) break;  // the press ran to its end within what it was allowed
            ++failures;
            ASSERT_NE(std::find(told.begin(), told.end(), win::kCommandFailed), told.end()) << "refused at " << failing;
            for (bool undrawn : g_undrawn) EXPECT_FALSE(undrawn) << "a list left undrawn at " << failing;
            h.ClickCopy();
            EXPECT_EQ(h.Clipboard(), h.Output()) << "Copy after " << failing;
            h.ClickCopyAll();
            const std::string all = h.Clipboard();
            EXPECT_EQ(all.substr(all.rfind('\n') + 1), h.Output()) << "Copy All after " << failing;  // npos + 1 is 0
            h.Chance().ScriptRands({5, 6, 7});
            h.Click(IDC_AUTO_GENERATE);
            EXPECT_TRUE(h.Everything() == generated) << "Auto Generate after " << failing;
            h.ClickReset();
            ASSERT_TRUE(h.Everything() == reset) << "Reset after " << failing;
        }
        EXPECT_GT(failures, 0);
    }
}

// The texts of a window's controls that do not fit them in the font they are
// drawn with: a push button's on one line, a check box's or radio button's
// beside its box, a static text's within its lines. (The bare minimum, where a
// character would be cut; the eye decides the rest on the screenshots.)
std::vector<std::wstring> TextsCutOff(HWND window) {
    std::vector<std::wstring> cut;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(control), text = TextOf(control);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        if (text.empty() || (kind != L"Static" && kind != L"Button")) continue;
        RECT client;
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT need{0, 0, client.right, 0};
        UINT format = DT_CALCRECT | DT_WORDBREAK | (style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        if (kind == L"Button") {
            const LONG type = style & BS_TYPEMASK;
            const bool box = type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON;
            if (box) need.right -= MulDiv(16, GetDeviceCaps(dc, LOGPIXELSX), 96);  // the box and the gap after it
            format = DT_CALCRECT | DT_SINGLELINE;
        }
        const LONG room = need.right;
        DrawTextW(dc, text.c_str(), -1, &need, format);
        SelectObject(dc, font);
        ReleaseDC(control, dc);
        if (need.right > room || need.bottom > client.bottom) cut.push_back(text + L" " + std::to_wstring(need.right) + L"/" + std::to_wstring(room) + L" " + std::to_wstring(need.bottom) + L"/" + std::to_wstring(client.bottom));
    }
    return cut;
}

TEST(Layout, EveryTextFitsItsControl) {
    Win32Harness h;
    h.Chance().SetSeconds(30);
    h.ClickAutoGenerate();
    EXPECT_EQ(TextsCutOff(h.Window()), std::vector<std::wstring>{});
    HWND settings = OpenSettings(h);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(TextsCutOff(settings), std::vector<std::wstring>{});
    const bool ran = RunWhileModal(
        [&h] { SendMessageW(h.Window(), WM_COMMAND, MAKEWPARAM(IDM_ABOUT_QUILLMERE, 0), 0); },
        [] {
            HWND about = FindThreadWindow(L"About Quillmere");
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(TextsCutOff(about), std::vector<std::wstring>{});
            PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace quill::test

void* operator new(std::size_t size) {
    if (quill::test::g_allocationsLeft == 0) {
        quill::test::g_refused = true;
        throw std::bad_alloc();
    }
    if (quill::test::g_allocationsLeft > 0) --quill::test::g_allocationsLeft;
    if (void* block = std::malloc(size ? size : 1)) {
        ++quill::test::g_liveAllocations;
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    if (!block) return;
    --quill::test::g_liveAllocations;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
