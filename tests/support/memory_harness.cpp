// The scenario suite's window for the native test program: the in-memory window.
#include "form_harness.h"

namespace quill::test {
namespace {

class MemoryHarness final : public FormHarness {
public:
    MemoryHarness() { m_form.StartUp(); }

    void Pick(Category category, int position) override {
        m_window.ListOf(category).SelectPosition(position);
        m_form.NarrowOnSelection(category);
    }
    void ClickGenerate() override { m_form.ComposeFigure(); }
    void ClickReset() override { m_form.ResetLists(); }
    void ClickConventional() override {
        m_window.conventionalChecked = !m_window.conventionalChecked;
        m_form.ConventionalSwitch();
    }
    void ClickAutoGenerate() override { m_form.AutoGenerate(); }
    void ChooseFigure(int figure) override { m_window.checkedRadio = figure; }
    void ClickCopy() override { m_form.CopySentence(); }
    void ClickCopyAll() override { m_form.CopyAllSentences(); }
    std::string Clipboard() override { return m_window.copied.empty() ? std::string() : m_window.copied.back(); }
    void PutOnClipboard(const std::string& text) override { m_window.copied.push_back(text); }

    std::vector<std::string> Entries(Category category) override {
        return m_window.ListOf(category).Entries();
    }
    int Selection(Category category) override { return m_window.ListOf(category).Selected(); }
    int FigureShown() override { return m_window.checkedRadio; }
    bool ConventionalShown() override { return m_window.conventionalChecked; }
    std::string Output() override { return m_window.outputLine; }
    std::vector<std::string> TakeMessages() override {
        std::vector<std::string> taken;
        taken.swap(m_window.messages);
        return taken;
    }

    MainFormState& State() override { return m_state; }
    ScriptedChance& Chance() override { return m_chance; }

private:
    MainFormState m_state;
    MemoryWindow m_window{m_state};
    ScriptedChance m_chance;
    MainForm m_form{m_state, m_window, m_chance};
};

}  // namespace

std::unique_ptr<FormHarness> MakeHarness() { return std::make_unique<MemoryHarness>(); }

}  // namespace quill::test
