#include "quillmere_dlg.h"

#include <iterator>

#include "clipboard.h"
#include "configure_auto_dlg.h"
#include "data_exchange.h"
#include "resource.h"
#include "text.h"

namespace quill::win {

const RouteRow CQuillmereDlg::kRoutes[] = {
    OnMessage(WM_SYSCOMMAND, &CQuillmereDlg::OnSysCommand),
    OnMessage(WM_PAINT, &CQuillmereDlg::OnPaint),
    OnMessage(WM_QUERYDRAGICON, &CQuillmereDlg::OnQueryDragIcon),
    OnCommand(BN_CLICKED, IDC_GENERATE, &CQuillmereDlg::OnGenerate),
    OnCommand(BN_CLICKED, IDC_RESET, &CQuillmereDlg::OnReset),
    OnCommand(BN_CLICKED, IDC_EXIT, &CQuillmereDlg::OnExit),
    OnCommand(CBN_SELCHANGE, IDC_CONCEPT, &CQuillmereDlg::OnSelChangeConcept),
    OnCommand(CBN_SELCHANGE, IDC_ACTION, &CQuillmereDlg::OnSelChangeAction),
    OnCommand(CBN_SELCHANGE, IDC_OBJECT, &CQuillmereDlg::OnSelChangeObject),
    OnCommand(BN_CLICKED, IDC_CONVENTIONAL, &CQuillmereDlg::OnConventional),
    OnCommand(BN_CLICKED, IDC_CONFIGURE_AUTO, &CQuillmereDlg::ShowConfigureAuto),
    OnCommand(BN_CLICKED, IDC_AUTO_GENERATE, &CQuillmereDlg::OnAutoGenerate),
    OnCommand(0, IDM_ABOUT_QUILLMERE, &CQuillmereDlg::ShowAbout),
    OnMessage(WM_DESTROY, &CQuillmereDlg::OnDestroy),
    // The output line's menu, and its Copy from the keyboard (accelerator code 1).
    OnMessage(WM_CONTEXTMENU, &CQuillmereDlg::OnContextMenu),
    OnCommand(0, IDM_COPY, &CQuillmereDlg::OnCopy),
    OnCommand(1, IDM_COPY, &CQuillmereDlg::OnCopy),
    OnCommand(0, IDM_COPY_ALL, &CQuillmereDlg::OnCopyAll),
    OnCommand(1, IDM_SENTENCE_MENU, &CQuillmereDlg::OnSentenceMenuKey),
};

CQuillmereDlg::CQuillmereDlg(Chance& chance)
    : Dialog(IDD_QUILLMERE_DIALOG, kRoutes),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_form(m_state, *this, chance) {}

ListControl& CQuillmereDlg::List(Category category) {
    return *OfCategory(category, &m_ctlConcept, &m_ctlAction, &m_ctlObject);
}

// The lists by the names the web edition's labels give them; the output line
// by its own text, which a name would replace.
void CQuillmereDlg::AnnotateControls(bool annotate) {
    const ControlAnnotation controls[] = {
        {GetDlgItem(IDC_CONCEPT), L"Concept", false},
        {GetDlgItem(IDC_ACTION), L"Action", false},
        {GetDlgItem(IDC_OBJECT), L"Object", false},
        {GetDlgItem(IDC_OUTPUT), nullptr, true},
    };
    m_annotate(controls, std::size(controls), annotate);
}

void CQuillmereDlg::ShowMessage(const std::string& text) { MessageBox(Widen(text)); }

void CQuillmereDlg::CopySentences(const std::vector<std::string>& sentences) {
    std::string lines;
    for (const std::string& sentence : sentences) lines += (lines.empty() ? "" : "\r\n") + sentence;
    if (!CopyToClipboard(GetSafeHwnd(), Widen(lines))) MessageBeep(MB_ICONWARNING);
}

void CQuillmereDlg::DoDataExchange(DataExchange& dx) {
    dx.Control(IDC_ACTION, m_ctlAction);
    dx.Control(IDC_OBJECT, m_ctlObject);
    dx.Control(IDC_CONCEPT, m_ctlConcept);
    dx.CBIndex(IDC_CONCEPT, m_state.m_nConcept);
    dx.Radio(IDC_METAPHOR, m_state.m_nFigure);
    dx.CBIndex(IDC_ACTION, m_state.m_nAction);
    dx.CBIndex(IDC_OBJECT, m_state.m_nObject);
    // A new sentence is read out, once, where the screen reader supports live regions.
    if (dx.Text(IDC_OUTPUT, m_state.m_strOutput)) AnnounceLiveRegion(GetDlgItem(IDC_OUTPUT));
    dx.Check(IDC_CONVENTIONAL, m_state.m_bConventional);
}

BOOL CQuillmereDlg::OnInitDialog() {
    Dialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(GetSafeHwnd(), FALSE);
    wchar_t aboutText[64] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, aboutText, static_cast<int>(std::size(aboutText)));
    if (systemMenu && aboutText[0]) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }

    SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    AnnotateControls(true);

    m_form.StartUp();
    m_pConfigDlg = nullptr;
    return TRUE;
}

bool CQuillmereDlg::OnSysCommand(WPARAM wParam, LPARAM, LRESULT&) {
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;  // move, close and the rest: default
    ShowAbout();
    return true;
}

bool CQuillmereDlg::OnPaint(WPARAM, LPARAM, LRESULT&) {
    if (!IsIconic(GetSafeHwnd())) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    SendMessageW(GetSafeHwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    // Centred, rounding a half pixel up; an area narrower than the icon gives 0
    // once it is within one pixel, as signed arithmetic truncates toward zero.
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(GetSafeHwnd(), &paint);
    return true;
}

bool CQuillmereDlg::OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result) {
    result = reinterpret_cast<LRESULT>(m_hIcon);
    return true;
}

// A right-click on the output line, or the context-menu key wherever the focus is.
bool CQuillmereDlg::OnContextMenu(WPARAM, LPARAM lParam, LRESULT&) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (at.x == -1 && at.y == -1) {
        ShowSentenceMenu(nullptr);
        return true;
    }
    RECT line;
    GetWindowRect(GetDlgItem(IDC_OUTPUT), &line);
    if (!PtInRect(&line, at)) return false;
    ShowSentenceMenu(&at);
    return true;
}

void CQuillmereDlg::ShowSentenceMenu(const POINT* at) {
    RECT line;
    GetWindowRect(GetDlgItem(IDC_OUTPUT), &line);
    const POINT where = at ? *at : POINT{line.left, line.bottom};  // below the line, which stays readable
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_SENTENCE_MENU));
    HMENU popup = GetSubMenu(menu, 0);
    EnableMenuItem(popup, IDM_COPY, MF_BYCOMMAND | (m_form.CanCopySentence() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_COPY_ALL, MF_BYCOMMAND | (m_form.CanCopyAllSentences() ? MF_ENABLED : MF_GRAYED));
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, where.x, where.y, 0, GetSafeHwnd(), nullptr);
    DestroyMenu(menu);
}

void CQuillmereDlg::ShowConfigureAuto() {
    if (m_pConfigDlg) {
        SetForegroundWindow(m_pConfigDlg->GetSafeHwnd());
        return;
    }
    m_pConfigDlg = new CConfigureAutoDlg(this);
    // A window that cannot be created leaves none, so the next press tries again.
    if (!m_pConfigDlg->CreateAndShow()) m_pConfigDlg = nullptr;
}

void CQuillmereDlg::ShowAbout() {
    CAboutDlg about(m_shellOpen);
    about.DoModal(GetSafeHwnd());
}

// The settings window has no owner, so it would outlive the main window; it
// goes with it, before anything could reach the main form that is ending.
bool CQuillmereDlg::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    if (m_pConfigDlg) DestroyWindow(m_pConfigDlg->GetSafeHwnd());
    AnnotateControls(false);
    return false;
}

}  // namespace quill::win
