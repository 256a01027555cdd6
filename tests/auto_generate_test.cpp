// Auto Generate's draws, pinned with a scripted generator and clock.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_window.h"

namespace quill::test {
namespace {

// Answers every Rand() with one value, to reach the ends of each pick range.
class FixedChance final : public Chance {
public:
    int Rand() override { return value; }
    int ClockSecond() override { return seconds; }
    int value = 0;
    int seconds = 1;
};

template <class C>
struct Rig {
    MainFormState state;
    MemoryWindow window{state};
    C chance;
    MainForm form{state, window, chance};
    Rig() { form.StartUp(); }

    void Fix(int convention, int polarity, int figure) {
        state.m_bRandomizeConvention = state.m_bRandomizePolarity = state.m_bRandomizeFigure = 0;
        state.m_nAutoConvention = convention;
        state.m_nAutoPolarity = polarity;
        state.m_nAutoFigure = figure;
    }
};

TEST(AutoGenerate, DrawModeBitUsesTheLastOfSecondsDraws) {
    Rig<ScriptedChance> rig;
    ScriptedChance copy = rig.chance;
    rig.chance.SetSeconds(9);
    const int drawn = rig.form.DrawModeBit(0);
    int last = 0;
    for (int i = 0; i < 9; ++i) last = copy.Rand();
    EXPECT_EQ(drawn, last % 2);
    EXPECT_EQ(rig.chance.randCalls, 9u);

    rig.chance.SetSeconds(0);
    EXPECT_EQ(rig.form.DrawModeBit(1), 1);
    EXPECT_EQ(rig.form.DrawModeBit(0), 0);
    EXPECT_EQ(rig.chance.randCalls, 9u) << "no draw at second 0";
}

TEST(AutoGenerate, DrawsModesInOrderThenThreeValuesPerRepetition) {
    Rig<ScriptedChance> rig;
    rig.state.m_nAutoConvention = rig.state.m_nAutoPolarity = rig.state.m_nAutoFigure = 0;
    ScriptedChance copy = rig.chance;
    // Convention, polarity and figure each read the clock; then the pick reads it.
    rig.chance.ScriptSeconds({3, 5, 2, 4});
    rig.form.AutoGenerate();
    EXPECT_EQ(rig.chance.clockCalls, 4u);
    EXPECT_EQ(rig.chance.randCalls, 3u + 5u + 2u + 4u * 3u);

    auto lastOf = [&copy](int n) {
        int last = 0;
        for (int i = 0; i < n; ++i) last = copy.Rand();
        return last;
    };
    const int convention = lastOf(3) % 2;
    const int polarity = lastOf(5) % 2;
    const int figure = lastOf(2) % 2;
    int r[3] = {};
    for (int rep = 0; rep < 4; ++rep) {
        for (int& value : r) value = copy.Rand();
    }
    EXPECT_EQ(rig.state.m_bConventional, convention == 0 ? 1 : 0);
    EXPECT_EQ(rig.state.m_nFigure, figure);
    EXPECT_EQ(rig.state.m_nConcept, 1 + r[0] % (polarity == 0 ? 32 : 33));
    EXPECT_EQ(rig.state.m_nAction, 1 + r[1] % 30);
    EXPECT_EQ(rig.state.m_nObject, 1 + r[2] % 30);
    // The draws are shown, never stored back into the settings.
    EXPECT_EQ(rig.state.m_nAutoConvention, 0);
    EXPECT_EQ(rig.state.m_nAutoPolarity, 0);
    EXPECT_EQ(rig.state.m_nAutoFigure, 0);
}

TEST(AutoGenerate, TwoRunsInTheSameSecondDrawLaterValues) {
    Rig<ScriptedChance> rig;
    rig.Fix(0, 1, 1);
    rig.chance.SetSeconds(12);
    rig.form.AutoGenerate();
    const std::string first = rig.window.outputLine;
    const int firstPicks[] = {rig.state.m_nConcept, rig.state.m_nAction, rig.state.m_nObject};
    rig.form.AutoGenerate();
    EXPECT_EQ(rig.chance.randCalls, 2u * 12u * 3u);

    ScriptedChance copy;
    for (int i = 0; i < 12 * 3 + 11 * 3; ++i) copy.Rand();
    EXPECT_EQ(rig.state.m_nConcept, 1 + copy.Rand() % 33);
    EXPECT_EQ(rig.state.m_nAction, 1 + copy.Rand() % 30);
    EXPECT_EQ(rig.state.m_nObject, 1 + copy.Rand() % 30);
    const int secondPicks[] = {rig.state.m_nConcept, rig.state.m_nAction, rig.state.m_nObject};
    EXPECT_FALSE(std::equal(std::begin(firstPicks), std::end(firstPicks), std::begin(secondPicks)))
        << first;
}

// Every range of the pick table reaches its last word and never the blank.
TEST(AutoGenerate, PicksStayWithinTheRestrictedLists) {
    for (int convention : {0, 1}) {
        for (int polarity : {0, 1}) {
            for (int value : {0, 29, 30, 31, 32, 33, 32767}) {
                Rig<FixedChance> rig;
                rig.Fix(convention, polarity, 0);
                rig.chance.value = value;
                rig.form.AutoGenerate();
                SCOPED_TRACE(testing::Message() << "conv " << convention << " pol " << polarity
                                                << " value " << value);
                for (Category category : kCategories) {
                    const MemoryList& list = rig.window.ListOf(category);
                    EXPECT_GE(list.Selected(), 1);
                    EXPECT_LT(list.Selected(), static_cast<int>(list.Entries().size()));
                }
                EXPECT_TRUE(rig.window.messages.empty());
                const int concepts = polarity == 0 ? 32 : 33;
                EXPECT_EQ(rig.state.m_nConcept, 1 + value % concepts);
            }
        }
    }
    // The largest value mod each range lands on the last word of the list.
    Rig<FixedChance> rig;
    rig.Fix(0, 1, 0);
    rig.chance.value = 32;
    rig.form.AutoGenerate();
    EXPECT_EQ(rig.window.concept.Selected(), 33);
    EXPECT_EQ(rig.window.concept.Entries().size(), 34u);
}

// With no draw at second 0, each mode keeps its own fixed setting, and the
// pick still draws once so that a sentence comes.
TEST(AutoGenerate, ClockAtZeroKeepsEachModesSettingAndStillComposes) {
    Rig<ScriptedChance> rig;
    rig.Fix(0, 1, 1);
    rig.state.m_bRandomizeConvention = rig.state.m_bRandomizePolarity = rig.state.m_bRandomizeFigure = 1;
    rig.chance.SetSeconds(0);
    rig.window.outputLine = "old sentence";
    rig.form.AutoGenerate();
    EXPECT_EQ(rig.chance.randCalls, 3u);
    EXPECT_TRUE(rig.window.conventionalChecked);
    EXPECT_EQ(rig.window.checkedRadio, 1);
    for (Category category : kCategories) {
        const MemoryList& list = rig.window.ListOf(category);
        EXPECT_EQ(list.Entries().size(), 1 + Words(category, Polarity::Positive).count);
        EXPECT_EQ(ClassifyPolarity(list.TextAt(list.Selected())), Polarity::Positive);
    }
    EXPECT_TRUE(rig.window.messages.empty());
    EXPECT_NE(rig.window.outputLine, "old sentence");
}

}  // namespace
}  // namespace quill::test
