// A sentence as a link: its three words and its figure, written as
// "concept=Evil&action=Wounds&object=War&figure=simile" with every byte but
// letters, digits and "-._~" percent-encoded, for an address's fragment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "phrases.h"

namespace quill {

struct FigureLink {
    std::string words[3];  // concept, action, object
    Figure figure = Figure::Metaphor;
};

std::string FigureLinkText(const FigureLink& link);

// The link a text stands for; none unless it holds exactly the four keys, each
// once, well encoded, with a word of each list and the figure "metaphor" or
// "simile", in at most kMaxFigureLinkLength bytes.
std::optional<FigureLink> ParseFigureLink(std::string_view text);

inline constexpr std::size_t kMaxFigureLinkLength = 512;

}  // namespace quill
