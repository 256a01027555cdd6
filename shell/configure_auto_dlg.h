// The modeless settings window for Auto Generate: the controls of its model,
// ConfigureAutoForm, which writes every change to the main form at once.
#pragma once

#include "configure_auto_form.h"
#include "dialog.h"

namespace quill::win {

class CQuillmereDlg;

class CConfigureAutoDlg final : public Dialog, public ConfigureAutoWindow {
public:
    explicit CConfigureAutoDlg(CQuillmereDlg* parent);

    // Creates the window unowned and shows it; on failure the object is gone and
    // false comes back. Afterwards the object belongs to its window.
    bool CreateAndShow();

    void ReadFromWindow() override { UpdateData(true); }
    void WriteToWindow() override { UpdateData(false); }
    void EnablePair(AutoMode mode, bool enable) override;

protected:
    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    // OK only closes: every change has reached the main form already.
    void OnOK() override { EndDialog(IDOK); }
    void PostNcDestroy() override;
    // Unowned, it reports to the main window that opened it once it is gone.
    HWND MainWindow() const override;

private:
    void OnConventionBox() { m_form.OnBox(AutoMode::Convention); }
    void OnConventionRadio() { m_form.OnRadio(AutoMode::Convention); }
    void OnFigureBox() { m_form.OnBox(AutoMode::Figure); }
    void OnFigureRadio() { m_form.OnRadio(AutoMode::Figure); }
    void OnPolarityBox() { m_form.OnBox(AutoMode::Polarity); }
    void OnPolarityRadio() { m_form.OnRadio(AutoMode::Polarity); }
    void RandomizeEverything() { m_form.RandomizeEverything(); }
    bool OnDestroy(WPARAM wParam, LPARAM lParam, LRESULT& result);

    static const RouteRow kRoutes[];

    // The main window whose form this window reads and writes.
    CQuillmereDlg* const m_pParent;
    ConfigureAutoState m_state;
    ConfigureAutoForm m_form;
    bool m_ownedByWindow = false;
};

}  // namespace quill::win
