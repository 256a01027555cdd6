#include "quillmere_app.h"

#include <commctrl.h>

namespace quill::win {

BOOL CQuillmereApp::InitInstance() {
    // Common controls 6, which the manifest asks for, give the controls the
    // system's current look.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    RuntimeChance chance;
    CQuillmereDlg dialog(chance);
    dialog.DoModal();
    return FALSE;
}

}  // namespace quill::win
