// The application: starts the main window and ends when it closes.
#pragma once

#include "quillmere_dlg.h"

namespace quill::win {

class CQuillmereApp {
public:
    // Runs the main window modally; FALSE means no further message loop is to run.
    BOOL InitInstance();
};

}  // namespace quill::win
