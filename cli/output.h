// The console program's output: one buffered stream whose first failed write
// ends the run, and the three formats a sentence or a word is written in.
#pragma once

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "figures.h"
#include "types.h"

namespace quill::console {

enum class Format { Text, Tsv, Jsonl };

// Text goes out a large block at a time, never a line at a time.
class Output {
public:
    explicit Output(std::FILE* file) : m_file(file), m_buffer(new char[kBlock]) {}

    // The texts (views or characters) one after another. False once a write
    // has failed: nothing more is written after it.
    template <class... Texts>
    bool Put(const Texts&... texts) {
        const std::size_t size = (SizeOf(texts) + ...);
        if (size > kBlock - m_used && !Flush()) return false;
        if (size > kBlock) {
            std::string whole;
            ((whole += texts), ...);
            return Write(whole.data(), whole.size());
        }
        (Append(texts), ...);
        return true;
    }
    // Writes what is buffered and the stream's own buffer through.
    bool Flush();
    // The errno of the failed write, 0 while none has failed.
    int Error() const { return m_error; }

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    static std::size_t SizeOf(char) { return 1; }
    static std::size_t SizeOf(std::string_view text) { return text.size(); }
    void Append(char c) { m_buffer[m_used++] = c; }
    void Append(std::string_view text) {
        std::memcpy(m_buffer.get() + m_used, text.data(), text.size());
        m_used += text.size();
    }
    bool Write(const char* text, std::size_t size);

    std::FILE* m_file;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
    int m_error = 0;
};

// The names the formats give a list and a polarity.
std::string_view ListName(Category list);
std::string_view PolarityName(Polarity polarity);

// The header line of a format, none for text.
bool PutSentenceHeader(Output& out, Format format);
bool PutWordHeader(Output& out, Format format);
// One line each. Written by hand: no word or sentence holds a quote, a
// backslash or a control character, which JSON and TSV would need escaped.
bool PutSentence(Output& out, Format format, const Sentence& sentence);
bool PutWord(Output& out, Format format, Category list, std::string_view word);

}  // namespace quill::console
