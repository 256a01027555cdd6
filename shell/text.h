// Text between the program's narrow (UTF-8) strings and Windows' UTF-16.
#pragma once

#include <windows.h>

#include <string>

namespace quill::win {

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

// A window's or control's text.
std::wstring WindowText(HWND window);

// The program file's name without its extension: the caption of message boxes.
// Made at its first call, which the dialog layer makes before any window opens,
// so that telling of a failure (out of memory, say) needs no memory.
const std::wstring& ApplicationName();

}  // namespace quill::win
