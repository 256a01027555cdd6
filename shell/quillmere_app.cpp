#include "quillmere_app.h"

#include <commctrl.h>
#include <objbase.h>

namespace quill::win {

BOOL CQuillmereApp::InitInstance() {
    // Common controls 6, which the manifest asks for, give the controls the
    // system's current look.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // COM, once for the whole run, in the single-threaded apartment of the
    // windows' thread: screen readers' annotations need it, and so may the
    // shell extensions that About's link reaches.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    {
        RuntimeChance chance;
        CQuillmereDlg dialog(chance);
        dialog.DoModal();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return FALSE;
}

}  // namespace quill::win
