// The scenario suite's window on the in-memory form, for the native test
// program and the web edition's reference alike.
#pragma once

#include "form_harness.h"
#include "memory_window.h"

namespace quill::test {

class MemoryHarness final : public FormHarness {
public:
    explicit MemoryHarness(std::size_t sentencesKept = kEverySentence) : m_form(sentencesKept) {}

    void Pick(Category category, int position) override;
    void ClickGenerate() override { m_form.form.ComposeFigure(); }
    void ClickReset() override { m_form.form.ResetLists(); }
    void ClickConventional() override;
    void ClickAutoGenerate() override { m_form.form.AutoGenerate(); }
    void ChooseFigure(int figure) override { m_form.window.checkedRadio = figure; }
    void ClickCopy() override { m_form.form.CopySentence(); }
    void ClickCopyAll() override { m_form.form.CopyAllSentences(); }
    std::string Clipboard() override;
    void PutOnClipboard(const std::string& text) override { m_form.window.copied.push_back(text); }

    std::vector<std::string> Entries(Category category) override { return m_form.window.ListOf(category).Entries(); }
    int Selection(Category category) override { return m_form.window.ListOf(category).Selected(); }
    int FigureShown() override { return m_form.window.checkedRadio; }
    bool ConventionalShown() override { return m_form.window.conventionalChecked; }
    std::string Output() override { return m_form.window.outputLine; }
    std::vector<std::string> TakeMessages() override;

    MainFormState& State() override { return m_form.state; }
    ScriptedChance& Chance() override { return m_form.chance; }
    // The form and its window themselves, for what only the in-memory window shows.
    MemoryForm& Memory() { return m_form; }

private:
    MemoryForm m_form;
};

}  // namespace quill::test
