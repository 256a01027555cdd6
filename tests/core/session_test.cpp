// Long random sessions on the in-memory window, with what must hold on screen
// checked after every step, and the work the form skips a user could not see.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
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
    int sentences = 0;
    for (int step = 0; step < 6000; ++step) {
        const int action = roll(12);
        if (action < 7) {
            const Category category = kCategories[roll(3)];
            MemoryList& list = f.window.ListOf(category);
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
        if (!screen.output.empty()) ++sentences;
    }
    EXPECT_GT(sentences, 1000);
    // The only message a session can raise is the missing selection's.
    for (const std::string& message : f.window.messages) {
        EXPECT_TRUE(message == kMetaphorMissing || message == kSimileMissing) << message;
    }
}

// The work skipped: a list is filled only when its entries change.
TEST(Session, AListIsFilledOnlyWhenItsEntriesChange) {
    MemoryForm f;
    auto fills = [&f] { return f.window.concept.fills + f.window.action.fills + f.window.object.fills; };
    SetAutoModes(f.state, false, 0, 1, 0);
    f.chance.SetSeconds(5);
    int before = fills();
    f.form.AutoGenerate();
    EXPECT_EQ(fills() - before, 3) << "each list once, straight to its words";
    before = fills();
    f.form.AutoGenerate();
    f.window.concept.SelectPosition(0);
    f.form.NarrowOnSelection(Category::Concept);
    f.form.ResetLists();
    f.form.ResetLists();
    EXPECT_EQ(fills() - before, 3) << "only the reset from positive words to all";
}

// The line beside the lists says what a narrowing leaves in them, once for
// each change of what they hold.
TEST(Narrowing, TheListNoteSaysWhatTheListsHoldOncePerChange) {
    MemoryHarness h;
    const std::vector<std::string>& notes = h.Memory().window.listNotes;
    EXPECT_EQ(notes, std::vector<std::string>{}) << "every word at start-up: nothing to say";
    h.PickText(Category::Concept, "Evil");
    h.PickText(Category::Action, "Wounds");
    h.ClickGenerate();
    h.ClickReset();
    h.ClickConventional();
    h.PickText(Category::Object, "Garden");
    SetAutoModes(h.State(), false, 1, 0, 0);
    h.Chance().SetSeconds(3);
    h.ClickAutoGenerate();
    h.ClickAutoGenerate();
    const std::string reset = " Reset shows every word.";
    EXPECT_EQ(notes, (std::vector<std::string>{"The lists show negative words only." + reset, "",
                                               "The lists show positive concepts and objects and negative actions." + reset,
                                               "The lists show negative concepts and objects and positive actions." + reset}));
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

TEST(Narrowing, APickWritesTheWindowOnce) {
    MemoryForm f;
    f.window.concept.SelectPosition(5);
    const int before = f.window.writes;
    f.form.NarrowOnSelection(Category::Concept);
    EXPECT_EQ(f.window.writes - before, 1);
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
}

}  // namespace
}  // namespace quill::test
