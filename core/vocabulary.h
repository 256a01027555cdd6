// The built-in vocabulary: three categories of words, each split by polarity.
#pragma once

#include <cstddef>
#include <string>

#include "types.h"

namespace quill {

// An ordered, constant list of words; duplicates are kept as listed.
struct WordList {
    const char* const* words;
    std::size_t count;

    const char* const* begin() const { return words; }
    const char* const* end() const { return words + count; }
};

// The entries of one category and polarity, in the order they are added to a list.
WordList Words(Category category, Polarity polarity);

// Whether the text is one of the category's words, compared byte for byte with case.
bool InCategory(Category category, const std::string& text);

// Positive exactly when the text is one of the positive words of any category,
// compared byte for byte with case; everything else is Negative.
Polarity ClassifyPolarity(const std::string& text);

// A concept and an object meet in a sentence only when they share a polarity:
// every narrowing leaves the concept and object lists one polarity.
inline bool CanMeet(Polarity concept, Polarity object) { return concept == object; }
bool CanMeet(const std::string& concept, const std::string& object);

// The text with its ASCII letters made lowercase, as the phrases and a typed word's lookup take it.
std::string Lowercase(std::string text);

}  // namespace quill
