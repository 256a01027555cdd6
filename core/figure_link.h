// A sentence as a link: its three words and its figure, written as
// "concept=Evil&action=Wounds&object=War&figure=simile" with every byte but
// letters, digits and "-._~" percent-encoded, for an address's fragment.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "phrases.h"

namespace quill {

struct FigureLink {
    std::array<std::string, 3> words;  // concept, action, object
    Figure figure = Figure::Metaphor;
};

std::string FigureLinkText(const FigureLink& link);

// Whether the program can show this sentence: a word of each list, a figure of
// the two, and a concept and an object of one polarity, as every narrowing
// leaves them.
bool CanShow(const FigureLink& link);

// The link a text stands for; none unless it holds exactly the four keys, each
// once, well encoded, in at most kMaxFigureLinkLength bytes, and names a
// sentence the program can show ("metaphor" or "simile" the figure).
std::optional<FigureLink> ParseFigureLink(std::string_view text);

inline constexpr std::size_t kMaxFigureLinkLength = 512;

}  // namespace quill
