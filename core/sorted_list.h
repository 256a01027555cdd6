// A sorted drop-down list whose entries the window keeps itself (the page's
// lists, the tests' in-memory ones), telling it what to show.
#pragma once

#include <string>
#include <vector>

#include "form_window.h"

namespace quill {

// Each entry sits where a sorted list puts it: case-insensitive, character by
// character, a text that begins a longer one first, equal texts in the order
// they came. For this vocabulary that is the Windows sorted list's own order.
class SortedList : public ListControl {
public:
    void SelectPosition(int position) final;
    std::string TextAt(int position) const final;

    // -1 when no entry is selected.
    int Selected() const { return m_selected; }
    const std::vector<std::string>& Entries() const { return m_entries; }

protected:
    // What a window that shows the list does with each change.
    virtual void ShowEntries(const std::vector<std::string>&) {}
    virtual void ShowSelection(int) {}

private:
    // Every entry replaced with these texts, each added in turn at its sorted place.
    void ShowFill(const std::vector<std::string>& texts) final;
    bool Holds(int position) const { return position >= 0 && position < static_cast<int>(m_entries.size()); }

    std::vector<std::string> m_entries;
    int m_selected = -1;
};

}  // namespace quill
