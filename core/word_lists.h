// The words as every shell shows and takes them: each list in the order the
// program's lists show it, a typed word found whatever its case, the objects a
// concept can meet, and every sentence a user can make.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message_sink.h"
#include "types.h"

namespace quill {

// The words of a list in the order the list shows them, each once.
const std::vector<std::string>& ShownWords(Category list);

// The word of the list that the text names, whatever its (ASCII) case.
std::optional<std::string> FindWordAnyCase(Category list, std::string_view text);

// The objects, as the list shows them, that the concept meets in a sentence.
std::vector<std::string> ObjectsMeeting(const std::string& concept);

// A sentence and what it is made of, as views of texts that last at least
// until the next sentence is made.
struct SentenceView {
    std::array<std::string_view, 3> words;  // concept, action, object
    Figure figure = Figure::Metaphor;
    std::string_view text;
};

// Every sentence a user can make, in the lists' order, the metaphor before the
// simile of the same three words; each word's phrases are made once. The sink
// is called until it answers false.
void EachSentence(const std::function<bool(const SentenceView&)>& sink, MessageSink& errors);

}  // namespace quill
