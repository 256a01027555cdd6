#include "memory_window.h"

#include <new>

namespace quill::test {

void MemoryWindow::CopySentences(const std::vector<std::string>& sentences) {
    std::string lines;
    for (const std::string& sentence : sentences) lines += (lines.empty() ? "" : "\r\n") + sentence;
    copied.push_back(lines);
}

void MemoryWindow::ReadFromWindow() {
    m_state.m_nConcept = concept.Selected();
    m_state.m_nFigure = checkedRadio;
    m_state.m_nAction = action.Selected();
    m_state.m_nObject = object.Selected();
    m_state.m_strOutput = outputLine;
    m_state.m_bConventional = conventionalChecked ? 1 : 0;
}

void MemoryList::Use() {
    if (m_failingAt == 0) {
        m_failingAt = -1;
        throw std::bad_alloc();
    }
    if (m_failingAt > 0) --m_failingAt;
}

void MemoryWindow::WriteToWindow() {
    concept.Use();  // a write runs out of memory as a fill does
    concept.SelectPosition(m_state.m_nConcept);
    checkedRadio = IsOneOfTwo(m_state.m_nFigure) ? m_state.m_nFigure : -1;
    action.SelectPosition(m_state.m_nAction);
    object.SelectPosition(m_state.m_nObject);
    outputLine = m_state.m_strOutput;
    conventionalChecked = m_state.m_bConventional != 0;
}

int ScriptedChance::Rand() {
    if (!m_randScript.empty()) {
        const int value = m_randScript.front();
        m_randScript.erase(m_randScript.begin());
        return value;
    }
    return m_rand.Next();
}

void MemorySettings::ReadFromWindow() {
    for (int i = 0; i < 3; ++i) {
        state.Randomize(static_cast<AutoMode>(i)) = pairs[i].box;
        state.Choice(static_cast<AutoMode>(i)) = pairs[i].radio;
    }
}

void MemorySettings::WriteToWindow() {
    for (int i = 0; i < 3; ++i) {
        pairs[i].box = state.Randomize(static_cast<AutoMode>(i)) != 0;
        pairs[i].radio = state.Choice(static_cast<AutoMode>(i));
    }
}

void MemorySettings::ClickBox(AutoMode mode) {
    (*this)[mode].box = !(*this)[mode].box;
    form.OnBox(mode);
}

void MemorySettings::ClickRadio(AutoMode mode, int index) {
    if (!(*this)[mode].enabled) return;
    (*this)[mode].radio = index;
    form.OnRadio(mode);
}

void SetAutoModes(MainFormState& state, bool randomized, int convention, int polarity, int figure) {
    state.m_bRandomizeConvention = state.m_bRandomizePolarity = state.m_bRandomizeFigure = randomized ? 1 : 0;
    state.m_nAutoConvention = convention;
    state.m_nAutoPolarity = polarity;
    state.m_nAutoFigure = figure;
}

}  // namespace quill::test
