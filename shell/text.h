// Text between the program's narrow (UTF-8) strings and Windows' UTF-16.
#pragma once

#include <string>

namespace quill::win {

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

// The program file's name without its extension: the caption of message boxes.
std::wstring ApplicationName();

}  // namespace quill::win
