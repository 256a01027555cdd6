#include "configure_auto_form.h"

namespace quill {

ConfigureAutoForm::ConfigureAutoForm(ConfigureAutoState& state, MainFormState& mainForm,
                                     ConfigureAutoWindow& window)
    : m_state(state), m_mainForm(mainForm), m_window(window) {}

ConfigureAutoForm::ModeFields ConfigureAutoForm::FieldsOf(AutoMode mode) {
    switch (mode) {
    case AutoMode::Figure:
        return {&ConfigureAutoState::m_bRandomizeFigure, &ConfigureAutoState::m_nFigure,
                &MainFormState::m_bRandomizeFigure, &MainFormState::m_nAutoFigure};
    case AutoMode::Polarity:
        return {&ConfigureAutoState::m_bRandomizePolarity, &ConfigureAutoState::m_nPolarity,
                &MainFormState::m_bRandomizePolarity, &MainFormState::m_nAutoPolarity};
    case AutoMode::Convention: break;
    }
    return {&ConfigureAutoState::m_bRandomizeConvention, &ConfigureAutoState::m_nConvention,
            &MainFormState::m_bRandomizeConvention, &MainFormState::m_nAutoConvention};
}

int& ConfigureAutoState::Randomize(AutoMode mode) { return this->*ConfigureAutoForm::FieldsOf(mode).randomize; }

int& ConfigureAutoState::Choice(AutoMode mode) { return this->*ConfigureAutoForm::FieldsOf(mode).choice; }

void ConfigureAutoForm::StartUp() {
    // Convention, polarity, figure: the order the pairs are disabled in.
    const AutoMode modes[] = {AutoMode::Convention, AutoMode::Polarity, AutoMode::Figure};
    for (AutoMode mode : modes) {
        const ModeFields fields = FieldsOf(mode);
        m_state.*fields.randomize = m_mainForm.*fields.formRandomize;
        m_state.*fields.choice = m_mainForm.*fields.formChoice;
    }
    for (AutoMode mode : modes) {
        if (m_state.*FieldsOf(mode).randomize) m_window.EnablePair(mode, false);
    }
    m_window.WriteToWindow();
}

void ConfigureAutoForm::OnBox(AutoMode mode) {
    m_window.ReadFromWindow();
    const ModeFields fields = FieldsOf(mode);
    m_window.EnablePair(mode, m_state.*fields.randomize != 1);
    m_mainForm.*fields.formRandomize = m_state.*fields.randomize;
}

void ConfigureAutoForm::OnRadio(AutoMode mode) {
    m_window.ReadFromWindow();
    const ModeFields fields = FieldsOf(mode);
    m_mainForm.*fields.formChoice = m_state.*fields.choice;
}

void ConfigureAutoForm::RandomizeEverything() {
    // Without reading the window first: the radio pairs keep what they show.
    // Convention, figure, polarity: the pairs in the order of their ids.
    for (AutoMode mode : {AutoMode::Convention, AutoMode::Figure, AutoMode::Polarity}) {
        const ModeFields fields = FieldsOf(mode);
        m_state.*fields.randomize = m_mainForm.*fields.formRandomize = 1;
        m_window.EnablePair(mode, false);
    }
    m_window.WriteToWindow();
}

}  // namespace quill
