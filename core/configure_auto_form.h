// The settings window of Auto Generate as a model: for each mode (convention,
// figure, polarity) whether it is drawn at random and, when it is not, the
// fixed choice. Every change reaches the main form at once; nothing waits for OK.
#pragma once

#include "main_form.h"

namespace quill {

// The three modes Auto Generate settles, each with a check box and a radio pair.
enum class AutoMode { Convention, Figure, Polarity };

// The settings window as its model sees it.
class ConfigureAutoWindow {
public:
    // Run every binding between the controls and the ConfigureAutoState at once.
    virtual void ReadFromWindow() = 0;
    virtual void WriteToWindow() = 0;
    // Enables or disables both radio buttons of the mode's pair.
    virtual void EnablePair(AutoMode mode, bool enable) = 0;

protected:
    ~ConfigureAutoWindow() = default;
};

// The record behind the settings window; every field is bound to a control and
// stands for one auto field of the main form.
struct ConfigureAutoState {
    int m_bRandomizeConvention = 0;
    int m_bRandomizePolarity = 0;
    int m_bRandomizeFigure = 0;
    // The radio index of each fixed choice; -1 for none.
    int m_nConvention = -1;
    int m_nFigure = -1;
    int m_nPolarity = -1;

    // The fields of one mode: its check box and its radio pair.
    int& Randomize(AutoMode mode);
    int& Choice(AutoMode mode);
};

class ConfigureAutoForm {
public:
    ConfigureAutoForm(ConfigureAutoState& state, MainFormState& mainForm, ConfigureAutoWindow& window);

    // The window has opened: it shows the main form's values, and the radio pair
    // of every mode drawn at random is disabled.
    void StartUp();

    // A click on the mode's check box: a cleared box enables its radio pair.
    void OnBox(AutoMode mode);
    // A click on either radio button of the mode's pair.
    void OnRadio(AutoMode mode);
    // Checks all three boxes; the fixed choices stay as they are.
    void RandomizeEverything();

private:
    friend struct ConfigureAutoState;

    // One mode's fields, here and in the main form.
    struct ModeFields {
        int ConfigureAutoState::*randomize;
        int ConfigureAutoState::*choice;
        int MainFormState::*formRandomize;
        int MainFormState::*formChoice;
    };
    static ModeFields FieldsOf(AutoMode mode);

    ConfigureAutoState& m_state;
    MainFormState& m_mainForm;
    ConfigureAutoWindow& m_window;
};

}  // namespace quill
