// The main window's behaviour as a model: one record, three sorted word lists,
// and the commands that work on them.
#pragma once

#include <initializer_list>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "chance.h"
#include "figure_link.h"
#include "form_window.h"
#include "phrases.h"
#include "vocabulary.h"

namespace quill {

// Conventional keeps one polarity in every list; unconventional gives the action
// list the opposite one. Stored as 0 and 1 in the auto setting.
enum class Convention : int { Conventional = 0, Unconventional = 1 };

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
    // False, with nothing changed, for a sentence the program cannot show.
    bool OpenLink(const FigureLink& link);
    // The sentence on the output line, as a link; none before the first one.
    const std::optional<FigureLink>& ShownLink() const { return m_shownLink; }

    // Copy: the sentence on the output line to the clipboard; nothing when the
    // line is empty. Changes nothing on the form.
    bool CanCopySentence() const { return !m_state.m_strOutput.empty(); }
    void CopySentence();
    // Copy All: the remembered sentences, oldest first, one per line with
    // Windows line ends.
    bool CanCopyAllSentences() const { return !m_sentences.empty(); }
    void CopyAllSentences();

private:
    // The category's list becomes the blank entry plus that polarity's words.
    void RestrictList(Category category, Polarity polarity);
    // Fills a list with the blank entry and the words of these polarities,
    // unless it holds exactly those already.
    void FillList(Category category, std::initializer_list<Polarity> polarities);
    // The blank entry of every list chosen, in the record; lists so reset are not narrowed.
    void SelectBlanks();
    int& IndexField(Category category);
    // The text at the position held in the list's index field.
    std::string SelectionText(Category category);
    // Tells the window what the lists hold, when that has changed.
    void NoteLists();

    // Auto Generate's steps, which leave the window to its closing write. The
    // clock's seconds field counts the draws of a mode; only the last one
    // decides. Only the values 0 and 1 of each mode restrict the lists and
    // pick words.
    int DrawModeBit(int value);
    void SetUpAutoLists(Convention convention, Polarity polarity, Figure figure);
    void PickRandomEntries(Convention convention, Polarity polarity);

    // The three selected words and the record's figure; none when a list has
    // no word selected.
    std::optional<FigureLink> SelectedFigure();
    // The sentence of the selected words, each word that has no phrase saying
    // so, on the output line through a write of the whole record.
    void ShowSentence(const FigureLink& figure);
    // The missing-selection message of the record's figure.
    void ShowMissingSelection();

    MainFormState& m_state;
    FormWindow& m_window;
    Chance& m_chance;
    // Which polarities each list holds, one bit each; 0 before its first fill.
    // Only the form fills its lists, so what it last put there is what they hold.
    unsigned m_listed[std::size(kCategories)] = {};
    // The sentences the output line has shown since start-up, oldest first, the
    // last m_sentencesKept of them; a sentence shown again right after itself
    // counts once. Kept in memory only.
    std::vector<std::string> m_sentences;
    const std::size_t m_sentencesKept;
    std::optional<FigureLink> m_shownLink;
    // What the window was last told the lists hold.
    std::string m_listsNote;
};

}  // namespace quill
