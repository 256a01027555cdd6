// The entries of a sorted drop-down list, for a window that keeps its lists
// itself (the page's lists, the tests' in-memory ones).
#pragma once

#include <string>
#include <vector>

namespace quill {

// Each entry sits where a sorted list puts it: case-insensitive, character by
// character, a text that begins a longer one first, equal texts in the order
// they came. For this vocabulary that is the Windows sorted list's own order.
class SortedList {
public:
    // Replaces every entry with these texts, each added in turn at its sorted place.
    void Fill(const std::vector<std::string>& texts);

    bool Holds(int position) const { return position >= 0 && position < static_cast<int>(m_entries.size()); }
    // The empty text for a position with no entry.
    std::string TextAt(int position) const {
        return Holds(position) ? m_entries[static_cast<std::size_t>(position)] : std::string();
    }
    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    std::vector<std::string> m_entries;
};

}  // namespace quill
