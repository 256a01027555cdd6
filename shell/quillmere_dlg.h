// The main window: the three word lists, the figure choice, the Conventional
// switch, the command buttons and the output line.
#pragma once

#include <string>
#include <vector>

#include "about_dlg.h"
#include "annotations.h"
#include "combo_box.h"
#include "dialog.h"
#include "main_form.h"

namespace quill::win {

class CConfigureAutoDlg;

class CQuillmereDlg : public Dialog, public FormWindow {
public:
    explicit CQuillmereDlg(Chance& chance);

    // The record behind the window; the settings window writes its auto fields.
    MainFormState& FormState() { return m_state; }
    // The settings window's word that its window is gone.
    void ConfigureAutoClosed() { m_pConfigDlg = nullptr; }

    void ReadFromWindow() override { UpdateData(true); }
    void WriteToWindow() override { UpdateData(false); }
    ListControl& List(Category category) override;
    void ShowMessage(const std::string& text) override;
    void CopySentences(const std::vector<std::string>& sentences) override;

protected:
    // How the About window opens the web site.
    ShellOpen m_shellOpen = ShellExecuteOnDemand;
    // How the lists are named to screen readers, and the output line made a live region.
    Annotate m_annotate = AnnotateForScreenReaders;

    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;

private:
    void OnGenerate() { m_form.ComposeFigure(); }
    void OnReset() { m_form.ResetLists(); }
    void OnExit() { OnCancel(); }
    void OnSelChangeConcept() { m_form.NarrowOnSelection(Category::Concept); }
    void OnSelChangeAction() { m_form.NarrowOnSelection(Category::Action); }
    void OnSelChangeObject() { m_form.NarrowOnSelection(Category::Object); }
    void OnConventional() { m_form.ConventionalSwitch(); }
    void OnAutoGenerate() { m_form.AutoGenerate(); }
    void OnCopy() { m_form.CopySentence(); }
    void OnCopyAll() { m_form.CopyAllSentences(); }
    void ShowConfigureAuto();
    void ShowAbout();
    bool OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnPaint(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnQueryDragIcon(WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnContextMenu(WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnSentenceMenuKey() { ShowSentenceMenu(nullptr); }
    // Copy and Copy All, at a point of the screen or, from the keyboard, below the line.
    void ShowSentenceMenu(const POINT* at);
    bool OnDestroy(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The names of the lists, and the output line as a live region, given
    // when the window opens and taken back when it goes.
    void AnnotateControls(bool annotate);

    static const RouteRow kRoutes[];

    MainFormState m_state;
    ComboBox m_ctlAction;
    ComboBox m_ctlObject;
    ComboBox m_ctlConcept;
    HICON m_hIcon;
    MainForm m_form;
    // The one open settings window, or none.
    CConfigureAutoDlg* m_pConfigDlg = nullptr;
};

}  // namespace quill::win
