// The main window as a user meets it: picks, clicks and what is on screen.
// The scenario suite runs against this, once on the in-memory window and once
// on the real Win32 dialog.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "main_form.h"
#include "memory_window.h"

namespace quill::test {

class FormHarness {
public:
    virtual ~FormHarness() = default;

    // The user selects the entry at a position, which raises a selection change.
    virtual void Pick(Category category, int position) = 0;
    virtual void ClickGenerate() = 0;
    virtual void ClickReset() = 0;
    virtual void ClickConventional() = 0;  // toggles the box, then its command runs
    virtual void ClickAutoGenerate() = 0;
    virtual void ChooseFigure(int figure) = 0;  // a radio click: no command of its own
    virtual void ClickCopy() = 0;                // the output line's menu: Copy
    virtual void ClickCopyAll() = 0;             // and Copy All

    // The clipboard's text, and another program putting some there.
    virtual std::string Clipboard() = 0;
    virtual void PutOnClipboard(const std::string& text) = 0;

    virtual std::vector<std::string> Entries(Category category) = 0;
    virtual int Selection(Category category) = 0;
    virtual int FigureShown() = 0;
    virtual bool ConventionalShown() = 0;
    virtual std::string Output() = 0;
    // The message boxes shown since the last call, oldest first.
    virtual std::vector<std::string> TakeMessages() = 0;

    virtual MainFormState& State() = 0;
    virtual ScriptedChance& Chance() = 0;

    // Picks the first entry with this text; fails the test if there is none.
    void PickText(Category category, const std::string& text);
    // How a user leaves the form with a sentence: the Conventional box set to
    // let the action's polarity in, the three words picked, the figure
    // chosen, Generate.
    void MakeByHand(const SentenceParts& parts);
    std::string SelectedText(Category category);
    // Everything a user sees and the form holds, as texts, for comparing two
    // moments or two ways to the same place.
    std::vector<std::string> Everything();
};

// Each test program supplies the window its scenarios run on, already started up.
std::unique_ptr<FormHarness> MakeHarness();

}  // namespace quill::test
