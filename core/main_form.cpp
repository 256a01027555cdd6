#include "main_form.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quill {
namespace {

const char kMetaphorMissing[] =
    "All combo box controls must have a selection before a metaphore can be generated.  Moron.";
const char kSimileMissing[] =
    "All combo box controls must have a selection before a simile can be generated.  Moron.";

// Re-selection looks for a remembered text in positions 0 to kLastSearched; a text
// not found leaves the index there, beyond every list, so the list shows nothing.
constexpr int kLastSearched = 98;

// Whether a mode holds one of its two values; a stored setting may hold another.
template <class Mode>
bool IsBit(Mode mode) {
    return static_cast<int>(mode) == 0 || static_cast<int>(mode) == 1;
}

// Conventional keeps one polarity everywhere; unconventional gives the action list
// the polarity opposite to the concept and object lists, and the list picked in
// keeps the picked word's own.
Polarity TargetPolarity(Category list, Category picked, Polarity p, bool conventional) {
    if (conventional || list == picked) return p;
    const bool actionSide = list == Category::Action;
    const bool pickedOnActionSide = picked == Category::Action;
    return actionSide == pickedOnActionSide ? p : Opposite(p);
}

// A list's entries: the blank, then the words of each polarity in turn.
std::vector<std::string> ListEntries(Category category, std::initializer_list<Polarity> polarities) {
    std::vector<std::string> entries{std::string()};
    for (Polarity polarity : polarities) {
        const WordList words = Words(category, polarity);
        entries.insert(entries.end(), words.begin(), words.end());
    }
    return entries;
}

// What the line beside the lists says they hold, from the polarities each
// holds (one bit each): each holding with the lists that have it, in the
// order of the lists; nothing when every list holds every word.
std::string ListsNote(const unsigned (&listed)[std::size(kCategories)]) {
    const char* const lists[] = {"concepts", "actions", "objects"};
    const char* const holdings[] = {"", "negative", "positive", "all"};
    const std::size_t count = std::size(lists);
    std::string groups;
    bool mixed = false;
    for (std::size_t first = 0; first < count; ++first) {
        if (std::find(listed, listed + first, listed[first]) != listed + first) continue;
        mixed = first > 0;
        std::string names;
        for (std::size_t i = first; i < count; ++i) {
            if (listed[i] == listed[first]) names += (names.empty() ? "" : " and ") + std::string(lists[i]);
        }
        groups += (groups.empty() ? "" : " and ") + std::string(holdings[listed[first]]) + ' ' + names;
    }
    const bool narrowed = listed[0] == 1u || listed[0] == 2u;
    if (!mixed && !narrowed) return std::string();
    const std::string shown = mixed ? groups : std::string(holdings[listed[0]]) + " words only";
    return "The lists show " + shown + ". Reset shows every word.";
}

int FindPosition(const ListControl& list, const std::string& text) {
    for (int position = 0; position <= kLastSearched; ++position) {
        if (list.TextAt(position) == text) return position;
    }
    return kLastSearched;
}

}  // namespace

MainForm::MainForm(MainFormState& state, FormWindow& window, Chance& chance, std::size_t sentencesKept)
    : m_state(state), m_window(window), m_chance(chance), m_sentencesKept(sentencesKept) {}

int& MainForm::IndexField(Category category) {
    switch (category) {
    case Category::Action: return m_state.m_nAction;
    case Category::Object: return m_state.m_nObject;
    case Category::Concept: break;
    }
    return m_state.m_nConcept;
}

std::string MainForm::SelectionText(Category category) {
    return m_window.List(category).TextAt(IndexField(category));
}

void MainForm::NoteLists() {
    std::string note = ListsNote(m_listed);
    if (note == m_listsNote) return;
    m_listsNote = std::move(note);
    m_window.ShowListNote(m_listsNote);
}

void MainForm::StartUp() {
    m_state.m_bConventional = 1;
    m_state.m_nFigure = static_cast<int>(Figure::Metaphor);
    ResetLists();
    m_window.WriteToWindow();
    m_state.m_nAutoConvention = 0;
    m_state.m_nAutoFigure = 0;
    m_state.m_nAutoPolarity = 0;
    m_state.m_bRandomizeConvention = 1;
    m_state.m_bRandomizePolarity = 1;
    m_state.m_bRandomizeFigure = 1;
}

void MainForm::ResetLists() {
    for (Category category : kCategories) FillList(category, {Polarity::Negative, Polarity::Positive});
    SelectBlanks();
    m_window.WriteToWindow();
    NoteLists();
}

void MainForm::SelectBlanks() {
    m_state.m_nConcept = 0;
    m_state.m_nAction = 0;
    m_state.m_nObject = 0;
    m_state.m_bNarrowed = 0;
}

void MainForm::RestrictList(Category category, Polarity polarity) { FillList(category, {polarity}); }

// Refilling a list with the entries it holds would change nothing a user sees:
// every caller selects in it afterwards.
void MainForm::FillList(Category category, std::initializer_list<Polarity> polarities) {
    const unsigned holds = std::accumulate(polarities.begin(), polarities.end(), 0u, [](unsigned bits, Polarity p) {
        return bits | 1u << static_cast<int>(p);
    });
    unsigned& listed = m_listed[static_cast<int>(category)];
    if (listed == holds) return;
    m_window.List(category).Fill(ListEntries(category, polarities));
    listed = holds;
}

void MainForm::ConventionalSwitch() {
    m_window.ReadFromWindow();
    const int conventional = m_state.m_bConventional;
    const int figure = m_state.m_nFigure;
    ResetLists();
    m_state.m_bConventional = conventional;
    m_state.m_nFigure = figure;
    m_window.WriteToWindow();
}

void MainForm::ComposeFigure() {
    m_window.ReadFromWindow();
    if (const std::optional<FigureLink> figure = SelectedFigure()) {
        ShowSentence(*figure);
    } else {
        ShowMissingSelection();
    }
}

std::optional<FigureLink> MainForm::SelectedFigure() {
    FigureLink figure;
    for (Category category : kCategories) figure.words[static_cast<std::size_t>(category)] = SelectionText(category);
    if (std::any_of(figure.words.begin(), figure.words.end(), [](const std::string& word) { return word.empty(); })) {
        return std::nullopt;
    }
    figure.figure = static_cast<Figure>(m_state.m_nFigure);
    return figure;
}

void MainForm::ShowSentence(const FigureLink& figure) {
    const std::string concept = ConvertStringConcept(figure.words[0], figure.figure, m_window);
    const std::string action = ConvertStringAction(figure.words[1], figure.figure, m_window);
    const std::string object = ConvertStringObject(figure.words[2], figure.figure, m_window);
    m_state.m_strOutput = figure.figure == Figure::Metaphor ? action + concept + object : concept + action + object;
    m_window.WriteToWindow();
    if (m_sentences.empty() || m_sentences.back() != m_state.m_strOutput) {
        m_sentences.push_back(m_state.m_strOutput);
        // The oldest goes; moving the rest along costs less than a Generate does.
        if (m_sentences.size() > m_sentencesKept) m_sentences.erase(m_sentences.begin());
    }
    // Only a sentence that a link can open again is offered as one.
    m_shownLink = CanShow(figure) ? std::optional<FigureLink>(figure) : std::nullopt;
}

void MainForm::ShowMissingSelection() {
    m_window.ShowMessage(static_cast<Figure>(m_state.m_nFigure) == Figure::Metaphor ? kMetaphorMissing : kSimileMissing);
}

bool MainForm::OpenLink(const FigureLink& link) {
    if (!CanShow(link)) return false;
    // The concept picked first narrows the lists; the action and the object
    // picked after it find their words there.
    const Polarity polarity = ClassifyPolarity(link.words[0]);
    const bool conventional = ClassifyPolarity(link.words[1]) == polarity;
    for (Category category : kCategories) {
        RestrictList(category, TargetPolarity(category, Category::Concept, polarity, conventional));
        IndexField(category) = FindPosition(m_window.List(category), link.words[static_cast<std::size_t>(category)]);
    }
    m_state.m_bNarrowed = 1;
    m_state.m_bConventional = conventional ? 1 : 0;
    m_state.m_nFigure = static_cast<int>(link.figure);
    m_window.WriteToWindow();
    ComposeFigure();
    NoteLists();
    return true;
}

// The record's output always holds what the line shows: the line is written
// only from it.
void MainForm::CopySentence() {
    if (CanCopySentence()) m_window.CopyText(m_state.m_strOutput);
}

void MainForm::CopyAllSentences() {
    if (!CanCopyAllSentences()) return;
    std::string lines;
    for (const std::string& sentence : m_sentences) {
        if (!lines.empty()) lines += "\r\n";
        lines += sentence;
    }
    m_window.CopyText(lines);
}

void MainForm::NarrowOnSelection(Category changed) {
    m_window.ReadFromWindow();
    std::string remembered[std::size(kCategories)];
    for (Category category : kCategories) {
        remembered[static_cast<int>(category)] = SelectionText(category);
    }
    const std::string& picked = remembered[static_cast<int>(changed)];
    if (picked.empty()) {
        const bool allBlank = remembered[0].empty() && remembered[1].empty() && remembered[2].empty();
        if (allBlank) ResetLists();
        return;
    }

    const Polarity p = ClassifyPolarity(picked);
    if (!m_state.m_bNarrowed) {
        const bool conventional = m_state.m_bConventional != 0;
        for (Category category : kCategories) {
            RestrictList(category, TargetPolarity(category, changed, p, conventional));
        }
        m_state.m_bNarrowed = 1;
    }

    // Every list goes back to the entry it showed, wherever that entry still is.
    // Found directly and written once, so the window does not flicker through
    // each position searched.
    for (Category category : kCategories) {
        IndexField(category) =
            FindPosition(m_window.List(category), remembered[static_cast<int>(category)]);
    }
    m_window.WriteToWindow();
    NoteLists();
}

// Without window traffic that nobody could see: Auto Generate sets every bound
// field it would read (the record always holds the output line), and one write
// at the end shows the lists, the picks and the sentence together.
void MainForm::AutoGenerate() {
    int convention = m_state.m_nAutoConvention;
    int polarity = m_state.m_nAutoPolarity;
    int figure = m_state.m_nAutoFigure;
    if (m_state.m_bRandomizeConvention == 1) convention = DrawModeBit(convention);
    if (m_state.m_bRandomizePolarity == 1) polarity = DrawModeBit(polarity);
    if (m_state.m_bRandomizeFigure == 1) figure = DrawModeBit(figure);
    const auto settledConvention = static_cast<Convention>(convention);
    const auto settledPolarity = static_cast<Polarity>(polarity);
    SetUpAutoLists(settledConvention, settledPolarity, static_cast<Figure>(figure));
    PickRandomEntries(settledConvention, settledPolarity);
    if (const std::optional<FigureLink> picked = SelectedFigure()) {
        ShowSentence(*picked);
    } else {
        m_window.WriteToWindow();  // the lists as set up, before the message over them
        ShowMissingSelection();
    }
    NoteLists();
}

int MainForm::DrawModeBit(int value) {
    const int seconds = m_chance.ClockSecond();
    if (seconds <= 0) return value;
    int last = 0;
    for (int i = 0; i < seconds; ++i) last = m_chance.Rand();
    return last % 2;
}

void MainForm::SetUpAutoLists(Convention convention, Polarity polarity, Figure figure) {
    m_state.m_bConventional = convention == Convention::Conventional ? 1 : 0;
    m_state.m_nFigure = static_cast<int>(figure == Figure::Metaphor ? Figure::Metaphor : Figure::Simile);
    if (!IsBit(polarity)) {
        ResetLists();
        return;
    }
    // Each list is restricted at once: the full vocabulary that a reset would
    // put there first could never be seen.
    const bool conventional = m_state.m_bConventional != 0;
    for (Category category : kCategories) {
        RestrictList(category, TargetPolarity(category, Category::Concept, polarity, conventional));
    }
    SelectBlanks();
}

void MainForm::PickRandomEntries(Convention convention, Polarity polarity) {
    if (IsBit(convention) && IsBit(polarity)) {
        const bool conventional = convention == Convention::Conventional;
        // At the top of a minute still draw once, so Auto Generate always has words.
        const int repetitions = std::max(m_chance.ClockSecond(), 1);
        // Three values a repetition, for the concept, action and object lists.
        int draws[std::size(kCategories)] = {};
        for (int i = 0; i < repetitions; ++i) {
            std::generate(std::begin(draws), std::end(draws), [this] { return m_chance.Rand(); });
        }
        // Each range is the number of words after the blank entry of the list as
        // SetUpAutoLists restricted it.
        for (Category category : kCategories) {
            const Polarity listPolarity = TargetPolarity(category, Category::Concept, polarity, conventional);
            const int words = static_cast<int>(Words(category, listPolarity).count);
            IndexField(category) = 1 + draws[static_cast<int>(category)] % words;
        }
    }
}

}  // namespace quill
