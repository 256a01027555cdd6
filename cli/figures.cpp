#include "figures.h"

#include <algorithm>
#include <cstdio>

#include "vocabulary.h"

namespace quill::console {
namespace {

// Letters added, removed, changed or two neighbours swapped to turn one text into the other.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

void ErrorSink::ShowMessage(const std::string& text) { std::fprintf(stderr, "quillmere: %s\n", text.c_str()); }

std::vector<std::string> ClosestWords(Category list, const std::string& text) {
    const std::string wanted = Lowercase(text);
    const std::vector<std::string>& words = ShownWords(list);
    std::vector<std::pair<std::size_t, const std::string*>> ranked(words.size());
    std::transform(words.begin(), words.end(), ranked.begin(),
                   [&](const std::string& word) { return std::make_pair(EditDistance(Lowercase(word), wanted), &word); });
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> closest;
    for (const auto& [distance, word] : ranked) {
        if (closest.size() == 3 || distance > ranked.front().first || distance * 3 > wanted.size()) break;
        closest.push_back(*word);
    }
    return closest;
}

Sentence SentenceOf(const SentenceParts& parts, std::string_view text) {
    return Sentence{{parts.words[0], parts.words[1], parts.words[2]}, parts.figure, text};
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
