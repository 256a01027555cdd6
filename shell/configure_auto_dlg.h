// The modeless settings window for Auto Generate: for each mode (convention,
// figure, polarity) whether it is drawn at random, and the fixed choice when it
// is not. Every change reaches the main form at once; OK only closes.
#pragma once

#include "dialog.h"
#include "main_form.h"

namespace quill::win {

class CQuillmereDlg;

class CConfigureAutoDlg final : public Dialog {
public:
    explicit CConfigureAutoDlg(CQuillmereDlg* parent);
    ~CConfigureAutoDlg() override;

    // Creates the window unowned and shows it; on failure the object is gone and
    // false comes back. Afterwards the object belongs to its window.
    bool CreateAndShow();

    // How many settings objects exist; leak checks use it.
    static int LiveInstances() { return s_liveInstances; }

    CQuillmereDlg* const m_pParent;
    int m_bRandomizeConvention = 0;
    int m_bRandomizePolarity = 0;
    int m_bRandomizeFigure = 0;
    int m_nConvention = -1;
    int m_nFigure = -1;
    int m_nPolarity = -1;

protected:
    void DoDataExchange(DataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override { DestroyWindow(GetSafeHwnd()); }
    void OnCancel() override { DestroyWindow(GetSafeHwnd()); }
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;

private:
    // One mode's check box, radio pair, and the fields on both sides.
    struct Mode {
        int box;
        int firstRadio;
        int CConfigureAutoDlg::*randomize;
        int CConfigureAutoDlg::*choice;
        int MainFormState::*formRandomize;
        int MainFormState::*formChoice;
    };
    static const Mode kConvention, kFigure, kPolarity;

    void OnBox(const Mode& mode);
    void OnRadio(const Mode& mode);
    void EnablePair(const Mode& mode, bool enable);
    void OnConventionBox() { OnBox(kConvention); }
    void OnConventionRadio() { OnRadio(kConvention); }
    void OnFigureBox() { OnBox(kFigure); }
    void OnFigureRadio() { OnRadio(kFigure); }
    void OnPolarityBox() { OnBox(kPolarity); }
    void OnPolarityRadio() { OnRadio(kPolarity); }
    void RandomizeEverything();
    bool OnDestroy(WPARAM wParam, LPARAM lParam, LRESULT& result);

    static const RouteRow<CConfigureAutoDlg> kRoutes[11];
    static int s_liveInstances;
    bool m_ownedByWindow = false;
};

}  // namespace quill::win
