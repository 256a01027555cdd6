#include "configure_auto_dlg.h"

#include "data_exchange.h"
#include "quillmere_dlg.h"
#include "resource.h"

namespace quill::win {

const RouteRow CConfigureAutoDlg::kRoutes[] = {
    OnCommand(BN_CLICKED, IDC_RANDOMIZE_EVERYTHING, &CConfigureAutoDlg::RandomizeEverything),
    OnMessage(WM_DESTROY, &CConfigureAutoDlg::OnDestroy),
    OnCommand(BN_CLICKED, IDC_RANDOMIZE_CONVENTION, &CConfigureAutoDlg::OnConventionBox),
    OnCommand(BN_CLICKED, IDC_AUTO_CONVENTIONAL, &CConfigureAutoDlg::OnConventionRadio),
    OnCommand(BN_CLICKED, IDC_AUTO_UNCONVENTIONAL, &CConfigureAutoDlg::OnConventionRadio),
    OnCommand(BN_CLICKED, IDC_RANDOMIZE_FIGURE, &CConfigureAutoDlg::OnFigureBox),
    OnCommand(BN_CLICKED, IDC_AUTO_METAPHOR, &CConfigureAutoDlg::OnFigureRadio),
    OnCommand(BN_CLICKED, IDC_AUTO_SIMILE, &CConfigureAutoDlg::OnFigureRadio),
    OnCommand(BN_CLICKED, IDC_RANDOMIZE_POLARITY, &CConfigureAutoDlg::OnPolarityBox),
    OnCommand(BN_CLICKED, IDC_AUTO_NEGATIVE, &CConfigureAutoDlg::OnPolarityRadio),
    OnCommand(BN_CLICKED, IDC_AUTO_POSITIVE, &CConfigureAutoDlg::OnPolarityRadio),
};

CConfigureAutoDlg::CConfigureAutoDlg(CQuillmereDlg* parent)
    : Dialog(IDD_CONFIGURE_AUTO, kRoutes), m_pParent(parent), m_form(m_state, parent->FormState(), *this) {}

bool CConfigureAutoDlg::CreateAndShow() {
    // The desktop as parent: a top-level window with no owner, so it has its own
    // taskbar button, may lie behind the main window, and stays usable while the
    // main window's About window is up.
    if (!Create(GetDesktopWindow())) {
        delete this;
        return false;
    }
    m_ownedByWindow = true;
    ShowWindow(GetSafeHwnd(), SW_SHOW);
    return true;
}

void CConfigureAutoDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_RANDOMIZE_CONVENTION, m_state.m_bRandomizeConvention);
    dx.Check(IDC_RANDOMIZE_POLARITY, m_state.m_bRandomizePolarity);
    dx.Check(IDC_RANDOMIZE_FIGURE, m_state.m_bRandomizeFigure);
    dx.Radio(IDC_AUTO_CONVENTIONAL, m_state.m_nConvention);
    dx.Radio(IDC_AUTO_METAPHOR, m_state.m_nFigure);
    dx.Radio(IDC_AUTO_NEGATIVE, m_state.m_nPolarity);
}

BOOL CConfigureAutoDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_form.StartUp();
    return TRUE;
}

void CConfigureAutoDlg::EnablePair(AutoMode mode, bool enable) {
    const int first = mode == AutoMode::Convention ? IDC_AUTO_CONVENTIONAL
                      : mode == AutoMode::Figure   ? IDC_AUTO_METAPHOR
                                                   : IDC_AUTO_NEGATIVE;
    EnableWindow(GetDlgItem(first), enable);
    EnableWindow(GetDlgItem(first + 1), enable);
}

bool CConfigureAutoDlg::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    m_pParent->ConfigureAutoClosed();
    return false;  // the default destroy handling runs as well
}

HWND CConfigureAutoDlg::MainWindow() const { return m_pParent->GetSafeHwnd(); }

void CConfigureAutoDlg::PostNcDestroy() {
    // The window has had its last message: nothing can reach the object now.
    if (m_ownedByWindow) delete this;
}

}  // namespace quill::win
