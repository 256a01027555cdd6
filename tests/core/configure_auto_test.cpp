// The settings window's rules, on an in-memory settings window and the record of
// the main form it writes to.
#include <gtest/gtest.h>

#include "memory_window.h"

namespace quill::test {
namespace {

constexpr AutoMode kConvention = AutoMode::Convention, kFigure = AutoMode::Figure, kPolarity = AutoMode::Polarity;

class Settings : public ::testing::Test {
protected:
    MemoryForm mainForm;
    MainFormState& main = mainForm.state;
};

TEST_F(Settings, ClearingABoxFixesTheModeAtOnce) {
    MemorySettings settings(main);
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
        MemorySettings settings(main);
        settings.ClickBox(kPolarity);
        settings.ClickRadio(kPolarity, 1);
        EXPECT_EQ(main.m_nAutoPolarity, 1);
        EXPECT_EQ(main.m_bRandomizePolarity, 0);
    }
    MemorySettings reopened(main);
    EXPECT_FALSE(reopened[kPolarity].box);
    EXPECT_EQ(reopened[kPolarity].radio, 1);
    EXPECT_TRUE(reopened[kPolarity].enabled);
    EXPECT_TRUE(reopened[kFigure].box);
    EXPECT_FALSE(reopened[kFigure].enabled);
}

TEST_F(Settings, RandomizeEverythingKeepsTheFixedChoices) {
    MemorySettings settings(main);
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
