// Long random sessions of user actions against the form, checking after every
// step what must always hold on screen.
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_window.h"

namespace quill::test {
namespace {

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

bool IsMissingSelectionMessage(const std::string& text) {
    return text.rfind("All combo box controls must have a selection before a ", 0) == 0;
}

TEST(Property, RandomSessionsKeepTheListsConsistent) {
    const unsigned seed = 8122026;
    std::mt19937 random(seed);
    auto roll = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    MainFormState state;
    MemoryWindow window{state};
    ScriptedChance chance;
    MainForm form{state, window, chance};
    form.StartUp();

    int sentences = 0;
    for (int step = 0; step < 20000; ++step) {
        switch (roll(12)) {
        case 0:
            form.ResetLists();
            break;
        case 1:
            window.conventionalChecked = !window.conventionalChecked;
            form.ConventionalSwitch();
            break;
        case 2:
            window.checkedRadio = roll(2);
            break;
        case 3:
            form.ComposeFigure();
            break;
        case 4:
            state.m_bRandomizeConvention = roll(2);
            state.m_bRandomizePolarity = roll(2);
            state.m_bRandomizeFigure = roll(2);
            state.m_nAutoConvention = roll(2);
            state.m_nAutoPolarity = roll(2);
            state.m_nAutoFigure = roll(2);
            chance.SetSeconds(roll(60));
            form.AutoGenerate();
            break;
        default: {
            const Category category = kCategories[roll(3)];
            MemoryList& list = window.ListOf(category);
            const int size = static_cast<int>(list.Entries().size());
            list.SelectPosition(roll(4) == 0 ? 0 : roll(size));
            form.NarrowOnSelection(category);
        }
        }
        SCOPED_TRACE(testing::Message() << "seed " << seed << " step " << step);

        std::optional<Polarity> polarity[3];
        for (Category category : kCategories) {
            const MemoryList& list = window.ListOf(category);
            polarity[static_cast<int>(category)] = ListPolarity(list, category);
            EXPECT_GE(list.Selected(), -1);
            EXPECT_LT(list.Selected(), static_cast<int>(list.Entries().size()));
        }
        const bool full = !polarity[0];
        ASSERT_EQ(full, !polarity[1]);
        ASSERT_EQ(full, !polarity[2]);
        if (!full) {
            EXPECT_EQ(*polarity[0], *polarity[2]);
            const bool sameOnAction = *polarity[1] == *polarity[0];
            EXPECT_EQ(sameOnAction, window.conventionalChecked);
        }
        if (full) {
            EXPECT_EQ(state.m_bNarrowed, 0);
        }
        for (const std::string& message : window.messages) {
            ASSERT_TRUE(IsMissingSelectionMessage(message)) << message;
        }
        window.messages.clear();
        ASSERT_TRUE(window.outputLine.empty() || window.outputLine.back() == '.') << window.outputLine;
        if (!window.outputLine.empty()) ++sentences;
    }
    EXPECT_GT(sentences, 1000);
}

}  // namespace
}  // namespace quill::test
