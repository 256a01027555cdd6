#include "form_harness.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace quill::test {

void FormHarness::PickText(Category category, const std::string& text) {
    const std::vector<std::string> entries = Entries(category);
    const auto found = std::find(entries.begin(), entries.end(), text);
    ASSERT_NE(found, entries.end()) << '"' << text << "\" is not in the list";
    Pick(category, static_cast<int>(found - entries.begin()));
}

void FormHarness::MakeByHand(const SentenceParts& parts) {
    const bool conventional =
        ClassifyPolarity(parts.Word(Category::Concept)) == ClassifyPolarity(parts.Word(Category::Action));
    if (ConventionalShown() != conventional) ClickConventional();
    for (Category category : kCategories) PickText(category, parts.Word(category));
    ChooseFigure(static_cast<int>(parts.figure));
    ClickGenerate();
}

std::string FormHarness::SelectedText(Category category) {
    const int selected = Selection(category);
    const std::vector<std::string> entries = Entries(category);
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return std::string();
    return entries[static_cast<std::size_t>(selected)];
}

std::vector<std::string> FormHarness::Everything() {
    const MainFormState& s = State();
    std::vector<std::string> all{Output(), s.m_strOutput};
    for (int value : {FigureShown(), int{ConventionalShown()}, s.m_nConcept, s.m_nAction, s.m_nObject, s.m_nFigure,
                      s.m_bConventional, s.m_bNarrowed}) {
        all.push_back(std::to_string(value));
    }
    for (Category category : kCategories) {
        const std::vector<std::string> entries = Entries(category);
        all.insert(all.end(), entries.begin(), entries.end());
        all.push_back(std::to_string(Selection(category)));
    }
    return all;
}

}  // namespace quill::test
