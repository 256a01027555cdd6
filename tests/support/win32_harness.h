// The real main dialog, created in the test process and driven with the same
// control messages a user's picks and clicks produce.
#pragma once

#include <string>
#include <vector>

#include "form_harness.h"
#include "quillmere_dlg.h"
#include "text.h"
#include "resource.h"

namespace quill::test {

// The main dialog with its message boxes recorded instead of shown, and every
// command that reaches its routing table logged.
class RecordingDlg final : public win::CQuillmereDlg {
public:
    explicit RecordingDlg(quill::Chance& chance) : CQuillmereDlg(chance) {
        m_shellOpen = RecordShellOpen;
        m_annotate = RecordAnnotations;
        // Room for this window's opening and closing: recording them takes
        // no memory that a count of allocations would see.
        annotations.clear();
        annotations.reserve(8);
    }

    // What the window told screen readers of its controls, in turn, and what it took back.
    struct Annotation {
        HWND control;
        const wchar_t* name;
        bool liveRegion, annotate;
    };
    static std::vector<Annotation> annotations;
    static void RecordAnnotations(const win::ControlAnnotation* controls, std::size_t count, bool annotate) {
        for (const win::ControlAnnotation* c = controls; c != controls + count; ++c) {
            annotations.push_back({c->control, c->name, c->liveRegion, annotate});
        }
    }

    // What the About window asked the shell to open, one entry per request.
    struct ShellRequest {
        HWND owner;
        bool hasVerb, hasParameters, hasDirectory;
        std::wstring file;
        INT show;
    };
    static std::vector<ShellRequest> shellRequests;
    static HINSTANCE WINAPI RecordShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                            LPCWSTR directory, INT show) {
        shellRequests.push_back({owner, verb != nullptr, parameters != nullptr, directory != nullptr,
                                 file ? file : L"", show});
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(2));  // "file not found": must not matter
    }

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_COMMAND) commands.push_back(wParam);
        return CQuillmereDlg::Route(message, wParam, lParam, result);
    }

    std::vector<std::string> messages;
    std::vector<WPARAM> commands;
};

class Win32Harness final : public FormHarness {
public:
    Win32Harness();
    ~Win32Harness() override;

    void Pick(Category category, int position) override;
    void ClickGenerate() override { Click(IDC_GENERATE); }
    void ClickReset() override { Click(IDC_RESET); }
    void ClickConventional() override { Click(IDC_CONVENTIONAL); }
    void ClickAutoGenerate() override { Click(IDC_AUTO_GENERATE); }
    void ChooseFigure(int figure) override { Click(figure == 0 ? IDC_METAPHOR : IDC_SIMILE); }
    void ClickCopy() override { Command(IDM_COPY); }
    void ClickCopyAll() override { Command(IDM_COPY_ALL); }
    std::string Clipboard() override;
    void PutOnClipboard(const std::string& text) override;

    std::vector<std::string> Entries(Category category) override;
    int Selection(Category category) override;
    int FigureShown() override;
    bool ConventionalShown() override;
    std::string Output() override;
    std::vector<std::string> TakeMessages() override;

    MainFormState& State() override { return m_dialog.FormState(); }
    ScriptedChance& Chance() override { return m_chance; }

    RecordingDlg& Dialog() { return m_dialog; }
    HWND Window() const { return m_dialog.GetSafeHwnd(); }
    HWND Item(int id) const { return GetDlgItem(Window(), id); }
    // A real button click: BM_CLICK presses and releases it.
    void Click(int id);
    // A menu command, as a menu item sends it.
    void Command(int id) { SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    static int ListId(Category category);

private:
    ScriptedChance m_chance;
    RecordingDlg m_dialog{m_chance};
};

}  // namespace quill::test
