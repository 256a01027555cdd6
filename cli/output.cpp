#include "output.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <cstdlib>

#include "vocabulary.h"

namespace quill::console {
namespace {

using namespace std::string_view_literals;

std::string_view FigureName(Figure figure) { return figure == Figure::Metaphor ? "metaphor"sv : "simile"sv; }

// The reason a write failed. The Windows runtime says EINVAL for a pipe whose
// reader has gone; the system's own error tells it apart.
int WriteError() {
#ifdef _WIN32
    // ERROR_BROKEN_PIPE, ERROR_NO_DATA (Windows), ERROR_PIPE_NOT_CONNECTED (Wine)
    const unsigned long closed[] = {109, 232, 233};
    if (std::find(std::begin(closed), std::end(closed), _doserrno) != std::end(closed)) return EPIPE;
#endif
    return errno != 0 ? errno : EIO;
}

}  // namespace

bool Output::Write(const char* text, std::size_t size) {
    errno = 0;
    if (m_error == 0 && std::fwrite(text, 1, size, m_file) != size) m_error = WriteError();
    return m_error == 0;
}

bool Output::Flush() {
    const std::size_t used = m_used;
    m_used = 0;
    if (!Write(m_buffer.get(), used)) return false;
    errno = 0;
    if (std::fflush(m_file) != 0) m_error = WriteError();
    return m_error == 0;
}

std::string_view ListName(Category list) { return OfCategory(list, "concept"sv, "action"sv, "object"sv); }
std::string_view PolarityName(Polarity polarity) { return polarity == Polarity::Negative ? "negative"sv : "positive"sv; }

bool PutSentenceHeader(Output& out, Format format) {
    return format != Format::Tsv || out.Put("concept\taction\tobject\tfigure\tsentence\n"sv);
}

bool PutWordHeader(Output& out, Format format) { return format != Format::Tsv || out.Put("list\tword\tpolarity\n"sv); }

bool PutSentence(Output& out, Format format, const Sentence& sentence) {
    const auto& [concept, action, object] = sentence.words;
    const std::string_view figure = FigureName(sentence.figure);
    switch (format) {
    case Format::Text: return out.Put(sentence.text, '\n');
    case Format::Tsv: return out.Put(concept, '\t', action, '\t', object, '\t', figure, '\t', sentence.text, '\n');
    case Format::Jsonl: break;
    }
    return out.Put("{\"concept\":\""sv, concept, "\",\"action\":\""sv, action, "\",\"object\":\""sv, object,
                   "\",\"figure\":\""sv, figure, "\",\"sentence\":\""sv, sentence.text, "\"}\n"sv);
}

bool PutWord(Output& out, Format format, Category list, std::string_view word) {
    const std::string_view polarity = PolarityName(ClassifyPolarity(std::string(word)));
    switch (format) {
    case Format::Text: return out.Put(word, '\n');
    case Format::Tsv: return out.Put(ListName(list), '\t', word, '\t', polarity, '\n');
    case Format::Jsonl: break;
    }
    return out.Put("{\"list\":\""sv, ListName(list), "\",\"word\":\""sv, word, "\",\"polarity\":\""sv, polarity,
                   "\"}\n"sv);
}

}  // namespace quill::console
