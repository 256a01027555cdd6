// Auto Generate's draws, with the generator's values and the clock's seconds
// chosen by each test.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "memory_window.h"

namespace quill::test {
namespace {

// The polarity of the words a list holds, all of one polarity.
Polarity ListPolarity(const MemoryList& list) { return ClassifyPolarity(list.Entries().back()); }

// Each mode drawn takes as many values as the clock has seconds and keeps the
// last one's parity, in the order convention, polarity, figure; a drawn 1
// means unconventional, positive and simile.
TEST(AutoGenerate, EachDrawnModeTakesTheLastOfSecondsValues) {
    for (int drawnOne = 0; drawnOne < 3; ++drawnOne) {
        MemoryForm f;
        f.chance.SetSeconds(2);
        std::vector<int> values;
        for (int mode = 0; mode < 3; ++mode) values.insert(values.end(), {1, mode == drawnOne ? 3 : 2});
        values.insert(values.end(), {0, 0, 0, 0, 0, 0});  // the picks
        f.chance.ScriptRands(values);
        f.form.AutoGenerate();
        SCOPED_TRACE(drawnOne);
        EXPECT_EQ(f.window.conventionalChecked, drawnOne != 0);
        EXPECT_EQ(ListPolarity(f.window.concept), drawnOne == 1 ? Polarity::Positive : Polarity::Negative);
        EXPECT_EQ(f.window.checkedRadio, drawnOne == 2 ? 1 : 0);
        EXPECT_EQ(f.chance.randCalls, 12u);
    }
}

// The pick draws three values a repetition, for the concept, action and
// object lists, as many repetitions as the clock has seconds; the last decide,
// each past the blank entry within the list as restricted.
TEST(AutoGenerate, TheLastRepetitionPicksTheWords) {
    MemoryForm f;
    SetAutoModes(f.state, false, 0, 1, 0);
    f.chance.SetSeconds(2);
    f.chance.ScriptRands({5, 6, 7, 32, 29, 30});
    f.form.AutoGenerate();
    EXPECT_EQ(f.window.concept.Selected(), 33) << "the last of the 33 positive concepts";
    EXPECT_EQ(f.window.action.Selected(), 30) << "the last of the 30 positive actions";
    EXPECT_EQ(f.window.object.Selected(), 1) << "30 wraps round to the first object";

    // The negative concepts are one fewer; the next run draws the next values.
    SetAutoModes(f.state, false, 0, 0, 0);
    f.chance.SetSeconds(1);
    f.chance.ScriptRands({31, 32767, 64});
    f.form.AutoGenerate();
    EXPECT_EQ(f.window.concept.Selected(), 32);
    EXPECT_EQ(f.window.action.Selected(), 8) << "32767 is 7 past a multiple of 30";
    EXPECT_EQ(f.window.object.Selected(), 5);
    EXPECT_EQ(f.window.messages, std::vector<std::string>{});
}

// With no draw at second 0, each mode keeps its own fixed setting, and the
// pick still draws once so that a sentence comes.
TEST(AutoGenerate, ClockAtZeroKeepsEachModesSettingAndStillComposes) {
    for (int settings = 0; settings < 8; ++settings) {
        const int convention = settings & 1, polarity = settings >> 1 & 1, figure = settings >> 2;
        MemoryForm f;
        SetAutoModes(f.state, true, convention, polarity, figure);
        f.chance.SetSeconds(0);
        f.window.outputLine = "old sentence";
        f.form.AutoGenerate();
        SCOPED_TRACE(settings);
        EXPECT_EQ(f.chance.randCalls, 3u);
        EXPECT_EQ(f.window.conventionalChecked, convention == 0);
        EXPECT_EQ(f.window.checkedRadio, figure);
        EXPECT_EQ(ListPolarity(f.window.concept), static_cast<Polarity>(polarity));
        for (Category category : kCategories) EXPECT_GT(f.window.ListOf(category).Selected(), 0);
        EXPECT_TRUE(f.window.messages.empty());
        EXPECT_NE(f.window.outputLine, "old sentence");
    }
}

// A setting outside 0 and 1 (which the settings window never stores) picks no
// word: the window shows the lists as set up, each on its blank entry, and
// the missing-selection message of the figure comes instead of a sentence.
TEST(AutoGenerate, ASettingOutsideItsTwoValuesEndsInTheMissingSelectionMessage) {
    for (const int bad : {0, 1}) {
        MemoryForm f;
        bad == 0 ? SetAutoModes(f.state, false, 2, 0, 0) : SetAutoModes(f.state, false, 0, 2, 1);
        f.chance.SetSeconds(4);
        f.state.m_strOutput = f.window.outputLine = "old sentence";
        f.form.AutoGenerate();
        SCOPED_TRACE(bad == 0 ? "convention 2" : "polarity 2");
        EXPECT_EQ(f.chance.randCalls, 0u);
        for (Category category : kCategories) EXPECT_EQ(f.window.ListOf(category).Selected(), 0);
        EXPECT_EQ(f.window.conventionalChecked, bad == 1) << "convention 2 is not conventional";
        EXPECT_EQ(f.window.checkedRadio, bad);
        EXPECT_EQ(f.window.messages, std::vector<std::string>{bad == 0 ? kMetaphorMissing : kSimileMissing});
        EXPECT_EQ(f.window.outputLine, "old sentence");
    }
}

}  // namespace
}  // namespace quill::test
