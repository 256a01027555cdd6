// The failure path of the phrase tables, alone and through Generate.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "memory_window.h"
#include "phrases.h"

namespace quill::test {
namespace {

TEST(Phrases, TextWithoutRowShowsItsTablesMessageAndYieldsTheMarker) {
    RecordingSink sink;
    EXPECT_EQ(ConvertStringConcept("evil", Figure::Metaphor, sink), " *Error* ");
    EXPECT_EQ(ConvertStringAction("heals", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("war", Figure::Metaphor, sink), " *Error* ");
    // A word of another category has no row either.
    EXPECT_EQ(ConvertStringConcept("Fire", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("Evil ", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(sink.messages, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure,
                                                       kConceptFailure, kObjectFailure}));

    // Only figures 0 and 1 have a column, for the words that follow the rule
    // and for those with a row of their own alike.
    sink.messages.clear();
    for (const char* concept : {"Evil", "Hate"}) {
        EXPECT_EQ(ConvertStringConcept(concept, static_cast<Figure>(2), sink), " *Error* ") << concept;
    }
    EXPECT_EQ(ConvertStringAction("Heals", static_cast<Figure>(-1), sink), " *Error* ");
    for (const char* object : {"War", "Parathion"}) {
        EXPECT_EQ(ConvertStringObject(object, static_cast<Figure>(2), sink), " *Error* ") << object;
    }
    EXPECT_EQ(sink.messages, (std::vector<std::string>{kConceptFailure, kConceptFailure, kActionFailure,
                                                       kObjectFailure, kObjectFailure}));
}

// The program's own lists hold only words with phrases; the in-memory window
// lets Generate meet texts without one.
TEST(Phrases, GenerateShowsEveryFailureInOrderAndStillWritesTheSentence) {
    MemoryForm f;
    f.window.concept.Fill({"", "Evil", "evil"});
    f.window.action.Fill({"", "Heals", "heals"});
    f.window.object.Fill({"", "War", "war"});
    // Position 1 holds the word, 2 the same text in small letters, which has no
    // row; the figure is the radio index, -1 for neither.
    auto generate = [&f](int concept, int action, int object, int figure) {
        f.window.concept.SelectPosition(concept);
        f.window.action.SelectPosition(action);
        f.window.object.SelectPosition(object);
        f.window.checkedRadio = figure;
        f.window.messages.clear();
        f.form.ComposeFigure();
    };

    generate(2, 1, 1, 0);
    EXPECT_EQ(f.window.outputLine, "Healing  *Error* war.");
    EXPECT_EQ(f.window.messages, std::vector<std::string>{kConceptFailure});

    generate(1, 2, 1, 1);
    EXPECT_EQ(f.window.outputLine, "Evil is like  *Error* war.");
    EXPECT_EQ(f.window.messages, std::vector<std::string>{kActionFailure});

    generate(2, 2, 2, 1);
    EXPECT_EQ(f.window.outputLine, " *Error*  *Error*  *Error* ");
    EXPECT_EQ(f.window.messages, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure}));

    // Neither radio checked: no column for any word, and a blank list gets the
    // simile's message, as every figure but the metaphor does.
    generate(1, 1, 1, -1);
    EXPECT_EQ(f.window.outputLine, " *Error*  *Error*  *Error* ");
    EXPECT_EQ(f.window.messages, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure}));
    generate(0, 1, 1, -1);
    EXPECT_EQ(f.window.messages, std::vector<std::string>{kSimileMissing});

    // Reset gives every list its words back, whoever filled it last.
    f.form.ResetLists();
    EXPECT_EQ(f.window.concept.Entries().size(), 66u);
}

}  // namespace
}  // namespace quill::test
