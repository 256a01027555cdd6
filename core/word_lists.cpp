#include "word_lists.h"

#include <algorithm>
#include <iterator>

#include "main_form.h"
#include "phrases.h"
#include "sorted_list.h"
#include "vocabulary.h"

namespace quill {
namespace {

// A word and its phrase in each figure, made once.
struct Phrased {
    const std::string* word;
    Polarity polarity;
    std::array<std::string, 2> phrases;
};

std::vector<Phrased> Phrase(Category list, MessageSink& sink) {
    std::vector<Phrased> phrased;
    for (const std::string& word : ShownWords(list)) {
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

// A list as the program's window fills it at a reset, read back without its
// blank entry (which sorts first) and with each word once.
const std::vector<std::string>& ShownWords(Category list) {
    static const auto lists = [] {
        std::array<std::vector<std::string>, std::size(kCategories)> words;
        for (Category category : kCategories) {
            SortedList shown;
            shown.Fill(MainForm::EveryWordEntries(category));
            std::vector<std::string>& unique = words[static_cast<std::size_t>(category)];
            std::unique_copy(shown.Entries().begin() + 1, shown.Entries().end(), std::back_inserter(unique));
        }
        return words;
    }();
    return lists[static_cast<std::size_t>(list)];
}

std::optional<std::string> FindWordAnyCase(Category list, std::string_view text) {
    const std::string wanted = Lowercase(std::string(text));
    const std::vector<std::string>& words = ShownWords(list);
    const auto found = std::find_if(words.begin(), words.end(), [&](const std::string& word) { return Lowercase(word) == wanted; });
    return found == words.end() ? std::nullopt : std::optional<std::string>(*found);
}

std::vector<std::string> ObjectsMeeting(const std::string& concept) {
    std::vector<std::string> objects;
    const std::vector<std::string>& all = ShownWords(Category::Object);
    const Polarity polarity = ClassifyPolarity(concept);
    std::copy_if(all.begin(), all.end(), std::back_inserter(objects),
                 [polarity](const std::string& object) { return CanMeet(polarity, ClassifyPolarity(object)); });
    return objects;
}

void EachSentence(const std::function<bool(const SentenceView&)>& sink, MessageSink& errors) {
    const std::vector<Phrased> concepts = Phrase(Category::Concept, errors);
    const std::vector<Phrased> actions = Phrase(Category::Action, errors);
    const std::vector<Phrased> objects = Phrase(Category::Object, errors);
    constexpr Figure kFigures[] = {Figure::Metaphor, Figure::Simile};
    std::string heads[std::size(kFigures)], text;
    for (const Phrased& concept : concepts) {
        for (const Phrased& action : actions) {
            // The object comes last in every figure: the sentence up to it is made once for every object.
            for (Figure figure : kFigures) {
                const auto column = static_cast<std::size_t>(figure);
                heads[column].clear();
                AppendSentence(heads[column], figure, concept.phrases[column], action.phrases[column], {});
            }
            for (const Phrased& object : objects) {
                if (!CanMeet(concept.polarity, object.polarity)) continue;
                for (Figure figure : kFigures) {
                    const auto column = static_cast<std::size_t>(figure);
                    text.assign(heads[column]).append(object.phrases[column]);
                    if (!sink(SentenceView{{*concept.word, *action.word, *object.word}, figure, text})) return;
                }
            }
        }
    }
}

}  // namespace quill
