#include "about_dlg.h"

#include "about_text.h"
#include "resource.h"
#include "version.h"

namespace quill::win {
namespace {

const wchar_t kNotice[] = L"" QUILL_ABOUT_NOTICE;

}  // namespace

HINSTANCE WINAPI ShellExecuteOnDemand(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                      LPCWSTR directory, INT show) {
    // Kept loaded once loaded: what ShellExecuteW starts may still be using it.
    static const auto execute = [] {
        HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return shell ? reinterpret_cast<ShellOpen>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")))
                     : nullptr;
    }();
    if (!execute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return execute(owner, verb, file, parameters, directory, show);
}

const RouteRow CAboutDlg::kRoutes[] = {
    OnCommand(BN_CLICKED, IDC_VISIT_WEB_SITE, &CAboutDlg::VisitWebSite),
};

CAboutDlg::CAboutDlg(ShellOpen shellOpen) : Dialog(IDD_ABOUTBOX, kRoutes), m_shellOpen(shellOpen) {}

const wchar_t* CAboutDlg::WebSite() { return QUILL_WEB_SITE; }

BOOL CAboutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    SetWindowTextW(GetDlgItem(IDC_ABOUT_NOTICE), kNotice);
    UpdateData(false);
    return TRUE;
}

// Opens the address with its default action; whatever the shell answers, the
// window stays open and nothing is reported.
void CAboutDlg::VisitWebSite() { m_shellOpen(nullptr, nullptr, WebSite(), nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace quill::win
