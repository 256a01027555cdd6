// An in-memory main window that behaves like the real sorted drop-down lists,
// radio group, check box and output line, for driving the form model natively.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "configure_auto_form.h"
#include "main_form.h"
#include "sorted_list.h"

namespace quill::test {

// A list that runs out of memory as its window says.
class MemoryList final : public SortedList {
public:
    explicit MemoryList(long& failingAt) : m_failingAt(failingAt) {}
    // One use of memory, the failing one thrown.
    void Use();

private:
    void ShowEntries(const std::vector<std::string>&) override { Use(); }
    long& m_failingAt;
};

class MemoryWindow final : public FormWindow {
public:
    explicit MemoryWindow(MainFormState& state) : m_state(state) {}

    void ReadFromWindow() override;
    void WriteToWindow() override;
    ListControl& List(Category category) override { return ListOf(category); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    // Joined as the Windows program joins them, so that both windows copy alike.
    void CopySentences(const std::vector<std::string>& sentences) override;

    SortedList& ListOf(Category category) { return *OfCategory(category, &concept, &action, &object); }
    const SortedList& ListOf(Category category) const { return *OfCategory(category, &concept, &action, &object); }

    // The controls as a user sees them.
    // Out of memory once, at that many writes and list fills from now (never while negative).
    long failingAt = -1;
    MemoryList concept{failingAt}, action{failingAt}, object{failingAt};
    int checkedRadio = -1;  // 0 Metaphor, 1 Simile
    std::string outputLine;
    bool conventionalChecked = false;

    std::vector<std::string> messages;
    std::vector<std::string> copied;  // what went to the clipboard, oldest first

private:
    MainFormState& m_state;
};

// A generator and a clock whose values a test chooses.
class ScriptedChance final : public Chance {
public:
    // The scripted values in turn, then the Windows runtime's sequence.
    int Rand() override;
    int ClockSecond() override { return m_seconds; }

    void SetSeconds(int seconds) { m_seconds = seconds; }
    void ScriptRands(std::vector<int> values) { m_randScript = std::move(values); }

private:
    WindowsRand m_rand;
    int m_seconds = 0;
    std::vector<int> m_randScript;
};

// The main form on the in-memory window, started up as the program starts it.
struct MemoryForm {
    explicit MemoryForm(std::size_t sentencesKept = kEverySentence) : form(state, window, chance, sentencesKept) {
        form.StartUp();
    }

    MainFormState state;
    MemoryWindow window{state};
    ScriptedChance chance;
    MainForm form;
};

// One opening of the settings window in memory, with its model over the main form.
struct MemorySettings final : ConfigureAutoWindow {
    // One mode's check box and radio pair as a user sees them.
    struct Pair {
        bool box = false;
        int radio = -1;
        bool enabled = true;
    };

    explicit MemorySettings(MainFormState& mainForm) : form(state, mainForm, *this) { form.StartUp(); }

    void ReadFromWindow() override;
    void WriteToWindow() override;
    void EnablePair(AutoMode mode, bool enable) override { (*this)[mode].enabled = enable; }

    Pair& operator[](AutoMode mode) { return pairs[static_cast<int>(mode)]; }
    void ClickBox(AutoMode mode);
    // A disabled radio button takes no click.
    void ClickRadio(AutoMode mode, int index);

    Pair pairs[3];
    ConfigureAutoState state;
    ConfigureAutoForm form;
};

// The settings window's six values: every mode drawn at random or none, and
// the fixed choices.
void SetAutoModes(MainFormState& state, bool randomized, int convention, int polarity, int figure);

}  // namespace quill::test
