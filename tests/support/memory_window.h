// An in-memory main window that behaves like the real sorted drop-down lists,
// radio group, check box and output line, for driving the form model natively.
#pragma once

#include <string>
#include <vector>

#include "main_form.h"

namespace quill::test {

class MemoryList final : public ListControl {
public:
    void Fill(const std::vector<std::string>& texts) override;
    int fills = 0;
    void SelectPosition(int position) override;
    std::string TextAt(int position) const override;

    int Selected() const { return m_selected; }
    const std::vector<std::string>& Entries() const { return m_entries; }

    // The sorted list's order: case-insensitive, character by character, with a
    // text that begins a longer one coming first.
    static bool SortsBefore(const std::string& a, const std::string& b);

private:
    std::vector<std::string> m_entries;
    int m_selected = -1;
};

class MemoryWindow final : public FormWindow {
public:
    explicit MemoryWindow(MainFormState& state) : m_state(state) {}

    void ReadFromWindow() override;
    void WriteToWindow() override;
    ListControl& List(Category category) override { return ListOf(category); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void CopyText(const std::string& text) override { copied.push_back(text); }

    MemoryList& ListOf(Category category);
    const MemoryList& ListOf(Category category) const;

    // The controls as a user sees them.
    MemoryList concept, action, object;
    int checkedRadio = -1;  // 0 Metaphor, 1 Simile
    std::string outputLine;
    bool conventionalChecked = false;

    std::vector<std::string> messages;
    std::vector<std::string> copied;  // what went to the clipboard, oldest first
    int writes = 0;

private:
    MainFormState& m_state;
};

// A generator with the C runtime's arithmetic and a settable clock; counts draws.
class ScriptedChance final : public Chance {
public:
    int Rand() override;
    int ClockSecond() override;

    void SetSeconds(int seconds) { m_seconds = seconds; }
    // Each further ClockSecond() call takes the next value; the last one sticks.
    void ScriptSeconds(std::vector<int> seconds);

    unsigned randCalls = 0;
    unsigned clockCalls = 0;
    unsigned seed = 1;

private:
    int m_seconds = 0;
    std::vector<int> m_script;
};

}  // namespace quill::test
