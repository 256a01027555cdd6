// Turns a chosen word into the fragment of a sentence. A word without a phrase
// shows its table's message and yields a marker phrase.
#pragma once

#include <string>
#include <string_view>

#include "message_sink.h"
#include "types.h"

namespace quill {

// The figure selects the column.
std::string ConvertStringConcept(const std::string& concept, Figure figure, MessageSink& sink);
std::string ConvertStringAction(const std::string& action, Figure figure, MessageSink& sink);
std::string ConvertStringObject(const std::string& object, Figure figure, MessageSink& sink);

// Appends the sentence the three phrases make, with nothing between them: the
// metaphor begins with the action's phrase, any other figure with the concept's,
// and every figure ends with the object's.
void AppendSentence(std::string& text, Figure figure, std::string_view concept, std::string_view action,
                    std::string_view object);

// The sentence of these words: each converted in turn, concept, action,
// object (each failure said as it comes), and the phrases joined.
std::string ComposeSentence(const SentenceParts& parts, MessageSink& sink);

}  // namespace quill
