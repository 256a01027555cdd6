// A sentence as a link, and the sentence a link shows.
#include <string>

#include <gtest/gtest.h>

#include "figure_link.h"
#include "memory_window.h"

namespace quill::test {
namespace {

TEST(FigureLink, EveryWordGoesThereAndBack) {
    EXPECT_EQ(FigureLinkText({{"Evil", "Wounds", "War"}, Figure::Simile}),
              "concept=Evil&action=Wounds&object=War&figure=simile");
    EXPECT_EQ(FigureLinkText({{"Meter Maid", "Renders Helpless", "A+"}, Figure::Metaphor}),
              "concept=Meter%20Maid&action=Renders%20Helpless&object=A%2B&figure=metaphor");
    for (Category category : kCategories) {
        for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
            for (const char* word : Words(category, polarity)) {
                FigureLink link{{"Evil", "Wounds", "War"}, Figure::Simile};
                link.words[static_cast<int>(category)] = word;
                const std::optional<FigureLink> back = ParseFigureLink(FigureLinkText(link));
                ASSERT_TRUE(back) << FigureLinkText(link);
                EXPECT_EQ(back->words[static_cast<int>(category)], word);
                EXPECT_EQ(back->figure, Figure::Simile);
            }
        }
    }
    // The keys in any order, and any letter encoded, in hex digits of either case.
    const std::optional<FigureLink> reordered = ParseFigureLink("figure=metaphor&object=%57ar&action=Heals&concept=Joy");
    ASSERT_TRUE(reordered);
    EXPECT_EQ(reordered->words[2], "War");
    EXPECT_EQ(reordered->figure, Figure::Metaphor);
    for (const char* plus : {"A%2B", "A%2b"}) {
        const std::optional<FigureLink> aPlus = ParseFigureLink(std::string("concept=Joy&action=Heals&object=") + plus + "&figure=simile");
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
        "concept=%5zpulence" + tail,  // one bad digit is enough: not "O", and not "Opulence"
        "concept=%z5" + tail,
        "concept=Meter+Maid" + tail,
        "concept=Evil%00" + tail,
        "concept=%3Cscript%3Ealert(1)%3C%2Fscript%3E" + tail,
        "concept=<script>alert(1)</script>" + tail,
        "concept=Evil" + tail + std::string(10000, 'x'),
        "concept=" + std::string(10000, 'E') + tail,
    };
    for (const std::string& text : malformed) EXPECT_FALSE(ParseFigureLink(text)) << text.substr(0, 80);
}

TEST(FigureLink, ALinkShowsItsSentenceInFullLists) {
    MemoryForm f;
    f.form.ShowFigureOf({"Myself", "Heals", "Fire"}, Figure::Simile);
    EXPECT_EQ(f.window.outputLine, "I am like a healing fire.");
    EXPECT_EQ(f.window.checkedRadio, 1);
    EXPECT_EQ(f.window.concept.Entries().size(), 66u) << "a negative concept, a positive action: full lists";
    EXPECT_EQ(f.window.action.TextAt(f.window.action.Selected()), "Heals");
    EXPECT_EQ(f.state.m_bNarrowed, 0);
    f.form.CopyAllSentences();
    EXPECT_EQ(f.window.copied.back(), "I am like a healing fire.");

    f.window.action.SelectPosition(f.window.action.Selected());
    f.form.NarrowOnSelection(Category::Action);
    EXPECT_EQ(f.window.concept.Entries().size(), 34u) << "the next pick narrows to the positive words";
}

}  // namespace
}  // namespace quill::test
