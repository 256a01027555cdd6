#include <set>
#include <string>

#include <gtest/gtest.h>

#include "vocabulary.h"

namespace quill {
namespace {

struct ListCount {
    Category category;
    Polarity polarity;
    std::size_t entries;
    std::size_t distinct;
};

// Auto Generate's pick ranges depend on these counts.
TEST(Vocabulary, ListsHoldTheirCountedEntries) {
    const ListCount counts[] = {
        {Category::Concept, Polarity::Negative, 32, 32}, {Category::Concept, Polarity::Positive, 33, 33},
        {Category::Action, Polarity::Negative, 30, 29},  {Category::Action, Polarity::Positive, 30, 30},
        {Category::Object, Polarity::Negative, 30, 30},  {Category::Object, Polarity::Positive, 30, 30},
    };
    for (const ListCount& expected : counts) {
        const WordList list = Words(expected.category, expected.polarity);
        const std::set<std::string> distinct(list.begin(), list.end());
        EXPECT_EQ(list.count, expected.entries);
        EXPECT_EQ(distinct.size(), expected.distinct);
        EXPECT_EQ(distinct.count(""), 0u) << "the blank entry is not a word";
    }
    const WordList negativeActions = Words(Category::Action, Polarity::Negative);
    EXPECT_STREQ(negativeActions.words[9], "Kills");
    EXPECT_STREQ(negativeActions.words[13], "Kills");
}

TEST(Vocabulary, EveryWordClassifiesAsItsOwnList) {
    for (Category category : kCategories) {
        for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
            for (const char* word : Words(category, polarity)) {
                EXPECT_EQ(ClassifyPolarity(word), polarity) << word;
            }
        }
    }
}

TEST(Vocabulary, ClassificationIsExactAndIgnoresCategory) {
    EXPECT_EQ(ClassifyPolarity("Mutilated Kittens"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("Unipolar Mania Disorder"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("Brilliant Literature"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("A+"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("Cake"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("nourishes"), Polarity::Positive);
    EXPECT_EQ(ClassifyPolarity("Nourishes"), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Joy "), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Myself"), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Meter Maid"), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Vexmoor"), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity(""), Polarity::Negative);
    EXPECT_EQ(ClassifyPolarity("Sunshine"), Polarity::Negative);
    EXPECT_STREQ(PolarityName(Polarity::Negative), "Evil");
    EXPECT_STREQ(PolarityName(Polarity::Positive), "Good");
}

}  // namespace
}  // namespace quill
