#include "configure_auto_dlg.h"

#include "quillmere_dlg.h"
#include "resource.h"

namespace quill::win {

int CConfigureAutoDlg::s_liveInstances = 0;

const CConfigureAutoDlg::Mode CConfigureAutoDlg::kConvention{
    IDC_RANDOMIZE_CONVENTION, IDC_AUTO_CONVENTIONAL, &CConfigureAutoDlg::m_bRandomizeConvention,
    &CConfigureAutoDlg::m_nConvention, &MainFormState::m_bRandomizeConvention, &MainFormState::m_nAutoConvention};
const CConfigureAutoDlg::Mode CConfigureAutoDlg::kFigure{
    IDC_RANDOMIZE_FIGURE, IDC_AUTO_METAPHOR, &CConfigureAutoDlg::m_bRandomizeFigure,
    &CConfigureAutoDlg::m_nFigure, &MainFormState::m_bRandomizeFigure, &MainFormState::m_nAutoFigure};
const CConfigureAutoDlg::Mode CConfigureAutoDlg::kPolarity{
    IDC_RANDOMIZE_POLARITY, IDC_AUTO_NEGATIVE, &CConfigureAutoDlg::m_bRandomizePolarity,
    &CConfigureAutoDlg::m_nPolarity, &MainFormState::m_bRandomizePolarity, &MainFormState::m_nAutoPolarity};

const RouteRow<CConfigureAutoDlg> CConfigureAutoDlg::kRoutes[11] = {
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

CConfigureAutoDlg::CConfigureAutoDlg(CQuillmereDlg* parent) : Dialog(IDD_CONFIGURE_AUTO), m_pParent(parent) {
    ++s_liveInstances;
}

CConfigureAutoDlg::~CConfigureAutoDlg() { --s_liveInstances; }

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
    dx.Check(IDC_RANDOMIZE_CONVENTION, m_bRandomizeConvention);
    dx.Check(IDC_RANDOMIZE_POLARITY, m_bRandomizePolarity);
    dx.Check(IDC_RANDOMIZE_FIGURE, m_bRandomizeFigure);
    dx.Radio(IDC_AUTO_CONVENTIONAL, m_nConvention);
    dx.Radio(IDC_AUTO_METAPHOR, m_nFigure);
    dx.Radio(IDC_AUTO_NEGATIVE, m_nPolarity);
}

BOOL CConfigureAutoDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    const MainFormState& form = m_pParent->Form();
    for (const Mode* mode : {&kConvention, &kPolarity, &kFigure}) {
        this->*(mode->randomize) = form.*(mode->formRandomize);
        this->*(mode->choice) = form.*(mode->formChoice);
    }
    for (const Mode* mode : {&kConvention, &kPolarity, &kFigure}) {
        if (this->*(mode->randomize)) EnablePair(*mode, false);
    }
    UpdateData(false);
    return TRUE;
}

bool CConfigureAutoDlg::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return Dispatch(*this, kRoutes, message, wParam, lParam, result);
}

void CConfigureAutoDlg::EnablePair(const Mode& mode, bool enable) {
    EnableWindow(GetDlgItem(mode.firstRadio), enable);
    EnableWindow(GetDlgItem(mode.firstRadio + 1), enable);
}

void CConfigureAutoDlg::OnBox(const Mode& mode) {
    UpdateData(true);
    EnablePair(mode, this->*(mode.randomize) != 1);
    m_pParent->Form().*(mode.formRandomize) = this->*(mode.randomize);
}

void CConfigureAutoDlg::OnRadio(const Mode& mode) {
    UpdateData(true);
    m_pParent->Form().*(mode.formChoice) = this->*(mode.choice);
}

void CConfigureAutoDlg::RandomizeEverything() {
    m_bRandomizeConvention = m_bRandomizePolarity = m_bRandomizeFigure = 1;
    for (int id = IDC_AUTO_CONVENTIONAL; id <= IDC_AUTO_POSITIVE; ++id) EnableWindow(GetDlgItem(id), FALSE);
    MainFormState& form = m_pParent->Form();
    form.m_bRandomizeConvention = m_bRandomizeConvention;
    form.m_bRandomizePolarity = m_bRandomizePolarity;
    form.m_bRandomizeFigure = m_bRandomizeFigure;
    UpdateData(false);
}

bool CConfigureAutoDlg::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    m_pParent->m_pConfigDlg = nullptr;
    return false;  // the default destroy handling runs as well
}

void CConfigureAutoDlg::PostNcDestroy() {
    // The window has had its last message: nothing can reach the object now.
    if (m_ownedByWindow) delete this;
}

}  // namespace quill::win
