// The failure path of the phrase tables, alone and through Generate.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_window.h"
#include "phrases.h"

namespace quill::test {
namespace {

const char kConceptFailure[] =
    "Error: CQuillmereDlg::ConvertStringConcept(CString Concept) method conditional compound "
    "statements bypassed.  String conversion failure.";
const char kActionFailure[] =
    "Error: CQuillmereDlg::ConvertStringAction(CString ActionStr) method conditional compound "
    "statements bypassed.  String conversion failure.";
const char kObjectFailure[] =
    "Error: CQuillmereDlg::ConvertStringObject(CString ObjectStr) method conditional compound "
    "statements bypassed. String conversion failed.";

struct RecordingSink final : MessageSink {
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

TEST(Phrases, TextWithoutRowShowsItsTablesMessageAndYieldsTheMarker) {
    RecordingSink sink;
    EXPECT_EQ(ConvertStringConcept("evil", Figure::Metaphor, sink), " *Error* ");
    EXPECT_EQ(ConvertStringAction("heals", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("war", Figure::Metaphor, sink), " *Error* ");
    // A word of another category has no row either.
    EXPECT_EQ(ConvertStringConcept("Fire", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("Evil ", Figure::Simile, sink), " *Error* ");
    EXPECT_EQ(sink.shown, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure,
                                                    kConceptFailure, kObjectFailure}));

    // Only figures 0 and 1 have a column.
    sink.shown.clear();
    EXPECT_EQ(ConvertStringConcept("Evil", static_cast<Figure>(2), sink), " *Error* ");
    EXPECT_EQ(ConvertStringAction("Heals", static_cast<Figure>(-1), sink), " *Error* ");
    EXPECT_EQ(ConvertStringObject("War", static_cast<Figure>(2), sink), " *Error* ");
    EXPECT_EQ(sink.shown, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure}));
}

// The program's own lists hold only words with phrases; the in-memory window
// lets Generate meet texts without one.
TEST(Phrases, GenerateShowsEveryFailureInOrderAndStillWritesTheSentence) {
    MainFormState state;
    MemoryWindow window{state};
    ScriptedChance chance;
    MainForm form{state, window, chance};
    form.StartUp();
    window.concept.Fill({"", "Evil", "evil"});
    window.action.Fill({"", "Heals", "heals"});
    window.object.Fill({"", "War", "war"});
    // Position 1 holds the word, 2 the same text in small letters, which has no
    // row; the figure is the radio index, -1 for neither.
    auto generate = [&](int concept, int action, int object, int figure) {
        window.concept.SelectPosition(concept);
        window.action.SelectPosition(action);
        window.object.SelectPosition(object);
        window.checkedRadio = figure;
        window.messages.clear();
        form.ComposeFigure();
    };

    generate(2, 1, 1, 0);
    EXPECT_EQ(window.outputLine, "Healing  *Error* war.");
    EXPECT_EQ(window.messages, std::vector<std::string>{kConceptFailure});

    generate(1, 2, 1, 1);
    EXPECT_EQ(window.outputLine, "Evil is like  *Error* war.");
    EXPECT_EQ(window.messages, std::vector<std::string>{kActionFailure});

    generate(2, 2, 2, 1);
    EXPECT_EQ(window.outputLine, " *Error*  *Error*  *Error* ");
    EXPECT_EQ(window.messages, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure}));

    // Neither radio checked: no column for any word, and a blank list gets the
    // simile's message, as every figure but the metaphor does.
    generate(1, 1, 1, -1);
    EXPECT_EQ(window.outputLine, " *Error*  *Error*  *Error* ");
    EXPECT_EQ(window.messages, (std::vector<std::string>{kConceptFailure, kActionFailure, kObjectFailure}));
    generate(0, 1, 1, -1);
    EXPECT_EQ(window.messages,
              std::vector<std::string>{
                  "All combo box controls must have a selection before a simile can be generated.  Moron."});
}

}  // namespace
}  // namespace quill::test
