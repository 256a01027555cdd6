// What a user does and sees in the main window. The same suite runs on the
// in-memory window and on the real dialog, so both must behave alike.
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "form_harness.h"

namespace quill::test {
namespace {

constexpr Category kConcept = Category::Concept;
constexpr Category kAction = Category::Action;
constexpr Category kObject = Category::Object;

// The blank entry and the words of one polarity (or of both), ordered as a
// sorted list orders them: by their letters in small case. The in-memory list
// sorts by capitals, entry by entry; the two orders agree for this
// vocabulary, whose words hold no character between "Z" and "a".
std::vector<std::string> Expected(Category category, std::optional<Polarity> only = std::nullopt) {
    std::vector<std::string> entries{""};
    for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
        if (only && *only != polarity) continue;
        for (const char* word : Words(category, polarity)) entries.emplace_back(word);
    }
    auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&lower](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return entries;
}

class Scenario : public ::testing::Test {
protected:
    std::unique_ptr<FormHarness> h = MakeHarness();

    void ExpectLists(std::optional<Polarity> concept, std::optional<Polarity> action,
                     std::optional<Polarity> object) {
        EXPECT_EQ(h->Entries(kConcept), Expected(kConcept, concept));
        EXPECT_EQ(h->Entries(kAction), Expected(kAction, action));
        EXPECT_EQ(h->Entries(kObject), Expected(kObject, object));
    }
    void ExpectSelections(const std::string& concept, const std::string& action,
                          const std::string& object) {
        EXPECT_EQ(h->SelectedText(kConcept), concept);
        EXPECT_EQ(h->SelectedText(kAction), action);
        EXPECT_EQ(h->SelectedText(kObject), object);
    }
    void SetConventional(bool on) {
        if (h->ConventionalShown() != on) h->ClickConventional();
    }
};

TEST_F(Scenario, StartUpShowsFullListsWithBlankSelected) {
    ExpectLists(std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(h->Entries(kConcept).size(), 66u);
    EXPECT_EQ(h->Entries(kAction).size(), 61u);
    EXPECT_EQ(h->Entries(kObject).size(), 61u);
    for (Category category : kCategories) EXPECT_EQ(h->Selection(category), 0);
    EXPECT_EQ(h->FigureShown(), 0);
    EXPECT_TRUE(h->ConventionalShown());
    EXPECT_EQ(h->Output(), "");

    const MainFormState& s = h->State();
    EXPECT_EQ(s.m_bRandomizeConvention, 1);
    EXPECT_EQ(s.m_bRandomizePolarity, 1);
    EXPECT_EQ(s.m_bRandomizeFigure, 1);
    EXPECT_EQ(s.m_nAutoConvention, 0);
    EXPECT_EQ(s.m_nAutoPolarity, 0);
    EXPECT_EQ(s.m_nAutoFigure, 0);
    EXPECT_EQ(s.m_bNarrowed, 0);
}

TEST_F(Scenario, SortedListsFollowTheListOrder) {
    const std::vector<std::string> objects = h->Entries(kObject);
    const std::vector<std::string> aThroughAn{
        "A Caring Father", "A Caring Mother", "A Full Stomach", "A Good Meal", "A Helping Hand",
        "A Roof Over Your Head", "A Soul Mate", "A Warm Bed", "A+", "An Angel"};
    EXPECT_EQ(std::vector<std::string>(objects.begin() + 1, objects.begin() + 11), aThroughAn);

    const std::vector<std::string> actions = h->Entries(kAction);
    const auto naughty = std::find(actions.begin(), actions.end(), "Naughty");
    ASSERT_LE(naughty + 3, actions.end());
    EXPECT_EQ(std::vector<std::string>(naughty, naughty + 3),
              (std::vector<std::string>{"Naughty", "Neglects", "nourishes"}));
    EXPECT_EQ(std::count(actions.begin(), actions.end(), "Kills"), 2);
}

struct Sentence {
    const char* name;
    bool conventional;
    int figure;
    const char* concept;
    const char* action;
    const char* object;
    const char* expected;
};

class GenerateScenario : public Scenario, public ::testing::WithParamInterface<Sentence> {};

TEST_P(GenerateScenario, BuildsTheSentenceOfTheChosenFigure) {
    const Sentence& s = GetParam();
    SetConventional(s.conventional);
    h->PickText(kConcept, s.concept);
    h->PickText(kAction, s.action);
    h->PickText(kObject, s.object);
    h->ChooseFigure(s.figure);
    h->ClickGenerate();
    EXPECT_EQ(h->Output(), s.expected);
    h->ClickGenerate();
    EXPECT_EQ(h->Output(), s.expected) << "generating twice gives the same sentence";
    EXPECT_EQ(h->TakeMessages(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    , GenerateScenario,
    ::testing::Values(Sentence{"MeSimile", false, 1, "Myself", "Heals", "Fire", "I am like a healing fire."},
                      Sentence{"MeMetaphor", false, 0, "Myself", "Heals", "Fire", "Healing me is a fire."},
                      Sentence{"Hell", false, 0, "Hell", "Provides For", "Bomb", "Providing for another, motivated by Hell is a bomb."},
                      Sentence{"Contentment", true, 1, "Contentment", "Soothes", "Truce", "Contentment is like a Soothing truce."},
                      Sentence{"MeterMaids", true, 0, "Meter Maid", "Consumes", "Fire", "Consuming  meter maids are a fire."},
                      Sentence{"EvilSimile", true, 1, "Evil", "Wounds", "War", "Evil is like a wounding war."},
                      Sentence{"EvilMetaphor", true, 0, "Evil", "Wounds", "War", "Wounding evil is a war."}),
    [](const ::testing::TestParamInfo<Sentence>& row) { return std::string(row.param.name); });

TEST_F(Scenario, GenerateWithABlankListOnlyComplains) {
    h->PickText(kConcept, "Evil");
    h->PickText(kAction, "Wounds");
    h->PickText(kObject, "War");
    h->ClickGenerate();
    ASSERT_EQ(h->Output(), "Wounding evil is a war.");

    h->Pick(kAction, 0);
    h->ClickGenerate();
    EXPECT_EQ(h->TakeMessages(), std::vector<std::string>{kMetaphorMissing});
    h->ChooseFigure(1);
    h->Pick(kAction, 0);
    h->ClickGenerate();
    EXPECT_EQ(h->TakeMessages(), std::vector<std::string>{kSimileMissing});
    EXPECT_EQ(h->Output(), "Wounding evil is a war.");
}

TEST_F(Scenario, ResetKeepsTheSentenceAndTheFigureLastRead) {
    h->PickText(kConcept, "Evil");
    h->PickText(kAction, "Wounds");
    h->PickText(kObject, "War");
    h->ChooseFigure(1);
    h->ClickGenerate();
    h->ClickReset();
    EXPECT_EQ(h->Output(), "Evil is like a wounding war.");
    EXPECT_EQ(h->FigureShown(), 1);
    ExpectLists(std::nullopt, std::nullopt, std::nullopt);
    ExpectSelections("", "", "");

    // A figure chosen since the last read goes back to the record's value.
    h->ChooseFigure(0);
    h->ClickReset();
    EXPECT_EQ(h->FigureShown(), 1);
}

TEST_F(Scenario, ConventionalSwitchResetsListsAndKeepsSwitchAndFigure) {
    h->PickText(kConcept, "Evil");
    h->ChooseFigure(1);
    h->ClickConventional();
    EXPECT_FALSE(h->ConventionalShown());
    EXPECT_EQ(h->FigureShown(), 1);
    ExpectLists(std::nullopt, std::nullopt, std::nullopt);
    ExpectSelections("", "", "");
    EXPECT_EQ(h->State().m_bNarrowed, 0);

    h->ClickConventional();
    EXPECT_TRUE(h->ConventionalShown());
    EXPECT_EQ(h->FigureShown(), 1);
    ExpectLists(std::nullopt, std::nullopt, std::nullopt);
}

TEST_F(Scenario, CopyTakesTheSentenceAndCopyAllEverySentenceOfTheRun) {
    h->PutOnClipboard("from another program");
    h->ClickGenerate();  // the blank lists at start-up show no sentence
    EXPECT_EQ(h->TakeMessages(), std::vector<std::string>{kMetaphorMissing});
    h->ClickCopy();
    h->ClickCopyAll();
    EXPECT_EQ(h->Clipboard(), "from another program") << "nothing to copy yet";

    const std::string wounding = "Wounding evil is a war.";
    auto generateWounding = [this] {
        h->PickText(kConcept, "Evil");
        h->PickText(kAction, "Wounds");
        h->PickText(kObject, "War");
        h->ClickGenerate();
    };
    generateWounding();
    h->ClickGenerate();  // the same sentence right after itself is remembered once
    h->Pick(kAction, 0);
    h->ClickGenerate();
    EXPECT_EQ(h->TakeMessages().size(), 1u) << "only the missing-selection message";
    h->ChooseFigure(1);  // on screen, not yet read: copying must not read the window
    const std::vector<std::string> before = h->Everything();
    h->ClickCopy();
    EXPECT_EQ(h->Clipboard(), wounding);
    EXPECT_EQ(h->Everything(), before);

    h->Chance().SetSeconds(9);
    h->ClickAutoGenerate();
    const std::string drawn = h->Output();
    ASSERT_NE(drawn, wounding);
    h->ClickReset();
    h->ClickConventional();  // neither shows a new sentence
    h->ClickCopyAll();
    EXPECT_EQ(h->Clipboard(), wounding + "\r\n" + drawn);
    h->ClickCopy();
    EXPECT_EQ(h->Clipboard(), drawn);

    // A sentence shown again later, not right after itself, counts again.
    h->ClickConventional();
    h->ChooseFigure(0);
    generateWounding();
    h->ClickCopyAll();
    EXPECT_EQ(h->Clipboard(), wounding + "\r\n" + drawn + "\r\n" + wounding);
}

// Narrowing on a pick.

// Conventional keeps the picked word's polarity everywhere; unconventional
// gives the action list the other one, whichever list the word was picked in.
TEST_F(Scenario, APickNarrowsEachListToItsPolarity) {
    constexpr Polarity kNeg = Polarity::Negative, kPos = Polarity::Positive;
    struct Pick {
        bool conventional;
        Category list;
        const char* word;
        Polarity concept, action, object;
    };
    for (const Pick& pick : {Pick{true, kConcept, "Evil", kNeg, kNeg, kNeg}, Pick{false, kConcept, "Evil", kNeg, kPos, kNeg},
                             Pick{false, kAction, "Heals", kNeg, kPos, kNeg}, Pick{false, kObject, "Garden", kPos, kNeg, kPos},
                             Pick{false, kAction, "Wounds", kPos, kNeg, kPos}}) {
        SCOPED_TRACE(std::string(pick.word) + (pick.conventional ? ", conventional" : ", unconventional"));
        SetConventional(pick.conventional);
        h->ClickReset();
        h->PickText(pick.list, pick.word);
        ExpectLists(pick.concept, pick.action, pick.object);
        for (Category category : kCategories) EXPECT_EQ(h->SelectedText(category), category == pick.list ? pick.word : "");
        EXPECT_EQ(h->State().m_bNarrowed, 1);
    }
}

TEST_F(Scenario, LaterPicksOnlyReselect) {
    h->PickText(kConcept, "Joy");
    h->PickText(kAction, "Heals");
    h->PickText(kObject, "Garden");
    ExpectLists(Polarity::Positive, Polarity::Positive, Polarity::Positive);
    ExpectSelections("Joy", "Heals", "Garden");

    h->PickText(kConcept, "Wealth");
    ExpectLists(Polarity::Positive, Polarity::Positive, Polarity::Positive);
    ExpectSelections("Wealth", "Heals", "Garden");
}

TEST_F(Scenario, BlankPickResetsOnlyWhenEveryListIsBlank) {
    h->PickText(kConcept, "Evil");
    h->PickText(kObject, "War");
    h->Pick(kConcept, 0);
    ExpectLists(Polarity::Negative, Polarity::Negative, Polarity::Negative);
    ExpectSelections("", "", "War");
    EXPECT_EQ(h->State().m_bNarrowed, 1);

    h->Pick(kObject, 0);
    ExpectLists(std::nullopt, std::nullopt, std::nullopt);
    ExpectSelections("", "", "");
    EXPECT_EQ(h->State().m_bNarrowed, 0);
    // Both polarities can be picked again.
    h->PickText(kConcept, "Love");
    ExpectLists(Polarity::Positive, Polarity::Positive, Polarity::Positive);
}

TEST_F(Scenario, PickingKillsSelectsTheFirstOfItsTwoEntries) {
    const std::vector<std::string> full = h->Entries(kAction);
    const int first = static_cast<int>(std::find(full.begin(), full.end(), "Kills") - full.begin());
    h->Pick(kAction, first + 1);
    const std::vector<std::string> narrowed = h->Entries(kAction);
    const int firstNarrowed =
        static_cast<int>(std::find(narrowed.begin(), narrowed.end(), "Kills") - narrowed.begin());
    EXPECT_EQ(narrowed[firstNarrowed + 1], "Kills");
    EXPECT_EQ(h->Selection(kAction), firstNarrowed);
}

// Auto Generate, with a scripted generator and clock.

// On the window: the modes show on the switch and the radio buttons, the
// lists are restricted to them with a word picked in each, and the sentence
// is the one Generate makes of those words. The draws themselves are the
// table's in auto_generate_test.cpp.
TEST_F(Scenario, AutoGenerateShowsItsModesAndTheSentenceOfItsWords) {
    struct Modes {
        int convention, polarity, figure;
        Polarity concepts, actions;
    };
    for (const Modes& m : {Modes{1, 1, 1, Polarity::Positive, Polarity::Negative},
                           Modes{0, 0, 0, Polarity::Negative, Polarity::Negative}}) {
        h = MakeHarness();  // a generator of its own
        SetAutoModes(h->State(), false, m.convention, m.polarity, m.figure);
        h->ChooseFigure(1 - m.figure);
        h->Chance().SetSeconds(7);
        h->ClickAutoGenerate();
        EXPECT_EQ(h->ConventionalShown(), m.convention == 0);
        EXPECT_EQ(h->FigureShown(), m.figure);
        ExpectLists(m.concepts, m.actions, m.concepts);
        for (Category category : kCategories) EXPECT_GT(h->Selection(category), 0);
        const std::string shown = h->Output();
        h->ClickGenerate();
        EXPECT_EQ(h->Output(), shown);
        EXPECT_EQ(h->TakeMessages(), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace quill::test
