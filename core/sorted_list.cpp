#include "sorted_list.h"

#include <algorithm>
#include <cctype>

namespace quill {
namespace {

bool SortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

void SortedList::ShowFill(const std::vector<std::string>& texts) {
    m_entries.clear();
    m_entries.reserve(texts.size());
    for (const std::string& text : texts) {
        m_entries.insert(std::upper_bound(m_entries.begin(), m_entries.end(), text, SortsBefore), text);
    }
    m_selected = -1;
    ShowEntries(m_entries);
}

void SortedList::SelectPosition(int position) {
    m_selected = Holds(position) ? position : -1;
    ShowSelection(m_selected);
}

std::string SortedList::TextAt(int position) const {
    return Holds(position) ? m_entries[static_cast<std::size_t>(position)] : std::string();
}

}  // namespace quill
