// A sentence as a link, and the sentence a link shows.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "figure_link.h"
#include "memory_harness.h"

namespace quill::test {
namespace {

TEST(FigureLink, IsTheWordsPercentEncoded) {
    EXPECT_EQ(LinkText({{"Evil", "Wounds", "War"}, Figure::Simile}),
              "concept=Evil&action=Wounds&object=War&figure=simile");
    EXPECT_EQ(LinkText({{"Meter Maid", "Renders Helpless", "A+"}, Figure::Metaphor}),
              "concept=Meter%20Maid&action=Renders%20Helpless&object=A%2B&figure=metaphor");
    // The keys in any order, and any letter encoded, in hex digits of either case.
    const std::optional<SentenceParts> reordered = ParseLink("figure=metaphor&object=%57ar&action=Heals&concept=Evil");
    ASSERT_TRUE(reordered);
    EXPECT_EQ(reordered->words[2], "War");
    EXPECT_EQ(reordered->figure, Figure::Metaphor);
    for (const char* plus : {"A%2B", "A%2b"}) {
        const std::optional<SentenceParts> aPlus = ParseLink(std::string("concept=Joy&action=Heals&object=") + plus + "&figure=simile");
        ASSERT_TRUE(aPlus) << plus;
        EXPECT_EQ(aPlus->words[2], "A+") << plus;
    }
}

TEST(FigureLink, AnythingElseIsNoLink) {
    const std::string tail = "&action=Wounds&object=War&figure=simile";
    const std::string malformed[] = {
        "",
        "concept=Evil",
        "concept=Evil&action=Wounds&object=War",
        "concept=Evil" + tail + "&extra=1",
        "concept=Evil" + tail + "&",
        "&concept=Evil" + tail,
        "concept=Evil&concept=Evil" + tail,
        "concept=Evil" + tail + "&figure=simile",
        "concept=Evi" + tail,
        "concept=evil" + tail,
        "concept=War" + tail,
        "concept=" + tail,
        "Concept=Evil" + tail,
        "concept" + tail,
        "concept=Evil&action=Wounds&object=War&figure=poem",
        "concept=Evil&action=Wounds&object=War&figure=Simile",
        "concept=Evil&action=Wounds&object=War&figure=",
        "concept=Meter%2" + tail,
        "concept=Meter%G0Maid" + tail,
        "concept=%5zpulence&action=Heals&object=Garden&figure=simile",  // one bad digit is enough: not "Opulence"
        "concept=%z5" + tail,
        "concept=Meter+Maid" + tail,
        "concept=Evil%00" + tail,
        "concept=%3Cscript%3Ealert(1)%3C%2Fscript%3E" + tail,
        "concept=<script>alert(1)</script>" + tail,
        "concept=Evil" + tail + std::string(10000, 'x'),
        "concept=" + std::string(10000, 'E') + tail,
    };
    for (const std::string& text : malformed) EXPECT_FALSE(ParseLink(text)) << text.substr(0, 80);
}

// The words a user can pick together: after a concept, the objects its pick
// leaves in the object list, found by picking it on a fresh form.
std::vector<std::string> ObjectsBeside(const std::string& concept) {
    MemoryHarness h;
    h.PickText(Category::Concept, concept);
    return h.Entries(Category::Object);
}

// Every concept with every object: a link opens exactly when a user could
// pick the two together, and then leaves the form as that user would (Reset
// first), with an action of either polarity and in either figure, whatever
// links the form opened before.
TEST(FigureLink, OpensExactlyTheSentencesAUserCanMakeAsTheUserLeavesThem) {
    const WordList actions[] = {Words(Category::Action, Polarity::Negative), Words(Category::Action, Polarity::Positive)};
    MemoryHarness opened, byHand;
    int pairs = 0;
    for (Polarity conceptPolarity : {Polarity::Negative, Polarity::Positive}) {
        for (const char* concept : Words(Category::Concept, conceptPolarity)) {
            const std::vector<std::string> beside = ObjectsBeside(concept);
            for (Polarity objectPolarity : {Polarity::Negative, Polarity::Positive}) {
                for (const char* object : Words(Category::Object, objectPolarity)) {
                    // Each action of both polarities in turn, through its link text.
                    const SentenceParts link{{concept, actions[pairs / 30 % 2].words[pairs % 30], object},
                                             pairs % 3 ? Figure::Metaphor : Figure::Simile};
                    ++pairs;
                    const bool canMake = std::find(beside.begin(), beside.end(), object) != beside.end();
                    SCOPED_TRACE(LinkText(link));
                    const std::optional<SentenceParts> parsed = ParseLink(LinkText(link));
                    ASSERT_EQ(parsed.has_value(), canMake);
                    const std::vector<std::string> before = opened.Everything();
                    ASSERT_EQ(opened.Memory().form.OpenLink(parsed.value_or(link)), canMake);
                    if (!canMake) {
                        ASSERT_EQ(opened.Everything(), before) << "refused, nothing changes";
                        continue;
                    }
                    byHand.ClickReset();
                    byHand.MakeByHand(link);
                    ASSERT_EQ(opened.Everything(), byHand.Everything());
                    EXPECT_EQ(opened.TakeMessages(), byHand.TakeMessages()) << "a word without a phrase says so alike";
                }
            }
        }
    }
}

// Whatever the form showed before, a link ends in its own sentence's state,
// and the sentence on screen is always the link the form offers.
TEST(FigureLink, ALinkEndsInItsOwnStateAndTheSentenceOnScreenIsTheLinkOffered) {
    const SentenceParts evil{{"Evil", "Heals", "War"}, Figure::Simile};
    MemoryHarness fresh;
    ASSERT_TRUE(fresh.Memory().form.OpenLink(evil));

    MemoryHarness h;
    EXPECT_FALSE(h.Memory().form.ShownSentence()) << "no sentence yet";
    h.ClickConventional();
    h.PickText(Category::Action, "Kills");  // positive concepts and objects, negative actions
    h.PickText(Category::Concept, "Joy");
    h.PickText(Category::Object, "Garden");
    h.ChooseFigure(1);
    h.ClickGenerate();
    ASSERT_EQ(h.Output(), "Joy is like a killer garden.");
    ASSERT_TRUE(h.Memory().form.OpenLink(evil));
    EXPECT_EQ(h.Everything(), fresh.Everything());
    EXPECT_EQ(h.Output(), "Evil is like a healing war.");

    const auto shown = [&h] { return LinkText(h.Memory().form.ShownSentence().value()); };
    EXPECT_EQ(shown(), LinkText(evil));
    h.PickText(Category::Concept, "Myself");
    h.ChooseFigure(0);
    h.ClickReset();
    h.ClickGenerate();  // the missing-selection message: the line keeps its sentence
    EXPECT_EQ(shown(), LinkText(evil)) << "Reset and a refused Generate leave the sentence and its link";
    h.Chance().SetSeconds(12);
    h.ClickAutoGenerate();
    const std::optional<SentenceParts> drawn = ParseLink(shown());
    ASSERT_TRUE(drawn);
    MemoryHarness again;
    again.Memory().form.OpenLink(*drawn);
    EXPECT_EQ(again.Output(), h.Output()) << "the link of a drawn sentence opens that sentence";
}

}  // namespace
}  // namespace quill::test
