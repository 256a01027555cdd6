// The in-memory window must behave like the real controls, and the form's
// reads and writes must go through it the way the dialog's bindings do.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "icon_layout.h"
#include "memory_window.h"

namespace quill::test {
namespace {

TEST(MemoryList, KeepsSortedOrderAndEqualEntries) {
    MemoryList list;
    list.Fill({"nourishes", "Neglects", "", "Kills", "A+", "A Warm Bed", "Kills", "An Angel"});
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"", "A Warm Bed", "A+", "An Angel", "Kills",
                                                        "Kills", "Neglects", "nourishes"}));
    EXPECT_TRUE(MemoryList::SortsBefore("A", "A Warm Bed"));
    EXPECT_FALSE(MemoryList::SortsBefore("Kills", "kills"));
    EXPECT_FALSE(MemoryList::SortsBefore("kills", "Kills"));
}

TEST(MemoryList, PositionsWithoutEntryMeanNoSelectionAndEmptyText) {
    MemoryList list;
    list.Fill({"", "Fire"});
    list.SelectPosition(1);
    EXPECT_EQ(list.Selected(), 1);
    list.SelectPosition(98);
    EXPECT_EQ(list.Selected(), -1);
    list.SelectPosition(1);
    list.SelectPosition(-1);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.TextAt(1), "Fire");
    EXPECT_EQ(list.TextAt(2), "");
    EXPECT_EQ(list.TextAt(-1), "");
    list.Fill({"Fire"});
    EXPECT_EQ(list.Entries(), std::vector<std::string>{"Fire"});
    EXPECT_EQ(list.Selected(), -1);
}

class Form : public ::testing::Test {
protected:
    MainFormState state;
    MemoryWindow window{state};
    ScriptedChance chance;
    MainForm form{state, window, chance};
};

TEST_F(Form, WritingAnIndexPastTheListReadsBackAsNone) {
    form.StartUp();
    state.m_nConcept = 98;
    state.m_nAction = -1;
    window.WriteToWindow();
    window.ReadFromWindow();
    EXPECT_EQ(state.m_nConcept, -1);
    EXPECT_EQ(state.m_nAction, -1);
    EXPECT_EQ(state.m_nObject, 0);
    state.m_nConcept = 98;
    EXPECT_EQ(form.SelectionText(Category::Concept), "");
}

TEST_F(Form, StartUpOverwritesTheConstructionValues) {
    EXPECT_EQ(state.m_nConcept, -1);
    EXPECT_EQ(state.m_nFigure, -1);
    form.StartUp();
    EXPECT_EQ(state.m_nConcept, 0);
    EXPECT_EQ(state.m_nFigure, 0);
    EXPECT_EQ(state.m_bConventional, 1);
    EXPECT_EQ(window.checkedRadio, 0);
    EXPECT_TRUE(window.conventionalChecked);
    EXPECT_TRUE(window.messages.empty());
}

TEST(IconLayout, MinimisedIconIsCentredWithTruncatingArithmetic) {
    EXPECT_EQ(CenteredIconOffset(36, 32), 2);
    EXPECT_EQ(CenteredIconOffset(31, 32), 0);
    EXPECT_EQ(CenteredIconOffset(30, 32), 0);
    EXPECT_EQ(CenteredIconOffset(20, 32), -5);
}

}  // namespace
}  // namespace quill::test
