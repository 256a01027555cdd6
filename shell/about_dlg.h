// The About window: name, version, icon, copyright, a notice, and a button that
// opens Quillmere's web site in the user's browser.
#pragma once

#include "dialog.h"

#include <shellapi.h>

namespace quill::win {

// How the About window asks the shell to open an address; ShellExecuteW in the
// program, a recorder in tests.
using ShellOpen = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

class CAboutDlg final : public Dialog {
public:
    explicit CAboutDlg(ShellOpen shellOpen);

    static const wchar_t* WebSite();

protected:
    BOOL OnInitDialog() override;
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void VisitWebSite();

    static const RouteRow<CAboutDlg> kRoutes[1];
    ShellOpen m_shellOpen;
};

}  // namespace quill::win
