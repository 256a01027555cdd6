// The types the whole program shares: the lists and their words' polarity,
// the figure, the convention, and the words and figure a sentence is made of.
#pragma once

#include <array>
#include <string>

namespace quill {

// Stored as 0 (Negative) and 1 (Positive) in the settings and radio groups.
enum class Polarity : int { Negative = 0, Positive = 1 };

inline Polarity Opposite(Polarity p) { return p == Polarity::Negative ? Polarity::Positive : Polarity::Negative; }

// As the radio group stores it; any other value has no phrase column.
enum class Figure : int { Metaphor = 0, Simile = 1 };

// Conventional keeps one polarity in every list; unconventional gives the action
// list the opposite one. Stored as 0 and 1 in the auto setting.
enum class Convention : int { Conventional = 0, Unconventional = 1 };

// Whether a stored mode holds one of its two values: a stored setting may hold another.
template <class Mode>
constexpr bool IsOneOfTwo(Mode mode) {
    return static_cast<int>(mode) == 0 || static_cast<int>(mode) == 1;
}

// The three word lists of the main window, also used as list identifiers.
enum class Category { Concept, Action, Object };

inline constexpr Category kCategories[] = {Category::Concept, Category::Action, Category::Object};

// The one of three that belongs to the category, given in the lists' order.
template <class T>
constexpr T OfCategory(Category category, T concept, T action, T object) {
    switch (category) {
    case Category::Action: return action;
    case Category::Object: return object;
    case Category::Concept: break;
    }
    return concept;
}

// What a sentence is made of: its three words and its figure.
struct SentenceParts {
    std::array<std::string, 3> words;  // concept, action, object
    Figure figure = Figure::Metaphor;

    const std::string& Word(Category category) const { return words[static_cast<std::size_t>(category)]; }
};

}  // namespace quill
