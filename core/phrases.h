// Turns a chosen word into the fragment of a sentence. A word without a phrase
// shows its table's message and yields the marker phrase kErrorPhrase.
#pragma once

#include <string>

#include "form_window.h"

namespace quill {

enum Figure { kMetaphor = 0, kSimile = 1 };

inline constexpr const char* kErrorPhrase = " *Error* ";

// The figure selects the column; values other than kMetaphor and kSimile have none.
std::string ConvertStringConcept(const std::string& concept, int figure, MessageSink& sink);
std::string ConvertStringAction(const std::string& action, int figure, MessageSink& sink);
std::string ConvertStringObject(const std::string& object, int figure, MessageSink& sink);

}  // namespace quill
