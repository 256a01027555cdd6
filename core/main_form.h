// The main window's behaviour as a model: one record, three sorted word lists,
// and the commands that work on them.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "chance.h"
#include "form_window.h"
#include "types.h"
#include "vocabulary.h"

namespace quill {

// The record behind the main window. The index, figure, output and check fields
// are bound to controls; the rest are the window's own.
struct MainFormState {
    // Auto Generate's fixed choices and whether each is drawn instead.
    int m_nAutoPolarity = 0;    // 0 Negative, 1 Positive
    int m_nAutoConvention = 0;  // 0 Conventional, 1 Unconventional
    int m_nAutoFigure = 0;      // 0 Metaphor, 1 Simile
    int m_bRandomizePolarity = 0;
    int m_bRandomizeFigure = 0;
    int m_bRandomizeConvention = 0;
    // The lists have been narrowed by a pick since they were last reset.
    int m_bNarrowed = 0;
    // Bound fields; -1 means no selection (or no radio checked).
    int m_nConcept = -1;
    int m_nFigure = -1;
    int m_nAction = -1;
    int m_nObject = -1;
    std::string m_strOutput;
    int m_bConventional = 0;

    // The selection field of a list.
    int& Index(Category category) { return *OfCategory(category, &m_nConcept, &m_nAction, &m_nObject); }
};

// Copy All keeps every sentence of the run unless the window asks for fewer.
inline constexpr std::size_t kEverySentence = std::numeric_limits<std::size_t>::max();

class MainForm {
public:
    // A window whose memory is bounded (the page's) keeps the last sentencesKept.
    MainForm(MainFormState& state, FormWindow& window, Chance& chance, std::size_t sentencesKept = kEverySentence);

    // Defaults of a freshly opened window: Conventional, Metaphor, full lists,
    // every Auto Generate mode drawn at random.
    void StartUp();

    // Full lists with the blank entry selected in each; also the Reset command.
    void ResetLists();

    // A click on the Conventional box: full lists, keeping the new switch and figure.
    void ConventionalSwitch();

    // Generate: builds the metaphor or simile from the three selected words.
    void ComposeFigure();

    // A user's pick in one list: narrows all three lists to the picked word's
    // polarity (once per reset) and puts every list's selection back on its text.
    void NarrowOnSelection(Category changed);

    // Auto Generate: settles convention, polarity and figure, fits the lists to
    // them, picks a word in each at random and composes the sentence.
    void AutoGenerate();

    // A sentence given whole, as a link gives it, shown as the form stands when
    // a user has picked its three words and pressed Generate: the lists
    // narrowed by the concept's polarity, Conventional checked exactly when
    // the action shares it, the figure chosen, each word selected (the first
    // of equal entries). Whatever the lists held before makes no difference.
    // False, with nothing changed, for a sentence no user can make.
    bool OpenLink(const SentenceParts& parts);
    // The sentence on the output line, if a user can make it; none before the first.
    const std::optional<SentenceParts>& ShownSentence() const { return m_shownSentence; }

    // The entries a list holding every word is filled with, in the order they
    // are added, the blank entry first.
    static const std::vector<std::string>& EveryWordEntries(Category category) {
        return EntriesOf(category, Holding::EveryWord);
    }

    // What the lists hold once a pick or Auto Generate has narrowed them, and
    // how to see every word again; the empty text while they hold every word.
    // For a window whose lists do not say it for themselves.
    std::string ListsNote() const;

    // Copy: the sentence on the output line to the clipboard; nothing when the
    // line is empty. Changes nothing on the form.
    bool CanCopySentence() const { return !m_state.m_strOutput.empty(); }
    void CopySentence();
    // Copy All: the remembered sentences, oldest first.
    bool CanCopyAllSentences() const { return !m_sentences.empty(); }
    void CopyAllSentences();

private:
    // What the form fills a list with: the blank entry and the words of one
    // polarity, or the blank entry and every word.
    enum class Holding { Negative, Positive, EveryWord };
    static Holding WordsOf(Polarity polarity);
    static const std::vector<std::string>& EntriesOf(Category category, Holding holding);
    // Which of those the list holds, as the list itself tells; none when it
    // was filled with anything else.
    std::optional<Holding> HoldingOf(Category category) const;

    // The category's list becomes the blank entry plus that polarity's words.
    void RestrictList(Category category, Polarity polarity);
    // Fills a list, unless it holds that already.
    void FillList(Category category, Holding holding);
    // The blank entry of every list chosen, in the record; lists so reset are not narrowed.
    void SelectBlanks();
    // The text at the position held in the list's index field.
    std::string SelectionText(Category category);

    // Auto Generate's steps, which leave the window to its closing write. The
    // clock's seconds field counts the draws of a mode; only the last one
    // decides. Only the values 0 and 1 of each mode restrict the lists and
    // pick words.
    int DrawModeBit(int value);
    void SetUpAutoLists(Convention convention, Polarity polarity, Figure figure);
    void PickRandomEntries(Convention convention, Polarity polarity);

    // The three selected words and the record's figure; none when a list has
    // no word selected.
    std::optional<SentenceParts> SelectedParts();
    // The sentence of these parts, each word that has no phrase saying so, on
    // the output line through one write of the whole record; offered as a
    // link when a user can make it.
    void ShowSentence(const SentenceParts& parts, bool userCanMake);
    // The missing-selection message of the record's figure.
    void ShowMissingSelection();
    // Runs a press that refills lists and changes the record: it takes effect
    // in full, or the record and the lists are as they were before it.
    void InFullOrNotAtAll(const std::function<void()>& press);

    MainFormState& m_state;
    FormWindow& m_window;
    Chance& m_chance;
    // The sentences the output line has shown since start-up, oldest first, the
    // last m_sentencesKept of them; a sentence shown again right after itself
    // counts once. Kept in memory only.
    std::deque<std::string> m_sentences;
    const std::size_t m_sentencesKept;
    std::optional<SentenceParts> m_shownSentence;
    // While a press runs in full or not at all: what each list it refilled held before.
    bool m_pressing = false;
    std::optional<Holding> m_held[3];
};

}  // namespace quill
