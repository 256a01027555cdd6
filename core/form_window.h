// What the main form's logic needs of the window it runs in: the Windows
// program's dialog, the web edition's page and the tests' in-memory window
// each implement it on their own controls.
#pragma once

#include <string>
#include <vector>

#include "message_sink.h"
#include "vocabulary.h"

namespace quill {

// One sorted drop-down list. None of these raises a selection-change notification.
class ListControl {
public:
    // Replaces every entry with these texts, each at its sorted place; equal
    // texts are all kept. Leaves no selection. A fill that fails halfway
    // records nothing, so that the next fill runs whatever it holds.
    void Fill(const std::vector<std::string>& texts) {
        try {
            m_filledWith = texts;
            ShowFill(m_filledWith);
        } catch (...) {
            m_filledWith.clear();
            throw;
        }
    }
    // The texts of the last fill, whoever made it: what the list holds.
    const std::vector<std::string>& FilledWith() const { return m_filledWith; }
    // A position with no entry, or -1, leaves the list with no selection.
    virtual void SelectPosition(int position) = 0;
    // The empty text for a position with no entry.
    virtual std::string TextAt(int position) const = 0;

protected:
    ~ListControl() = default;

private:
    // The window's side of Fill.
    virtual void ShowFill(const std::vector<std::string>& texts) = 0;

    std::vector<std::string> m_filledWith;
};

// The main window as the form logic sees it. Read and write run every binding
// between the window's controls and its MainFormState at once.
class FormWindow : public MessageSink {
public:
    virtual void ReadFromWindow() = 0;
    virtual void WriteToWindow() = 0;
    virtual ListControl& List(Category category) = 0;
    // Puts the sentences on the clipboard, one a line in the window's own
    // line ends, for the user to paste elsewhere.
    virtual void CopySentences(const std::vector<std::string>& sentences) = 0;

protected:
    ~FormWindow() = default;
};

}  // namespace quill
