// Turns a chosen word into the fragment of a sentence. A word without a phrase
// shows its table's message and yields a marker phrase.
#pragma once

#include <string>

#include "message_sink.h"
#include "types.h"

namespace quill {

// The figure selects the column.
std::string ConvertStringConcept(const std::string& concept, Figure figure, MessageSink& sink);
std::string ConvertStringAction(const std::string& action, Figure figure, MessageSink& sink);
std::string ConvertStringObject(const std::string& object, Figure figure, MessageSink& sink);

}  // namespace quill
