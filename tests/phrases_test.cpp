#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "phrases.h"

namespace quill {
namespace {

struct RecordingSink final : MessageSink {
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

using Convert = std::string (*)(const std::string&, int, MessageSink&);

Convert ConverterFor(Category category) {
    switch (category) {
    case Category::Action: return ConvertStringAction;
    case Category::Object: return ConvertStringObject;
    case Category::Concept: break;
    }
    return ConvertStringConcept;
}

// No word the lists can offer may ever produce an error message.
TEST(Phrases, EveryVocabularyWordConvertsInBothFigures) {
    RecordingSink sink;
    int converted = 0;
    for (Category category : kCategories) {
        for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
            for (const char* word : Words(category, polarity)) {
                for (int figure : {kMetaphor, kSimile}) {
                    const std::string phrase = ConverterFor(category)(word, figure, sink);
                    ASSERT_FALSE(phrase.empty()) << word;
                    EXPECT_NE(phrase, kErrorPhrase) << word << " in figure " << figure;
                    const char last = phrase.back();
                    EXPECT_EQ(last, category == Category::Object ? '.' : ' ') << word;
                    ++converted;
                }
            }
        }
    }
    EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
    EXPECT_EQ(converted, 2 * (65 + 60 + 60));
}

TEST(Phrases, ConceptsFollowTheRuleOrTheirOwnRow) {
    RecordingSink sink;
    struct Row {
        const char* word;
        const char* metaphor;
        const char* simile;
    };
    const Row rows[] = {
        {"Evil", "evil is a ", "Evil is like "},
        {"Myself", "me is a ", "I am like "},
        {"Satan", "satanism is a ", "The satanic is like "},
        {"Opulence", "opulence is a ", "opulence is like "},
        {"Caring", "Care is a ", "Caring is like "},
        {"Unipolar Mania Disorder", "unipolar mania disorder is a ", "Unipolar Mania Disorder is like "},
        {"Cake", "cake is a ", "Cake is like "},
        {"Meter Maid", "meter maids are a ", "Meter maids are like "},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ConvertStringConcept(row.word, kMetaphor, sink), row.metaphor);
        EXPECT_EQ(ConvertStringConcept(row.word, kSimile, sink), row.simile);
    }
    EXPECT_TRUE(sink.shown.empty());
}

TEST(Phrases, ActionsAndObjectsKeepTheirExactTexts) {
    RecordingSink sink;
    EXPECT_EQ(ConvertStringAction("Kills", kMetaphor, sink), "Killer ");
    EXPECT_EQ(ConvertStringAction("Kills", kSimile, sink), "a killer ");
    EXPECT_EQ(ConvertStringAction("Provides For", kMetaphor, sink), "Providing for another, motivated by ");
    EXPECT_EQ(ConvertStringAction("Provides For", kSimile, sink), "a providing ");
    EXPECT_EQ(ConvertStringAction("Consumes", kMetaphor, sink), "Consuming  ");
    EXPECT_EQ(ConvertStringAction("Consumes", kSimile, sink), "a comsuming ");
    EXPECT_EQ(ConvertStringAction("Mangles", kMetaphor, sink), "Mangling  ");
    EXPECT_EQ(ConvertStringAction("Induces Tactile Pain", kSimile, sink), "inducing tactile pain via a ");
    for (int figure : {kMetaphor, kSimile}) {
        EXPECT_EQ(ConvertStringObject("Pixies", figure, sink), "Pixie.");
        EXPECT_EQ(ConvertStringObject("A+", figure, sink), "A+.");
        EXPECT_EQ(ConvertStringObject("Torture Chamber", figure, sink), "torture chamber.");
        EXPECT_EQ(ConvertStringObject("Parathion", figure, sink), "vial of parathion.");
        EXPECT_EQ(ConvertStringObject("Brilliant Literature", figure, sink), "brilliant work of literature.");
        EXPECT_EQ(ConvertStringObject("Virus", figure, sink), "virus.");
    }
    EXPECT_TRUE(sink.shown.empty());
}

TEST(Phrases, TextWithoutRowShowsItsTablesMessageAndYieldsTheMarker) {
    const char concept[] =
        "Error: CQuillmereDlg::ConvertStringConcept(CString Concept) method conditional compound "
        "statements bypassed.  String conversion failure.";
    const char action[] =
        "Error: CQuillmereDlg::ConvertStringAction(CString ActionStr) method conditional compound "
        "statements bypassed.  String conversion failure.";
    const char object[] =
        "Error: CQuillmereDlg::ConvertStringObject(CString ObjectStr) method conditional compound "
        "statements bypassed. String conversion failed.";

    RecordingSink sink;
    EXPECT_EQ(ConvertStringConcept("evil", kMetaphor, sink), " *Error* ");
    EXPECT_EQ(ConvertStringAction("heals", kSimile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("war", kMetaphor, sink), " *Error* ");
    // A word of another category has no row either.
    EXPECT_EQ(ConvertStringConcept("Fire", kSimile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("Evil ", kSimile, sink), " *Error* ");
    EXPECT_EQ(sink.shown, (std::vector<std::string>{concept, action, object, concept, object}));

    // Only figures 0 and 1 have a column.
    sink.shown.clear();
    EXPECT_EQ(ConvertStringConcept("Evil", 2, sink), " *Error* ");
    EXPECT_EQ(ConvertStringAction("Heals", -1, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("War", 2, sink), " *Error* ");
    EXPECT_EQ(sink.shown, (std::vector<std::string>{concept, action, object}));
}

}  // namespace
}  // namespace quill
