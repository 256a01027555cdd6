// What the console program asks of the core: the words as the program's lists
// show them, a typed word found in its list, every sentence a user can make,
// and Auto Generate's sentences one after another.
#pragma once

#include <cstddef>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chance.h"
#include "main_form.h"
#include "sorted_list.h"
#include "types.h"

namespace quill::console {

// A sentence and what it is made of, as views of texts that last at least
// until the next sentence is made.
struct Sentence {
    std::array<std::string_view, 3> words;  // concept, action, object
    Figure figure = Figure::Metaphor;
    std::string_view text;
};

// The words of a list in the order the list shows them, each once.
const std::vector<std::string>& ListWords(Category list);

// The word of the list that the text names, whatever its case.
std::optional<std::string> FindWord(Category list, const std::string& text);

// The list's words nearest to a text that names none of them (fewest letters
// added, removed or changed, whatever their case), at most three.
std::vector<std::string> ClosestWords(Category list, const std::string& text);

// A phrase table's message, said on stderr as the program's message box says it.
class ErrorSink final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override;
};

// The sentence of these parts and this text.
Sentence SentenceOf(const SentenceParts& parts, std::string_view text);

// Every sentence a user can make, in the lists' order, the metaphor before the
// simile of the same three words; each word's phrases are made once. The
// sink is called until it answers false.
void EachSentence(const std::function<bool(const Sentence&)>& sink);

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
