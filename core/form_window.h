// What the main form's logic needs of the window it runs in. The Win32 shell
// implements this on real controls; the tests implement it in memory.
#pragma once

#include <string>
#include <vector>

#include "message_sink.h"
#include "vocabulary.h"

namespace quill {

// The order a sorted list keeps its entries in: case-insensitive, character by
// character, with a text that begins a longer one first; for this vocabulary
// that is the Windows sorted list's own order.
bool ListSortsBefore(const std::string& a, const std::string& b);

// The texts as a sorted list holds them once each has been added in turn: in
// that order, equal ones in the order they came.
std::vector<std::string> SortedAsAList(std::vector<std::string> texts);

// One sorted drop-down list. None of these raises a selection-change notification.
class ListControl {
public:
    // Replaces every entry with these texts, each at its sorted place; equal
    // texts are all kept. Leaves no selection.
    virtual void Fill(const std::vector<std::string>& texts) = 0;
    // A position with no entry, or -1, leaves the list with no selection.
    virtual void SelectPosition(int position) = 0;
    // The empty text for a position with no entry.
    virtual std::string TextAt(int position) const = 0;

protected:
    ~ListControl() = default;
};

// The main window as the form logic sees it. Read and write run every binding
// between the window's controls and its MainFormState at once.
class FormWindow : public MessageSink {
public:
    virtual void ReadFromWindow() = 0;
    virtual void WriteToWindow() = 0;
    // Only the form fills its lists.
    virtual ListControl& List(Category category) = 0;
    // Puts the text on the clipboard, for the user to paste elsewhere.
    virtual void CopyText(const std::string& text) = 0;

protected:
    ~FormWindow() = default;
};

}  // namespace quill
