// The About window: name, version, icon, copyright, a notice, and a button that
// opens Quillmere's web site in the user's browser.
#pragma once

#include "dialog.h"

#include <shellapi.h>

namespace quill::win {

// How the About window asks the shell to open an address; ShellExecuteW in the
// program, a recorder in tests.
using ShellOpen = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// ShellExecuteW from shell32, loaded at the first call: shell32 brings a dozen
// more libraries into the process, which every start would otherwise pay for.
// Answers SE_ERR_DLLNOTFOUND when shell32 cannot be loaded.
HINSTANCE WINAPI ShellExecuteOnDemand(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                      LPCWSTR directory, INT show);

class CAboutDlg final : public Dialog {
public:
    explicit CAboutDlg(ShellOpen shellOpen);

    static const wchar_t* WebSite();

protected:
    BOOL OnInitDialog() override;

private:
    void VisitWebSite();

    static const RouteRow kRoutes[];
    ShellOpen m_shellOpen;
};

}  // namespace quill::win
