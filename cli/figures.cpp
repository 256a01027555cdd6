#include "figures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <iterator>

#include "phrases.h"
#include "vocabulary.h"

namespace quill::console {
namespace {

std::string Lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Letters added, removed or changed to turn one text into the other.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// A word and its phrase in each figure, made once.
struct Phrased {
    const std::string* word;
    Polarity polarity;
    std::array<std::string, 2> phrases;
};

std::vector<Phrased> Phrase(Category list, MessageSink& sink) {
    std::vector<Phrased> phrased;
    for (const std::string& word : ListWords(list)) {
        Phrased each{&word, ClassifyPolarity(word), {}};
        for (Figure figure : {Figure::Metaphor, Figure::Simile}) {
            each.phrases[static_cast<std::size_t>(figure)] =
                OfCategory(list, ConvertStringConcept, ConvertStringAction, ConvertStringObject)(word, figure, sink);
        }
        phrased.push_back(std::move(each));
    }
    return phrased;
}

}  // namespace

void ErrorSink::ShowMessage(const std::string& text) { std::fprintf(stderr, "quillmere: %s\n", text.c_str()); }

// A list as the program's window fills it at a reset, read back without its
// blank entry and with each word once.
const std::vector<std::string>& ListWords(Category list) {
    static const auto lists = [] {
        std::array<std::vector<std::string>, std::size(kCategories)> words;
        for (Category category : kCategories) {
            std::vector<std::string> texts;
            for (Polarity polarity : {Polarity::Negative, Polarity::Positive}) {
                const WordList listed = Words(category, polarity);
                texts.insert(texts.end(), listed.begin(), listed.end());
            }
            SortedList shown;
            shown.Fill(texts);
            std::vector<std::string>& unique = words[static_cast<std::size_t>(category)];
            std::unique_copy(shown.Entries().begin(), shown.Entries().end(), std::back_inserter(unique));
        }
        return words;
    }();
    return lists[static_cast<std::size_t>(list)];
}

std::optional<std::string> FindWord(Category list, const std::string& text) {
    const std::string wanted = Lowercase(text);
    const std::vector<std::string>& words = ListWords(list);
    const auto found = std::find_if(words.begin(), words.end(), [&](const std::string& word) { return Lowercase(word) == wanted; });
    return found == words.end() ? std::nullopt : std::optional<std::string>(*found);
}

std::vector<std::string> ClosestWords(Category list, const std::string& text) {
    const std::string wanted = Lowercase(text);
    const std::vector<std::string>& words = ListWords(list);
    std::vector<std::pair<std::size_t, const std::string*>> ranked(words.size());
    std::transform(words.begin(), words.end(), ranked.begin(),
                   [&](const std::string& word) { return std::make_pair(EditDistance(Lowercase(word), wanted), &word); });
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (const auto& [distance, word] : ranked) {
        if (closest.size() == 3 || distance > ranked.front().first) break;
        closest.push_back(*word);
    }
    return closest;
}

Sentence SentenceOf(const SentenceParts& parts, std::string_view text) {
    return Sentence{{parts.words[0], parts.words[1], parts.words[2]}, parts.figure, text};
}

void EachSentence(const std::function<bool(const Sentence&)>& sink) {
    ErrorSink errors;
    const std::vector<Phrased> concepts = Phrase(Category::Concept, errors);
    const std::vector<Phrased> actions = Phrase(Category::Action, errors);
    const std::vector<Phrased> objects = Phrase(Category::Object, errors);
    constexpr Figure kFigures[] = {Figure::Metaphor, Figure::Simile};
    std::string heads[std::size(kFigures)], text;
    for (const Phrased& concept : concepts) {
        for (const Phrased& action : actions) {
            // The sentence up to its object, once for every object.
            for (Figure figure : kFigures) {
                const auto column = static_cast<std::size_t>(figure);
                heads[column].clear();
                AppendSentence(heads[column], figure, concept.phrases[column], action.phrases[column], {});
            }
            // A pick narrows the concepts and the objects to one polarity.
            for (const Phrased& object : objects) {
                if (object.polarity != concept.polarity) continue;
                for (Figure figure : kFigures) {
                    const auto column = static_cast<std::size_t>(figure);
                    text.assign(heads[column]).append(object.phrases[column]);
                    if (!sink(Sentence{{*concept.word, *action.word, *object.word}, figure, text})) return;
                }
            }
        }
    }
}

AutoSentences::AutoSentences(const Modes& modes, unsigned seed)
    : m_chance(seed), m_form(m_state, m_window, m_chance, 1) {
    m_form.StartUp();
    if (modes.convention) {
        m_state.m_bRandomizeConvention = 0;
        m_state.m_nAutoConvention = static_cast<int>(*modes.convention);
    }
    if (modes.polarity) {
        m_state.m_bRandomizePolarity = 0;
        m_state.m_nAutoPolarity = static_cast<int>(*modes.polarity);
    }
    if (modes.figure) {
        m_state.m_bRandomizeFigure = 0;
        m_state.m_nAutoFigure = static_cast<int>(*modes.figure);
    }
}

// At second 1 every press picks three words, all of which a user can pick.
Sentence AutoSentences::Next() {
    m_form.AutoGenerate();
    return SentenceOf(m_form.ShownSentence().value(), m_state.m_strOutput);
}

}  // namespace quill::console
