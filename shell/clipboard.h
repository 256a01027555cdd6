// The clipboard, for the text a user takes to another program.
#pragma once

#include <windows.h>

#include <string>

namespace quill::win {

// Replaces the clipboard's content with the text as Unicode text
// (CF_UNICODETEXT); false when the clipboard could not be had.
bool CopyToClipboard(HWND owner, const std::wstring& text);

}  // namespace quill::win
