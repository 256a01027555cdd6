#include "form_window.h"

#include <algorithm>
#include <cctype>

namespace quill {

bool ListSortsBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> SortedAsAList(std::vector<std::string> texts) {
    std::stable_sort(texts.begin(), texts.end(), ListSortsBefore);
    return texts;
}

}  // namespace quill
