#include "form_window.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace quill {

bool ListSortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> SortedAsAList(std::vector<std::string> texts) {
    std::vector<std::string> entries;
    entries.reserve(texts.size());
    for (std::string& text : texts) {
        entries.insert(std::upper_bound(entries.begin(), entries.end(), text, ListSortsBefore), std::move(text));
    }
    return entries;
}

}  // namespace quill
