// Long random sessions on the in-memory window, with what must hold on screen
// checked after every step; the note on the lists; Copy All's memory.
#include <new>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "figure_link.h"
#include "memory_harness.h"

namespace quill::test {
namespace {

Screen ScreenOf(const MemoryWindow& window) {
    Screen screen;
    for (Category category : kCategories) screen.lists[static_cast<int>(category)] = window.ListOf(category).Entries();
    screen.conventional = window.conventionalChecked;
    screen.output = window.outputLine;
    return screen;
}

TEST(Session, EveryStepLeavesWhatMustHoldOnScreen) {
    MemoryForm f;
    std::mt19937 random(20261208);
    auto roll = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::size_t fullConcepts =
        1 + Words(Category::Concept, Polarity::Negative).count + Words(Category::Concept, Polarity::Positive).count;
    for (int step = 0; step < 6000; ++step) {
        const int action = roll(12);
        if (action < 7) {
            const Category category = kCategories[roll(3)];
            SortedList& list = f.window.ListOf(category);
            // Mostly real entries, sometimes the blank, now and then none at all.
            const int position = roll(8) == 0 ? 0 : roll(static_cast<int>(list.Entries().size()) + 1) - (roll(20) == 0);
            list.SelectPosition(position);
            const std::string picked = list.TextAt(list.Selected());
            f.form.NarrowOnSelection(category);
            if (!picked.empty()) {
                ASSERT_EQ(list.TextAt(list.Selected()), picked) << "step " << step;
            }
        } else if (action == 7) {
            f.form.ResetLists();
        } else if (action == 8) {
            f.window.conventionalChecked = !f.window.conventionalChecked;
            f.form.ConventionalSwitch();
        } else if (action == 9) {
            // A radio click, read only by the next command that reads the window.
            f.window.checkedRadio = roll(2);
            if (roll(2) == 0) f.form.ComposeFigure();
        } else {
            // Settings as the settings window leaves them, and any second of the minute.
            MainFormState& s = f.state;
            s.m_bRandomizeConvention = roll(2), s.m_bRandomizePolarity = roll(2), s.m_bRandomizeFigure = roll(2);
            s.m_nAutoConvention = roll(2), s.m_nAutoPolarity = roll(2), s.m_nAutoFigure = roll(2);
            f.chance.SetSeconds(roll(60));
            f.form.AutoGenerate();
        }
        const Screen screen = ScreenOf(f.window);
        ASSERT_EQ(ScreenProblem(screen), "") << "step " << step;
        if (screen.lists[0].size() == fullConcepts) {
            ASSERT_EQ(f.state.m_bNarrowed, 0) << "step " << step;
        }
    }
    // The only message a session can raise is the missing selection's.
    for (const std::string& message : f.window.messages) {
        EXPECT_TRUE(message == kMetaphorMissing || message == kSimileMissing) << message;
    }
}

// The line beside the lists says what they hold, in each of the three ways
// they can: every word; one polarity; concepts and objects one polarity and
// actions the other. A link typed in says it anew, whatever a pick had said.
TEST(Narrowing, TheListNoteSaysWhatTheListsHold) {
    MemoryHarness h;
    const auto note = [&h] { return h.Memory().form.ListsNote(); };
    const std::string reset = " Reset shows every word.";
    EXPECT_EQ(note(), "") << "every word at start-up";
    h.PickText(Category::Concept, "Evil");
    EXPECT_EQ(note(), "The lists show negative words only." + reset);
    h.ClickReset();
    EXPECT_EQ(note(), "");
    h.PickText(Category::Object, "Garden");
    EXPECT_EQ(note(), "The lists show positive words only." + reset);
    h.ClickConventional();
    h.PickText(Category::Action, "Kills");
    EXPECT_EQ(note(), "The lists show positive concepts and objects and negative actions." + reset);
    ASSERT_TRUE(h.Memory().form.OpenLink(ParseLink("concept=Evil&action=Heals&object=War&figure=simile").value()));
    EXPECT_EQ(note(), "The lists show negative concepts and objects and positive actions." + reset);
    ASSERT_TRUE(h.Memory().form.OpenLink(ParseLink("concept=Joy&action=Heals&object=Garden&figure=simile").value()));
    EXPECT_EQ(note(), "The lists show positive words only." + reset);
}

// Copy All keeps every sentence of the run, or the last so many where the
// window asks for a bound.
TEST(Session, CopyAllKeepsEverySentenceOrTheLastSoManyAsked) {
    for (const std::size_t kept : {kEverySentence, std::size_t{3}}) {
        MemoryHarness h(kept);
        h.PickText(Category::Concept, "Evil");
        h.PickText(Category::Action, "Wounds");
        h.PickText(Category::Object, "War");
        for (int i = 0; i < 5; ++i) {
            h.ChooseFigure(i % 2);
            h.ClickGenerate();
        }
        h.ClickCopyAll();
        const std::string metaphor = "Wounding evil is a war.", simile = "Evil is like a wounding war.";
        const std::string last3 = metaphor + "\r\n" + simile + "\r\n" + metaphor;
        EXPECT_EQ(h.Clipboard(), kept == 3 ? last3 : metaphor + "\r\n" + simile + "\r\n" + last3);
    }
}

// A pick, Generate or Auto Generate that runs out of memory at any write or
// fill takes effect in full or not at all: what the window shows (the pick's
// own selection aside), the record and what Copy All copies are as before it,
// and the same press then works.
TEST(Session, APressThatFailsLeavesEverythingAsItWas) {
    for (const char* press : {"pick", "Generate", "Auto Generate"}) {
        for (long failing = 0;; ++failing) {
            SCOPED_TRACE(std::string(press) + " failing at " + std::to_string(failing));
            MemoryHarness h(2);
            MemoryForm& f = h.Memory();
            SetAutoModes(f.state, false, 1, 1, 1);  // none of what the window shows
            f.chance.SetSeconds(1);
            h.MakeByHand({{"Joy", "Heals", "Garden"}, Figure::Simile});
            h.ClickReset();
            h.MakeByHand({{"Evil", "Wounds", "War"}, Figure::Metaphor});
            h.ClickReset();
            h.ChooseFigure(1);
            if (press[0] != 'A') f.window.concept.SelectPosition(25);  // Evil, as a user picks it
            f.window.ReadFromWindow();  // as each press does first
            const std::vector<std::string> before = h.Everything();
            h.ClickCopyAll();
            const std::string copied = h.Clipboard();
            const auto run = [&f, press] {
                press[0] == 'p' ? f.form.NarrowOnSelection(Category::Concept) : press[0] == 'G' ? f.form.ComposeFigure() : f.form.AutoGenerate();
            };
            f.window.failingAt = failing;
            try {
                run();
            } catch (const std::bad_alloc&) {
                EXPECT_EQ(h.Everything(), before);
                h.ClickCopyAll();
                EXPECT_EQ(h.Clipboard(), copied);
                run();
                EXPECT_NE(h.Everything(), before);
                continue;
            }
            break;
        }
    }
}

TEST(Narrowing, ATextGoneFromTheListLeavesIndex98AndNoSelection) {
    MemoryForm f;
    // A concept list that shows a positive word (the window's own doing) while
    // a negative action narrows the lists: the remembered concept is gone.
    f.window.concept.Fill({"", "Joy"});
    f.window.concept.SelectPosition(1);
    f.window.action.SelectPosition(1);
    ASSERT_EQ(f.window.action.TextAt(1), "Abuses");
    f.form.NarrowOnSelection(Category::Action);
    EXPECT_EQ(f.state.m_nConcept, 98);
    EXPECT_EQ(f.window.concept.Selected(), -1);
    EXPECT_EQ(f.window.concept.Entries().size(), 33u) << "the blank and the negative concepts";
    EXPECT_EQ(f.window.action.TextAt(f.window.action.Selected()), "Abuses");
    // One past the last entry is no entry, though the list once held more.
    f.window.concept.SelectPosition(33);
    EXPECT_EQ(f.window.concept.Selected(), -1);
    EXPECT_EQ(f.window.concept.TextAt(33), "");
}

}  // namespace
}  // namespace quill::test
