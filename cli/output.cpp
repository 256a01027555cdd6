#include "output.h"

#include <cerrno>
#include <cstdlib>

#include "vocabulary.h"

namespace quill::console {
namespace {

const char* ListName(Category list) { return OfCategory(list, "concept", "action", "object"); }
const char* FigureName(Figure figure) { return figure == Figure::Metaphor ? "metaphor" : "simile"; }
const char* PolarityName(Polarity polarity) { return polarity == Polarity::Negative ? "negative" : "positive"; }

// Fields in TSV's order, or JSON's members with these keys.
template <std::size_t N>
bool PutFields(Output& out, Format format, const char* const (&keys)[N], const std::string_view (&values)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (format == Format::Tsv) {
            out.Put(values[i]);
            out.Put(i + 1 < N ? "\t" : "\n");
        } else {
            out.Put(i == 0 ? "{\"" : ",\"");
            out.Put(keys[i]);
            out.Put("\":\"");
            out.Put(values[i]);
            out.Put(i + 1 < N ? "\"" : "\"}\n");
        }
    }
    return out.Error() == 0;
}

const char* const kSentenceKeys[] = {"concept", "action", "object", "figure", "sentence"};
const char* const kWordKeys[] = {"list", "word", "polarity"};

template <std::size_t N>
void PutHeader(Output& out, Format format, const char* const (&keys)[N]) {
    if (format != Format::Tsv) return;
    for (std::size_t i = 0; i < N; ++i) {
        out.Put(keys[i]);
        out.Put(i + 1 < N ? "\t" : "\n");
    }
}

// The reason a write failed. The Windows runtime says EINVAL for a pipe whose
// reader has gone; the system's own error tells it apart.
int WriteError() {
#ifdef _WIN32
    // ERROR_BROKEN_PIPE, ERROR_NO_DATA (Windows), ERROR_PIPE_NOT_CONNECTED (Wine)
    for (const unsigned long closed : {109ul, 232ul, 233ul}) {
        if (_doserrno == closed) return EPIPE;
    }
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

void PutSentenceHeader(Output& out, Format format) { PutHeader(out, format, kSentenceKeys); }
void PutWordHeader(Output& out, Format format) { PutHeader(out, format, kWordKeys); }

bool PutSentence(Output& out, Format format, const Sentence& sentence) {
    if (format == Format::Text) {
        out.Put(sentence.text);
        return out.Put("\n");
    }
    const auto& words = sentence.parts.words;
    const std::string_view values[] = {words[0], words[1], words[2], FigureName(sentence.parts.figure), sentence.text};
    return PutFields(out, format, kSentenceKeys, values);
}

bool PutWord(Output& out, Format format, Category list, const std::string& word) {
    if (format == Format::Text) {
        out.Put(word);
        return out.Put("\n");
    }
    const std::string_view values[] = {ListName(list), word, PolarityName(ClassifyPolarity(word))};
    return PutFields(out, format, kWordKeys, values);
}

}  // namespace quill::console
