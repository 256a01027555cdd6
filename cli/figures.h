// What the console program makes of the core's words: suggestions for a word
// it does not know, and Auto Generate's sentences one after another.
#pragma once

#include <cstddef>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chance.h"
#include "main_form.h"
#include "sorted_list.h"
#include "types.h"
#include "word_lists.h"

namespace quill::console {

using Sentence = SentenceView;

// The list's words nearest to a text that names none of them, at most three,
// each close enough to be what was meant: the fewest letters added, removed,
// changed or swapped (whatever their case), at most a third of the text's.
std::vector<std::string> ClosestWords(Category list, const std::string& text);

// A phrase table's message, said on stderr as the program's message box says it.
class ErrorSink final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override;
};

// The sentence of these parts and this text.
Sentence SentenceOf(const SentenceParts& parts, std::string_view text);

// Auto Generate pressed again and again on a freshly started program whose
// settings are given, every press at second 1 of a minute, the generator
// seeded as srand(seed) seeds the Windows runtime's. Keeps one sentence.
class AutoSentences {
public:
    // Each mode fixed to its value, or drawn when none is given.
    struct Modes {
        std::optional<Convention> convention;
        std::optional<Polarity> polarity;
        std::optional<Figure> figure;
    };
    AutoSentences(const Modes& modes, unsigned seed);

    Sentence Next();

private:
    class Window final : public FormWindow {
    public:
        void ReadFromWindow() override {}
        void WriteToWindow() override {}
        ListControl& List(Category category) override { return m_lists[static_cast<int>(category)]; }
        void ShowMessage(const std::string& text) override { ErrorSink().ShowMessage(text); }
        void CopySentences(const std::vector<std::string>&) override {}

    private:
        SortedList m_lists[3];
    };
    class SecondOne final : public Chance {
    public:
        explicit SecondOne(unsigned seed) : m_rand(seed) {}
        int Rand() override { return m_rand.Next(); }
        int ClockSecond() override { return 1; }

    private:
        WindowsRand m_rand;
    };

    MainFormState m_state;
    Window m_window;
    SecondOne m_chance;
    MainForm m_form;
};

}  // namespace quill::console
