// The settings window's rules, on an in-memory settings window and the record of
// the main form it writes to.
#include <gtest/gtest.h>

#include "configure_auto_form.h"
#include "memory_window.h"

namespace quill::test {
namespace {

constexpr AutoMode kConvention = AutoMode::Convention, kFigure = AutoMode::Figure, kPolarity = AutoMode::Polarity;

using S = ConfigureAutoState;
// The fields each mode's check box and radio pair show, in AutoMode's order.
int S::*const kBoxField[] = {&S::m_bRandomizeConvention, &S::m_bRandomizeFigure, &S::m_bRandomizePolarity};
int S::*const kRadioField[] = {&S::m_nConvention, &S::m_nFigure, &S::m_nPolarity};

// One mode's check box and radio pair as a user sees them.
struct Pair {
    bool box = false;
    int radio = -1;
    bool enabled = true;
};

// One opening of the settings window, in memory, with the model behind it.
struct SettingsWindow final : ConfigureAutoWindow {
    explicit SettingsWindow(MainFormState& mainForm) : form(state, mainForm, *this) { form.StartUp(); }

    void ReadFromWindow() override {
        for (int i = 0; i < 3; ++i) {
            state.*kBoxField[i] = pairs[i].box;
            state.*kRadioField[i] = pairs[i].radio;
        }
    }
    void WriteToWindow() override {
        for (int i = 0; i < 3; ++i) {
            pairs[i].box = state.*kBoxField[i] != 0;
            pairs[i].radio = state.*kRadioField[i];
        }
    }
    void EnablePair(AutoMode mode, bool enable) override { (*this)[mode].enabled = enable; }

    Pair& operator[](AutoMode mode) { return pairs[static_cast<int>(mode)]; }
    void ClickBox(AutoMode mode) {
        (*this)[mode].box = !(*this)[mode].box;
        form.OnBox(mode);
    }
    void ClickRadio(AutoMode mode, int index) {
        ASSERT_TRUE((*this)[mode].enabled) << "a disabled button takes no click";
        (*this)[mode].radio = index;
        form.OnRadio(mode);
    }

    Pair pairs[3];
    ConfigureAutoState state;
    ConfigureAutoForm form;
};

class Settings : public ::testing::Test {
protected:
    MemoryForm mainForm;
    MainFormState& main = mainForm.state;
};

TEST_F(Settings, ClearingABoxFixesTheModeAtOnce) {
    SettingsWindow settings(main);
    // The first opening: every mode drawn at random, the first choice of each pair.
    for (AutoMode mode : {kConvention, kFigure, kPolarity}) {
        EXPECT_TRUE(settings[mode].box);
        EXPECT_EQ(settings[mode].radio, 0) << "Conventional, Metaphor, Negative";
        EXPECT_FALSE(settings[mode].enabled);
    }
    settings.ClickBox(kConvention);
    EXPECT_TRUE(settings[kConvention].enabled);
    EXPECT_FALSE(settings[kFigure].enabled);
    EXPECT_FALSE(settings[kPolarity].enabled);
    EXPECT_EQ(main.m_bRandomizeConvention, 0);
    settings.ClickRadio(kConvention, 1);
    EXPECT_EQ(main.m_nAutoConvention, 1);
}

TEST_F(Settings, AReopenedWindowShowsTheChoicesMadeBefore) {
    {
        SettingsWindow settings(main);
        settings.ClickBox(kPolarity);
        settings.ClickRadio(kPolarity, 1);
        EXPECT_EQ(main.m_nAutoPolarity, 1);
        EXPECT_EQ(main.m_bRandomizePolarity, 0);
    }
    SettingsWindow reopened(main);
    EXPECT_FALSE(reopened[kPolarity].box);
    EXPECT_EQ(reopened[kPolarity].radio, 1);
    EXPECT_TRUE(reopened[kPolarity].enabled);
    EXPECT_TRUE(reopened[kFigure].box);
    EXPECT_FALSE(reopened[kFigure].enabled);
}

TEST_F(Settings, RandomizeEverythingKeepsTheFixedChoices) {
    SettingsWindow settings(main);
    settings.ClickBox(kFigure);
    settings.ClickRadio(kFigure, 1);
    settings.ClickBox(kConvention);
    settings.ClickBox(kPolarity);
    settings.form.RandomizeEverything();
    for (AutoMode mode : {kConvention, kFigure, kPolarity}) {
        EXPECT_TRUE(settings[mode].box);
        EXPECT_FALSE(settings[mode].enabled);
    }
    EXPECT_EQ(main.m_bRandomizeConvention + main.m_bRandomizeFigure + main.m_bRandomizePolarity, 3);
    EXPECT_EQ(main.m_nAutoFigure, 1);
    EXPECT_EQ(settings[kFigure].radio, 1);

    settings.ClickBox(kFigure);
    EXPECT_EQ(settings[kFigure].radio, 1) << "the choice made before shows again";
    EXPECT_TRUE(settings[kFigure].enabled);
    EXPECT_EQ(main.m_bRandomizeFigure, 0);
}

}  // namespace
}  // namespace quill::test
