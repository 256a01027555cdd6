// The form skips work a user cannot see: it finds each list's remembered entry
// directly instead of trying every position, and it fills a list only when its
// entries change. This holds it to the straightforward algorithms it replaces:
// the same lists, selections, fields, screen and draws after every step of long
// random sessions, in which what must always hold on screen is checked as well.
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_window.h"

namespace quill::test {
namespace {

// A list filled the straightforward way: always, whatever it held.
void FillAlways(FormWindow& window, Category category, std::initializer_list<Polarity> polarities) {
    std::vector<std::string> entries{""};
    for (Polarity polarity : polarities) {
        for (const char* word : Words(category, polarity)) entries.emplace_back(word);
    }
    window.List(category).Fill(entries);
}

void ReferenceReset(MainFormState& s, FormWindow& window) {
    for (Category category : kCategories) FillAlways(window, category, {Polarity::Negative, Polarity::Positive});
    s.m_nConcept = s.m_nAction = s.m_nObject = 0;
    window.WriteToWindow();
    s.m_bNarrowed = 0;
}

void ReferenceSwitch(MainFormState& s, FormWindow& window) {
    window.ReadFromWindow();
    const int conventional = s.m_bConventional, figure = s.m_nFigure;
    ReferenceReset(s, window);
    s.m_bConventional = conventional;
    s.m_nFigure = figure;
    window.WriteToWindow();
}

// The polarity each list takes, unconventional giving the action list the other one.
void Restrict(FormWindow& window, Polarity concept, Polarity action, Polarity object) {
    FillAlways(window, Category::Concept, {concept});
    FillAlways(window, Category::Action, {action});
    FillAlways(window, Category::Object, {object});
}

// For each list, try positions 0 to 98, writing the whole window at each one,
// until the remembered text is found.
void ReferenceNarrow(MainForm& form, MainFormState& s, FormWindow& window, Category changed) {
    window.ReadFromWindow();
    const std::string remembered[] = {form.SelectionText(Category::Concept),
                                      form.SelectionText(Category::Action),
                                      form.SelectionText(Category::Object)};
    const std::string& picked = remembered[static_cast<int>(changed)];
    if (picked.empty()) {
        if (remembered[0].empty() && remembered[1].empty() && remembered[2].empty()) ReferenceReset(s, window);
        return;
    }
    const Polarity p = ClassifyPolarity(picked);
    if (s.m_bNarrowed == 0) {
        const Polarity q = s.m_bConventional ? p : Opposite(p);
        if (changed == Category::Action) {
            Restrict(window, q, p, q);
        } else {
            Restrict(window, p, q, p);
        }
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

// Auto Generate with every list reset in full before it is restricted.
void ReferenceAutoGenerate(MainForm& form, MainFormState& s, FormWindow& window) {
    window.ReadFromWindow();
    int convention = s.m_nAutoConvention, polarity = s.m_nAutoPolarity, figure = s.m_nAutoFigure;
    if (s.m_bRandomizeConvention == 1) convention = form.DrawModeBit(convention);
    if (s.m_bRandomizePolarity == 1) polarity = form.DrawModeBit(polarity);
    if (s.m_bRandomizeFigure == 1) figure = form.DrawModeBit(figure);
    ReferenceReset(s, window);
    s.m_bConventional = convention == 0 ? 1 : 0;
    s.m_nFigure = figure == 0 ? 0 : 1;
    if (polarity == 0 || polarity == 1) {
        const Polarity p = static_cast<Polarity>(polarity);
        Restrict(window, p, s.m_bConventional ? p : Opposite(p), p);
    }
    window.WriteToWindow();
    form.PickRandomEntries(static_cast<Convention>(convention), static_cast<Polarity>(polarity));
    window.WriteToWindow();
    form.ComposeFigure();
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
    ASSERT_EQ(a.window.messages, b.window.messages);
    ASSERT_EQ(a.chance.randCalls, b.chance.randCalls);
    ASSERT_EQ(a.chance.clockCalls, b.chance.clockCalls);
}

// The single polarity of a list's words, or nothing for the full vocabulary.
std::optional<Polarity> ListPolarity(const MemoryList& list, Category category) {
    const std::vector<std::string>& entries = list.Entries();
    EXPECT_FALSE(entries.empty());
    if (entries.empty()) return std::nullopt;
    EXPECT_EQ(entries.front(), "") << "the blank entry leads every list";
    const std::size_t negatives = Words(category, Polarity::Negative).count;
    const std::size_t positives = Words(category, Polarity::Positive).count;
    int seen[2] = {0, 0};
    for (std::size_t i = 1; i < entries.size(); ++i) ++seen[static_cast<int>(ClassifyPolarity(entries[i]))];
    if (entries.size() == 1 + negatives + positives) {
        EXPECT_EQ(seen[0], static_cast<int>(negatives));
        return std::nullopt;
    }
    const Polarity only = seen[1] == 0 ? Polarity::Negative : Polarity::Positive;
    EXPECT_EQ(seen[1 - static_cast<int>(only)], 0) << "a list mixes polarities";
    EXPECT_EQ(entries.size(), 1 + Words(category, only).count);
    return only;
}

// What must hold on screen after every step: each list full or of one polarity,
// all three alike, the action list opposite exactly when unconventional, a
// selection inside its list, and a finished sentence or none.
void ExpectConsistent(const Side& side) {
    std::optional<Polarity> polarity[3];
    for (Category category : kCategories) {
        const MemoryList& list = side.window.ListOf(category);
        polarity[static_cast<int>(category)] = ListPolarity(list, category);
        EXPECT_GE(list.Selected(), -1);
        EXPECT_LT(list.Selected(), static_cast<int>(list.Entries().size()));
    }
    const bool full = !polarity[0];
    ASSERT_EQ(full, !polarity[1]);
    ASSERT_EQ(full, !polarity[2]);
    if (full) {
        EXPECT_EQ(side.state.m_bNarrowed, 0);
    } else {
        EXPECT_EQ(*polarity[0], *polarity[2]);
        EXPECT_EQ(*polarity[1] == *polarity[0], side.window.conventionalChecked);
    }
    const std::string& output = side.window.outputLine;
    ASSERT_TRUE(output.empty() || output.back() == '.') << output;
}

TEST(Equivalence, EveryStepEndsExactlyAsTheStraightforwardAlgorithms) {
    Side direct, reference;
    direct.form.StartUp();
    reference.form.StartUp();
    std::mt19937 random(20261208);
    auto roll = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int picks = 0, autoGenerates = 0, sentences = 0;
    for (int step = 0; step < 6000; ++step) {
        const int action = roll(12);
        if (action < 7) {
            const Category category = kCategories[roll(3)];
            const int size = static_cast<int>(direct.window.ListOf(category).Entries().size());
            // Mostly real entries, sometimes the blank, now and then none at all.
            const int position = roll(8) == 0 ? 0 : roll(size + 1) - (roll(20) == 0 ? 1 : 0);
            for (Side* side : {&direct, &reference}) side->window.ListOf(category).SelectPosition(position);
            direct.form.NarrowOnSelection(category);
            ReferenceNarrow(reference.form, reference.state, reference.window, category);
            ++picks;
        } else if (action == 7) {
            direct.form.ResetLists();
            ReferenceReset(reference.state, reference.window);
        } else if (action == 8) {
            for (Side* side : {&direct, &reference}) side->window.conventionalChecked = !side->window.conventionalChecked;
            direct.form.ConventionalSwitch();
            ReferenceSwitch(reference.state, reference.window);
        } else if (action == 9) {
            // A radio click, read only by the next command that reads the window.
            const int figure = roll(2);
            const bool generate = roll(2) == 0;
            for (Side* side : {&direct, &reference}) {
                side->window.checkedRadio = figure;
                if (generate) side->form.ComposeFigure();
            }
        } else {
            // Settings as the settings window leaves them, and any second of the minute.
            const int settings[] = {roll(2), roll(2), roll(2), roll(2), roll(2), roll(2)};
            const int seconds = roll(60);
            for (Side* side : {&direct, &reference}) {
                MainFormState& s = side->state;
                s.m_bRandomizeConvention = settings[0], s.m_bRandomizePolarity = settings[1];
                s.m_bRandomizeFigure = settings[2], s.m_nAutoConvention = settings[3];
                s.m_nAutoPolarity = settings[4], s.m_nAutoFigure = settings[5];
                side->chance.SetSeconds(seconds);
            }
            direct.form.AutoGenerate();
            ReferenceAutoGenerate(reference.form, reference.state, reference.window);
            ++autoGenerates;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSame(direct, reference)) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(ExpectConsistent(direct)) << "step " << step;
        if (!direct.window.outputLine.empty()) ++sentences;
    }
    EXPECT_GT(picks, 3000);
    EXPECT_GT(autoGenerates, 1000);
    EXPECT_GT(sentences, 1000);
    // The only message a session can raise is the missing selection's.
    for (const std::string& message : direct.window.messages) {
        EXPECT_EQ(message.rfind("All combo box controls must have a selection before a ", 0), 0u) << message;
    }
}

// The work skipped: a list is filled only when its entries change.
TEST(Equivalence, AListIsFilledOnlyWhenItsEntriesChange) {
    Side side;
    side.form.StartUp();
    auto fills = [&side] { return side.window.concept.fills + side.window.action.fills + side.window.object.fills; };
    side.state.m_bRandomizeConvention = side.state.m_bRandomizePolarity = side.state.m_bRandomizeFigure = 0;
    side.state.m_nAutoPolarity = 1;
    side.chance.SetSeconds(5);
    int before = fills();
    side.form.AutoGenerate();
    EXPECT_EQ(fills() - before, 3) << "each list once, straight to its words";
    before = fills();
    side.form.AutoGenerate();
    side.window.concept.SelectPosition(0);
    side.form.NarrowOnSelection(Category::Concept);
    side.form.ResetLists();
    side.form.ResetLists();
    EXPECT_EQ(fills() - before, 3) << "only the reset from positive words to all";
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
