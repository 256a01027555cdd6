// Turns a chosen word into the fragment of a sentence. A word without a phrase
// shows its table's message and yields the marker phrase kErrorPhrase.
#pragma once

#include <string>

#include "message_sink.h"

namespace quill {

// As the radio group stores it; any other value has no phrase column.
enum class Figure : int { Metaphor = 0, Simile = 1 };

inline constexpr const char* kErrorPhrase = " *Error* ";

// The figure selects the column.
std::string ConvertStringConcept(const std::string& concept, Figure figure, MessageSink& sink);
std::string ConvertStringAction(const std::string& action, Figure figure, MessageSink& sink);
std::string ConvertStringObject(const std::string& object, Figure figure, MessageSink& sink);

}  // namespace quill
