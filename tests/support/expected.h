// What the tests expect of the program, said once: the texts it shows, written
// out by hand so that a slip in the program's own shows, and what must hold on
// screen after any action. Portable: the Windows test programs use it too.
#pragma once

#include <string>
#include <vector>

#include "message_sink.h"

namespace quill::test {

inline constexpr char kMetaphorMissing[] =
    "All combo box controls must have a selection before a metaphore can be generated.  Moron.";
inline constexpr char kSimileMissing[] =
    "All combo box controls must have a selection before a simile can be generated.  Moron.";
inline constexpr char kConceptFailure[] =
    "Error: CQuillmereDlg::ConvertStringConcept(CString Concept) method conditional compound "
    "statements bypassed.  String conversion failure.";
inline constexpr char kActionFailure[] =
    "Error: CQuillmereDlg::ConvertStringAction(CString ActionStr) method conditional compound "
    "statements bypassed.  String conversion failure.";
inline constexpr char kObjectFailure[] =
    "Error: CQuillmereDlg::ConvertStringObject(CString ObjectStr) method conditional compound "
    "statements bypassed. String conversion failed.";

// Keeps the messages it is given instead of showing them, oldest first.
struct RecordingSink final : MessageSink {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// The main window as a user sees it: the entries of the concept, action and
// object lists, the Conventional box and the output line.
struct Screen {
    std::vector<std::string> lists[3];
    bool conventional = false;
    std::string output;
};

// What must hold after any action: each list leads with the blank entry and
// holds either its whole category or the words of one polarity; the three are
// all full or all narrowed; narrowed, the concept and object lists agree and
// the action list has their polarity exactly when Conventional is checked; the
// output line is empty or a finished sentence. The first thing that does not
// hold, or the empty text.
std::string ScreenProblem(const Screen& screen);

}  // namespace quill::test
