// The link reader, the one place where input from outside (the web page's
// address) enters the engine, under libFuzzer. Every input goes through the
// reader; one it accepts is opened on a fresh form, which must then show
// exactly what a user sees after picking the link's words and pressing
// Generate, and offer the same sentence back as its link.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expected.h"
#include "figure_link.h"
#include "memory_window.h"

namespace quill::test {
namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

Screen ScreenOf(const MemoryForm& f) {
    Screen screen;
    for (Category category : kCategories) screen.lists[static_cast<int>(category)] = f.window.ListOf(category).Entries();
    screen.conventional = f.window.conventionalChecked;
    screen.output = f.window.outputLine;
    return screen;
}

bool SameSentence(const std::optional<SentenceParts>& a, const SentenceParts& b) {
    return a && a->words == b.words && a->figure == b.figure;
}

// The user's way to the same sentence: Conventional set as the link's
// action needs it, the three words picked in turn, the figure chosen, Generate.
void MakeByHand(MemoryForm& f, const SentenceParts& parts) {
    const Polarity concept = ClassifyPolarity(parts.Word(Category::Concept));
    const bool conventional = ClassifyPolarity(parts.Word(Category::Action)) == concept;
    if (f.window.conventionalChecked != conventional) {
        f.window.conventionalChecked = conventional;
        f.form.ConventionalSwitch();
    }
    for (Category category : kCategories) {
        SortedList& list = f.window.ListOf(category);
        const std::vector<std::string>& entries = list.Entries();
        const auto word = std::find(entries.begin(), entries.end(), parts.Word(category));
        Require(word != entries.end());
        list.SelectPosition(static_cast<int>(word - entries.begin()));
        f.form.NarrowOnSelection(category);
    }
    f.window.checkedRadio = static_cast<int>(parts.figure);
    f.form.ComposeFigure();
}

}  // namespace
}  // namespace quill::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    using namespace quill::test;
    const std::optional<SentenceParts> parts = ParseLink(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parts) return 0;
    Require(UserCanMake(*parts) && SameSentence(ParseLink(LinkText(*parts)), *parts));

    MemoryForm linked, byHand;
    Require(linked.form.OpenLink(*parts));
    MakeByHand(byHand, *parts);
    const Screen screen = ScreenOf(linked);
    Require(ScreenProblem(screen).empty() && linked.window.messages.empty());
    const Screen expected = ScreenOf(byHand);
    for (int list = 0; list < 3; ++list) Require(screen.lists[list] == expected.lists[list]);
    Require(screen.conventional == expected.conventional && screen.output == expected.output);
    Require(SameSentence(linked.form.ShownSentence(), *parts));
    return 0;
}
