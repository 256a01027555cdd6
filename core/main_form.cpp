#include "main_form.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "figure_link.h"
#include "phrases.h"

namespace quill {
namespace {

const char kMetaphorMissing[] =
    "All combo box controls must have a selection before a metaphore can be generated.  Moron.";
const char kSimileMissing[] =
    "All combo box controls must have a selection before a simile can be generated.  Moron.";

// Re-selection looks for a remembered text in positions 0 to kLastSearched; a text
// not found leaves the index there, beyond every list, so the list shows nothing.
constexpr int kLastSearched = 98;

// Conventional keeps one polarity everywhere; unconventional gives the action list
// the polarity opposite to the concept and object lists, and the list picked in
// keeps the picked word's own.
Polarity TargetPolarity(Category list, Category picked, Polarity p, bool conventional) {
    if (conventional || list == picked) return p;
    const bool actionSide = list == Category::Action;
    const bool pickedOnActionSide = picked == Category::Action;
    return actionSide == pickedOnActionSide ? p : Opposite(p);
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

std::string MainForm::SelectionText(Category category) {
    return m_window.List(category).TextAt(m_state.Index(category));
}

// The lists hold every word, or the concepts and objects hold one polarity
// and the actions the same one or the other.
std::string MainForm::ListsNote() const {
    const auto name = [](std::optional<Holding> holding) { return holding == Holding::Negative ? "negative" : "positive"; };
    const std::optional<Holding> concepts = HoldingOf(Category::Concept);
    const std::optional<Holding> actions = HoldingOf(Category::Action);
    if (concepts != Holding::Negative && concepts != Holding::Positive) return std::string();
    const std::string shown = actions == concepts
                                  ? std::string(name(concepts)) + " words only"
                                  : std::string(name(concepts)) + " concepts and objects and " + name(actions) + " actions";
    return "The lists show " + shown + ". Reset shows every word.";
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
    for (Category category : kCategories) FillList(category, Holding::EveryWord);
    SelectBlanks();
    m_window.WriteToWindow();
}

void MainForm::SelectBlanks() {
    for (Category category : kCategories) m_state.Index(category) = 0;
    m_state.m_bNarrowed = 0;
}

MainForm::Holding MainForm::WordsOf(Polarity polarity) {
    return polarity == Polarity::Negative ? Holding::Negative : Holding::Positive;
}

// The blank entry and the words of a holding, in the order they are added;
// made once for the whole run.
const std::vector<std::string>& MainForm::EntriesOf(Category category, Holding holding) {
    static const auto entries = [] {
        std::array<std::array<std::vector<std::string>, 3>, std::size(kCategories)> made;
        for (Category list : kCategories) {
            for (Holding each : {Holding::Negative, Holding::Positive, Holding::EveryWord}) {
                std::vector<std::string>& texts = made[static_cast<int>(list)][static_cast<int>(each)];
                texts.emplace_back();
                for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
                    if (each != Holding::EveryWord && each != WordsOf(polarity)) continue;
                    const WordList words = Words(list, polarity);
                    texts.insert(texts.end(), words.begin(), words.end());
                }
            }
        }
        return made;
    }();
    return entries[static_cast<int>(category)][static_cast<int>(holding)];
}

std::optional<MainForm::Holding> MainForm::HoldingOf(Category category) const {
    const std::vector<std::string>& filled = m_window.List(category).FilledWith();
    const Holding holdings[] = {Holding::Negative, Holding::Positive, Holding::EveryWord};
    const auto found = std::find_if(std::begin(holdings), std::end(holdings),
                                    [&](Holding holding) { return filled == EntriesOf(category, holding); });
    return found == std::end(holdings) ? std::nullopt : std::optional<Holding>(*found);
}

void MainForm::RestrictList(Category category, Polarity polarity) { FillList(category, WordsOf(polarity)); }

// Refilling a list with the entries it holds would change nothing a user sees:
// every caller selects in it afterwards.
void MainForm::FillList(Category category, Holding holding) {
    ListControl& list = m_window.List(category);
    const std::vector<std::string>& entries = EntriesOf(category, holding);
    if (list.FilledWith() == entries) return;
    // A press that may fail notes what the list held, once, to put it back.
    std::optional<Holding>& held = m_held[static_cast<int>(category)];
    if (m_pressing && !held) held = HoldingOf(category);
    list.Fill(entries);
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
    if (const std::optional<SentenceParts> parts = SelectedParts()) {
        ShowSentence(*parts, UserCanMake(*parts));
    } else {
        ShowMissingSelection();
    }
}

std::optional<SentenceParts> MainForm::SelectedParts() {
    SentenceParts parts;
    for (Category category : kCategories) parts.words[static_cast<std::size_t>(category)] = SelectionText(category);
    if (std::any_of(parts.words.begin(), parts.words.end(), [](const std::string& word) { return word.empty(); })) {
        return std::nullopt;
    }
    parts.figure = static_cast<Figure>(m_state.m_nFigure);
    return parts;
}

// In full or not at all: the sentence is made and remembered before the record
// changes, and a window that cannot show it leaves the record and the
// remembered sentences as they were, so Copy and Copy All copy what is shown.
void MainForm::ShowSentence(const SentenceParts& parts, bool userCanMake) {
    std::string sentence = ComposeSentence(parts, m_window);
    std::optional<SentenceParts> shown = userCanMake ? std::optional<SentenceParts>(parts) : std::nullopt;
    const bool isNew = m_sentences.empty() || m_sentences.back() != sentence;
    if (isNew) m_sentences.push_back(sentence);
    m_state.m_strOutput.swap(sentence);
    try {
        m_window.WriteToWindow();
    } catch (...) {
        m_state.m_strOutput.swap(sentence);
        if (isNew) m_sentences.pop_back();
        throw;
    }
    if (isNew && m_sentences.size() > m_sentencesKept) m_sentences.pop_front();
    m_shownSentence = std::move(shown);
}

void MainForm::ShowMissingSelection() {
    m_window.ShowMessage(static_cast<Figure>(m_state.m_nFigure) == Figure::Metaphor ? kMetaphorMissing : kSimileMissing);
}

bool MainForm::OpenLink(const SentenceParts& parts) {
    if (!UserCanMake(parts)) return false;
    // The concept picked first narrows the lists; the action and the object
    // picked after it find their words there.
    const Polarity polarity = ClassifyPolarity(parts.Word(Category::Concept));
    const bool conventional = ClassifyPolarity(parts.Word(Category::Action)) == polarity;
    for (Category category : kCategories) {
        RestrictList(category, TargetPolarity(category, Category::Concept, polarity, conventional));
        m_state.Index(category) = FindPosition(m_window.List(category), parts.Word(category));
    }
    m_state.m_bNarrowed = 1;
    m_state.m_bConventional = conventional ? 1 : 0;
    m_state.m_nFigure = static_cast<int>(parts.figure);
    ShowSentence(parts, true);
    return true;
}

// The record's output always holds what the line shows: the line is written
// only from it.
void MainForm::CopySentence() {
    if (CanCopySentence()) m_window.CopySentences({m_state.m_strOutput});
}

void MainForm::CopyAllSentences() {
    if (CanCopyAllSentences()) m_window.CopySentences({m_sentences.begin(), m_sentences.end()});
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
    InFullOrNotAtAll([&] {
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
            m_state.Index(category) = FindPosition(m_window.List(category), remembered[static_cast<int>(category)]);
        }
        m_window.WriteToWindow();
    });
}

// Should the press fail (out of memory, say), the record goes back at once, as
// it allocates nothing, and each list it refilled is filled again with what it
// held; then the window shows them, and the failure goes on to be told. A list
// whose refill fails too records nothing, and the next fill of it runs. The
// output line is left out of the copy: ShowSentence, the only step that
// changes it, puts it back itself.
void MainForm::InFullOrNotAtAll(const std::function<void()>& press) {
    std::string output = std::move(m_state.m_strOutput);
    MainFormState before = m_state;
    m_state.m_strOutput = std::move(output);
    for (std::optional<Holding>& held : m_held) held.reset();
    m_pressing = true;
    try {
        press();
        m_pressing = false;
    } catch (...) {
        m_pressing = false;
        before.m_strOutput.swap(m_state.m_strOutput);
        std::swap(m_state, before);
        for (Category category : kCategories) {
            if (const std::optional<Holding> held = m_held[static_cast<int>(category)]) FillList(category, *held);
        }
        m_window.WriteToWindow();
        throw;
    }
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
    InFullOrNotAtAll([&] {
        SetUpAutoLists(settledConvention, settledPolarity, static_cast<Figure>(figure));
        PickRandomEntries(settledConvention, settledPolarity);
        if (const std::optional<SentenceParts> picked = SelectedParts()) {
            ShowSentence(*picked, UserCanMake(*picked));
        } else {
            m_window.WriteToWindow();  // the lists as set up, before the message over them
            ShowMissingSelection();
        }
    });
}

int MainForm::DrawModeBit(int value) {
    const int seconds = m_chance.ClockSecond();
    if (seconds <= 0) return value;
    int last = 0;
    for (int i = 0; i < seconds; ++i) last = m_chance.Rand();
    return last % 2;
}

void MainForm::SetUpAutoLists(Convention convention, Polarity polarity, Figure figure) {
    // Each list is restricted at once: the full vocabulary that a reset would
    // put there first could never be seen. A polarity of neither value
    // restricts nothing, and the lists hold every word. The record changes
    // only once every list is filled, so a fill that fails leaves it as it was.
    const bool conventional = convention == Convention::Conventional;
    for (Category category : kCategories) {
        FillList(category, IsOneOfTwo(polarity)
                               ? WordsOf(TargetPolarity(category, Category::Concept, polarity, conventional))
                               : Holding::EveryWord);
    }
    m_state.m_bConventional = conventional ? 1 : 0;
    m_state.m_nFigure = static_cast<int>(figure == Figure::Metaphor ? Figure::Metaphor : Figure::Simile);
    SelectBlanks();
}

void MainForm::PickRandomEntries(Convention convention, Polarity polarity) {
    if (IsOneOfTwo(convention) && IsOneOfTwo(polarity)) {
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
            m_state.Index(category) = 1 + draws[static_cast<int>(category)] % words;
        }
    }
}

}  // namespace quill
