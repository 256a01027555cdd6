// The form finds each list's remembered entry directly and writes the window
// once. This holds it to the position-by-position search it replaces: the same
// lists, selections, fields and screen after every pick.
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "memory_window.h"

namespace quill::test {
namespace {

// The original search: for each list, try positions 0 to 98, writing the whole
// window at each one, until the remembered text is found.
void ReferenceNarrow(MainForm& form, FormWindow& window, Category changed) {
    MainFormState& s = form.State();
    window.ReadFromWindow();
    const std::string remembered[] = {form.SelectionText(Category::Concept),
                                      form.SelectionText(Category::Action),
                                      form.SelectionText(Category::Object)};
    const std::string& picked = remembered[static_cast<int>(changed)];
    if (picked.empty()) {
        if (remembered[0].empty() && remembered[1].empty() && remembered[2].empty()) form.ResetLists();
        return;
    }
    const Polarity p = ClassifyPolarity(picked);
    if (s.m_bNarrowed == 0) {
        const Polarity q = Opposite(p);
        Polarity concept = p, action = p, object = p;
        if (s.m_bConventional == 0) {
            if (changed == Category::Action) {
                concept = q;
                object = q;
            } else {
                action = q;
            }
        }
        form.RestrictList(Category::Concept, concept);
        form.RestrictList(Category::Action, action);
        form.RestrictList(Category::Object, object);
        s.m_bNarrowed = 1;
    }
    for (Category category : kCategories) {
        int& index = form.IndexField(category);
        for (int i = 0; i <= 98; ++i) {
            index = i;
            window.WriteToWindow();
            if (window.List(category).TextAt(i) == remembered[static_cast<int>(category)]) {
                window.List(category).SelectPosition(i);
                break;
            }
        }
    }
}

struct Side {
    MainFormState state;
    MemoryWindow window{state};
    ScriptedChance chance;
    MainForm form{state, window, chance};
};

void ExpectSame(const Side& a, const Side& b) {
    for (Category category : kCategories) {
        const MemoryList& la = a.window.ListOf(category);
        const MemoryList& lb = b.window.ListOf(category);
        ASSERT_EQ(la.Entries(), lb.Entries());
        ASSERT_EQ(la.Selected(), lb.Selected());
    }
    ASSERT_EQ(a.window.checkedRadio, b.window.checkedRadio);
    ASSERT_EQ(a.window.outputLine, b.window.outputLine);
    ASSERT_EQ(a.window.conventionalChecked, b.window.conventionalChecked);
    ASSERT_EQ(a.state.m_nConcept, b.state.m_nConcept);
    ASSERT_EQ(a.state.m_nAction, b.state.m_nAction);
    ASSERT_EQ(a.state.m_nObject, b.state.m_nObject);
    ASSERT_EQ(a.state.m_nFigure, b.state.m_nFigure);
    ASSERT_EQ(a.state.m_strOutput, b.state.m_strOutput);
    ASSERT_EQ(a.state.m_bConventional, b.state.m_bConventional);
    ASSERT_EQ(a.state.m_bNarrowed, b.state.m_bNarrowed);
}

TEST(Narrowing, DirectReselectionEndsExactlyAsThePositionSearch) {
    Side direct, reference;
    direct.form.StartUp();
    reference.form.StartUp();
    std::mt19937 random(20261208);
    auto roll = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int picks = 0;
    for (int step = 0; step < 4000; ++step) {
        const int action = roll(10);
        if (action < 7) {
            const Category category = kCategories[roll(3)];
            const int size = static_cast<int>(direct.window.ListOf(category).Entries().size());
            // Mostly real entries, sometimes the blank, now and then none at all.
            const int position = roll(8) == 0 ? 0 : roll(size + 1) - (roll(20) == 0 ? 1 : 0);
            for (Side* side : {&direct, &reference}) side->window.ListOf(category).SelectPosition(position);
            direct.form.NarrowOnSelection(category);
            ReferenceNarrow(reference.form, reference.window, category);
            ++picks;
        } else if (action == 7) {
            direct.form.ResetLists();
            reference.form.ResetLists();
        } else if (action == 8) {
            for (Side* side : {&direct, &reference}) {
                side->window.conventionalChecked = !side->window.conventionalChecked;
                side->form.ConventionalSwitch();
            }
        } else {
            const int figure = roll(2);
            for (Side* side : {&direct, &reference}) {
                side->window.checkedRadio = figure;
                side->form.ComposeFigure();
            }
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSame(direct, reference)) << "step " << step;
    }
    EXPECT_GT(picks, 2000);
}

TEST(Narrowing, APickWritesTheWindowOnce) {
    Side side;
    side.form.StartUp();
    side.window.concept.SelectPosition(5);
    const int before = side.window.writes;
    side.form.NarrowOnSelection(Category::Concept);
    EXPECT_EQ(side.window.writes - before, 1);
}

TEST(Narrowing, ATextGoneFromTheListLeavesIndex98AndNoSelection) {
    Side side;
    side.form.StartUp();
    // The concept list shows a positive word while the action list narrows the
    // lists to negative: the remembered concept is no longer there.
    side.form.RestrictList(Category::Concept, Polarity::Positive);
    side.state.m_nConcept = 1;
    side.window.WriteToWindow();
    const std::string joy = side.form.SelectionText(Category::Concept);
    side.window.action.SelectPosition(1);
    ASSERT_EQ(side.window.action.TextAt(1), "Abuses");
    side.form.NarrowOnSelection(Category::Action);
    EXPECT_EQ(side.state.m_nConcept, 98) << joy;
    EXPECT_EQ(side.window.concept.Selected(), -1);
    EXPECT_EQ(side.form.SelectionText(Category::Concept), "");
    EXPECT_EQ(side.form.SelectionText(Category::Action), "Abuses");
}

}  // namespace
}  // namespace quill::test
