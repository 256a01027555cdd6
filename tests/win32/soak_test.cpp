// Thousands of random user actions against the running Quillmere.exe, from
// outside the process, with what a user can see checked after every one.
// Usage: soak_test [--actions N] [--seed S]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "expected.h"
#include "memory_harness.h"
#include "program_driver.h"
#include "resource.h"
#include "text.h"
#include "vocabulary.h"

namespace quill::test {
namespace {

const int kLists[] = {IDC_CONCEPT, IDC_ACTION, IDC_OBJECT};

using win::Narrow;

class Soak {
public:
    Soak(unsigned seed) : m_random(seed) {}

    bool Run(int actions);

private:
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    void Fail(const std::string& what) {
        if (m_failures++ < 20) std::printf("FAILED at action %d (%s): %s\n", m_action, m_last.c_str(), what.c_str());
    }
    void Check(bool ok, const std::string& what) {
        if (!ok) Fail(what);
    }

    void Act();
    void PickAny();
    void Generate();
    void AutoGenerate();
    void ConfigureAuto();
    void About();
    void CheckWindow();
    std::optional<std::string> ExpectedSentence();
    void CheckNoMessageBox();

    std::mt19937 m_random;
    Program m_program;
    int m_action = 0;
    int m_failures = 0;
    std::string m_last = "start";
    std::string m_expectedOutput;
    int m_sentences = 0, m_complaints = 0;
    // The lists as last read in full; reading them costs a cross-process round
    // trip per entry, so they are read again only when their count, first word
    // or last word differ (which tells the three forms a list takes apart), and
    // at every 25th action.
    Screen m_screen;
    bool m_listsMayChange = true;
};

// The sentence of the words on screen, as the in-memory form makes it when a
// user picks them in turn under the same Conventional box and figure.
std::optional<std::string> Soak::ExpectedSentence() {
    MemoryHarness reference;
    if (reference.ConventionalShown() != Checked(m_program.Item(IDC_CONVENTIONAL))) reference.ClickConventional();
    for (int i = 0; i < 3; ++i) {
        const std::string word = SelectedText(m_program.Item(kLists[i]));
        if (word.empty()) return std::nullopt;
        const std::vector<std::string> entries = reference.Entries(kCategories[i]);
        const auto found = std::find(entries.begin(), entries.end(), word);
        if (found == entries.end()) {
            Fail("\"" + word + "\" cannot be picked beside the other words on screen");
            return std::nullopt;
        }
        reference.Pick(kCategories[i], static_cast<int>(found - entries.begin()));
    }
    reference.ChooseFigure(Checked(m_program.Item(IDC_METAPHOR)) ? 0 : 1);
    reference.ClickGenerate();
    Check(reference.TakeMessages().empty(), "a vocabulary word has no phrase");
    return reference.Output();
}

void Soak::CheckNoMessageBox() {
    const MessageBoxSeen box = m_program.WaitForMessageBox(0);
    if (box.hwnd) {
        Fail("unexpected message box: " + Narrow(box.text));
        Program::Dismiss(box);
    }
}

void Soak::PickAny() {
    const int list = kLists[Roll(3)];
    const int count = static_cast<int>(SendMessageW(m_program.Item(list), CB_GETCOUNT, 0, 0));
    const int index = Roll(5) == 0 ? 0 : Roll(count);
    m_last = "pick " + std::to_string(index) + " in list " + std::to_string(list);
    m_listsMayChange = true;
    m_program.Pick(list, index);
    CheckNoMessageBox();
}

void Soak::Generate() {
    m_last = "Generate";
    const std::optional<std::string> expected = ExpectedSentence();
    if (expected) {
        Check(m_program.ClickAndWait(IDC_GENERATE), "Generate did not return");
        CheckNoMessageBox();
        m_expectedOutput = *expected;
        ++m_sentences;
        return;
    }
    const bool metaphor = Checked(m_program.Item(IDC_METAPHOR));
    m_program.Click(IDC_GENERATE);
    const MessageBoxSeen box = m_program.WaitForMessageBox();
    if (!box.hwnd) return Fail("no missing-selection message");
    Check(Narrow(box.text) == (metaphor ? kMetaphorMissing : kSimileMissing), "wrong message: " + Narrow(box.text));
    Check(box.caption == L"Quillmere" && box.buttons == std::vector<std::wstring>{L"OK"}, "wrong message box");
    Program::Dismiss(box);
    ++m_complaints;
}

void Soak::AutoGenerate() {
    m_last = "Auto Generate";
    m_listsMayChange = true;
    Check(m_program.ClickAndWait(IDC_AUTO_GENERATE), "Auto Generate did not return");
    CheckNoMessageBox();
    const std::optional<std::string> expected = ExpectedSentence();
    if (!expected) return Fail("Auto Generate left a list without a word");
    m_expectedOutput = *expected;
    ++m_sentences;
}

void Soak::ConfigureAuto() {
    m_last = "Configure Auto";
    HWND settings = m_program.OpenSettings();
    if (!settings) return Fail("the settings window did not open");
    for (int changes = Roll(4); changes > 0; --changes) {
        const int id = IDC_RANDOMIZE_CONVENTION + Roll(10);  // a box, a radio, or Randomize Everything
        if (IsWindowEnabled(GetDlgItem(settings, id))) SendMessageW(GetDlgItem(settings, id), BM_CLICK, 0, 0);
    }
    switch (Roll(3)) {
    case 0: PostMessageW(GetDlgItem(settings, IDOK), BM_CLICK, 0, 0); break;
    case 1: PostMessageW(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
    default: PostMessageW(settings, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    Check(WaitFor([settings] { return !IsWindow(settings); }), "the settings window did not close");
}

void Soak::About() {
    m_last = "About";
    if (Roll(2)) {
        PostMessageW(m_program.Main(), WM_COMMAND, MAKEWPARAM(IDM_ABOUT_QUILLMERE, 0), 0);
    } else {
        PostMessageW(m_program.Main(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    }
    HWND about = m_program.WaitForWindow(L"About Quillmere");
    if (!about) return Fail("the About window did not open");
    Check(!IsWindowEnabled(m_program.Main()), "the main window stayed enabled under About");
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(Roll(2) ? IDOK : IDCANCEL, BN_CLICKED), 0);
    Check(WaitFor([about] { return !IsWindow(about); }), "the About window did not close");
    Check(WaitFor([this] { return IsWindowEnabled(m_program.Main()) != FALSE; }), "the main window stayed disabled");
}

void Soak::Act() {
    const int roll = Roll(100);
    if (roll < 45) return PickAny();
    if (roll < 57) return Generate();
    if (roll < 67) return AutoGenerate();
    if (roll < 72) {
        m_last = "Reset";
        m_listsMayChange = true;
        Check(m_program.ClickAndWait(IDC_RESET), "Reset did not return");
        return CheckNoMessageBox();
    }
    if (roll < 77) {
        m_last = "Conventional";
        m_listsMayChange = true;
        Check(m_program.ClickAndWait(IDC_CONVENTIONAL), "the Conventional switch did not return");
        return CheckNoMessageBox();
    }
    if (roll < 87) {
        m_last = "figure";
        m_program.ClickAndWait(Roll(2) ? IDC_METAPHOR : IDC_SIMILE);
        return;
    }
    if (roll < 95) return ConfigureAuto();
    About();
}

// What must hold on screen, and the output line is the sentence of the last
// Generate or Auto Generate.
void Soak::CheckWindow() {
    for (int i = 0; i < 3; ++i) {
        HWND list = m_program.Item(kLists[i]);
        std::vector<std::string>& entries = m_screen.lists[i];
        const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        const bool same = count == static_cast<int>(entries.size()) && count > 1 && ListText(list, 1) == entries[1] &&
                          ListText(list, count - 1) == entries.back();
        if (!same && !m_listsMayChange) return Fail("a list changed by itself");
        if (!same || m_action % 25 == 0) entries = ListEntries(list);
    }
    m_listsMayChange = false;
    m_screen.conventional = Checked(m_program.Item(IDC_CONVENTIONAL));
    m_screen.output = Narrow(m_program.Output());
    const std::string problem = ScreenProblem(m_screen);
    if (!problem.empty()) return Fail(problem);
    Check(m_screen.output == m_expectedOutput, "output line shows \"" + m_screen.output + "\"");
}

bool Soak::Run(int actions) {
    if (!m_program.Main()) {
        std::printf("FAILED: Quillmere's window did not appear\n");
        return false;
    }
    std::size_t windows = 0;
    SIZE_T memory = 0;
    const int warmUp = actions / 10;
    for (m_action = 1; m_action <= actions && m_failures == 0; ++m_action) {
        Act();
        if (!m_program.Alive()) {
            Fail("the program ended");
            break;
        }
        CheckWindow();
        if (m_action == warmUp) {
            windows = WindowsOf(m_program.ProcessId(), false).size();
            memory = m_program.PrivateBytes();
        }
        if (m_action % 1000 == 0) std::printf("%d actions\n", m_action), std::fflush(stdout);
    }
    if (m_failures == 0) {
        const std::size_t windowsAtEnd = WindowsOf(m_program.ProcessId(), false).size();
        const SIZE_T memoryAtEnd = m_program.PrivateBytes();
        std::printf("windows: %zu after warm-up, %zu at the end; private memory: %zu KiB, then %zu KiB\n", windows,
                    windowsAtEnd, static_cast<std::size_t>(memory / 1024), static_cast<std::size_t>(memoryAtEnd / 1024));
        Check(windowsAtEnd <= windows + 1, "the program's windows grew");
        Check(memory > 0 && memoryAtEnd > 0, "the program's private memory cannot be read");
        Check(memoryAtEnd <= memory + 4 * 1024 * 1024, "the program's private memory grew by more than 4 MiB");
        Check(m_program.Alive(), "the program ended");
    }
    std::printf("%d sentences, %d missing-selection messages\n", m_sentences, m_complaints);
    PostMessageW(m_program.Main(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Check(m_program.EndsCleanly(), "the program did not end cleanly");
    return m_failures == 0;
}

}  // namespace
}  // namespace quill::test

int main(int argc, char** argv) {
    int actions = 2000;
    unsigned seed = 20261208;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--actions") actions = std::atoi(argv[i + 1]);
        if (option == "--seed") seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    std::printf("soak: %d actions, seed %u\n", actions, seed);
    std::fflush(stdout);
    quill::test::Soak soak(seed);
    const bool passed = soak.Run(actions);
    std::printf("soak: %s\n", passed ? "passed" : "FAILED");
    return passed ? 0 : 1;
}
