// A sentence as a link: its three words and its figure, written as
// "concept=Evil&action=Wounds&object=War&figure=simile" with every byte but
// letters, digits and "-._~" percent-encoded, for an address's fragment.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "types.h"

namespace quill {

std::string LinkText(const SentenceParts& parts);

// Whether a user can make this sentence: a word of each list, a figure of the
// two, and a concept and an object of one polarity, as every narrowing leaves
// them. Only such a sentence is offered as a link, and only it opens.
bool UserCanMake(const SentenceParts& parts);

// The sentence a link stands for; none unless the text holds exactly the four
// keys, each once, with every "%" followed by two hex digits, in at most
// kMaxLinkLength bytes, and names a sentence a user can make ("metaphor" or
// "simile" the figure).
std::optional<SentenceParts> ParseLink(std::string_view text);

inline constexpr std::size_t kMaxLinkLength = 512;

}  // namespace quill
