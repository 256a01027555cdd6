// quillmere: the program's sentences on the command line. It parses, formats
// and writes; the core decides every word and sentence.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "figures.h"
#include "output.h"
#include "phrases.h"
#include "version.h"
#include "vocabulary.h"

namespace {

using namespace quill;
using namespace quill::console;

const char kUsage[] =
    "usage: quillmere CONCEPT ACTION OBJECT [--simile | --figure metaphor|simile] [--format FORMAT]\n"
    "       quillmere --auto [N] [--convention C] [--polarity P] [--figure F] [--seed S] [--format FORMAT]\n"
    "       quillmere --all [--format FORMAT]\n"
    "       quillmere --words [concept|action|object] [--format FORMAT]\n"
    "       quillmere --help | --version\n";

const char kExamples[] =
    "Examples:\n"
    "  quillmere Evil Wounds War --simile     Evil is like a wounding war.\n"
    "  quillmere hell \"provides for\" bomb     words in any case; several words as one\n"
    "  quillmere --auto                       a sentence as Auto Generate makes it, as at login\n"
    "  quillmere --auto 3 --polarity positive --figure simile\n"
    "  quillmere --auto --seed 20261209       the same sentence every time for the same seed\n"
    "  quillmere --all --format tsv | grep -P '^Love\\t.*\\tsimile\\t'\n"
    "                                         every simile for Love\n"
    "  quillmere --words action --format jsonl\n"
    "\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 for a usage\n"
    "error or words the program does not have or never puts together.\n";

// The usage at the head of the help, in place of CLI11's one line.
class Formatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override { return std::string("\n") + kUsage; }
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "quillmere: %s\n", message.c_str());
    return 2;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "quillmere: %s\n%s", message.c_str(), kUsage);
    return 2;
}

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

// "the action list has no "Destroy"; did you mean "Destroys"?"
std::string UnknownWord(Category list, const std::string& text) {
    const std::vector<std::string> closest = ClosestWords(list, text);
    std::string message = "the " + std::string(ListName(list)) + " list has no " + Quoted(text) + "; did you mean ";
    for (std::size_t i = 0; i < closest.size(); ++i) {
        message += (i == 0 ? "" : i + 1 == closest.size() ? " or " : ", ") + Quoted(closest[i]);
    }
    return message + "?";
}

// A seed that differs from run to run: the clock to the finest tick it gives.
unsigned ClockSeed() {
    const auto ticks = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<unsigned>(ticks ^ (ticks >> 32));
}

// Ends the run as the output went: a closed pipe quietly, any other failed write with its reason.
int Finish(Output& out) {
    if (out.Flush() || out.Error() == EPIPE) return 0;
    std::fprintf(stderr, "quillmere: write error: %s\n", std::strerror(out.Error()));
    return 1;
}

template <class Value>
std::optional<Value> Named(const std::string& name, std::initializer_list<std::pair<const char*, Value>> names) {
    for (const auto& [text, value] : names) {
        if (name == text) return value;
    }
    return std::nullopt;
}

// The sentence of three words as typed, or why the program never makes it.
int PutOneSentence(const std::vector<std::string>& typed, Figure figure, Output& out, Format format) {
    SentenceParts parts;
    for (Category category : kCategories) {
        const auto at = static_cast<std::size_t>(category);
        const std::optional<std::string> word = FindWord(category, typed[at]);
        if (!word) return Fail(UnknownWord(category, typed[at]));
        parts.words[at] = *word;
    }
    const Polarity concept = ClassifyPolarity(parts.Word(Category::Concept));
    const Polarity object = ClassifyPolarity(parts.Word(Category::Object));
    if (concept != object) {
        return Fail(Quoted(parts.Word(Category::Concept)) + " is a " + std::string(PolarityName(concept)) +
                    " concept and " + Quoted(parts.Word(Category::Object)) + " a " + std::string(PolarityName(object)) +
                    " object: a pick narrows the concepts and objects to its own polarity, so the lists never show both");
    }
    parts.figure = figure;
    ErrorSink errors;
    const std::string text = ComposeSentence(parts, errors);
    if (PutSentenceHeader(out, format)) PutSentence(out, format, SentenceOf(parts, text));
    return 0;
}

int Run(int argc, char** argv) {
    CLI::App app("quillmere " QUILL_VERSION
                 ": metaphors and similes from a concept, an action and an object, exactly as the\n"
                 "Quillmere program makes them.",
                 "quillmere");
    app.formatter(std::make_shared<Formatter>());
    app.footer(kExamples);
    app.set_version_flag("--version", "quillmere " QUILL_VERSION);

    std::vector<std::string> words;
    std::optional<long long> count;
    std::string figure, convention, polarity, list, format = "text";
    std::optional<std::uint32_t> seed;
    app.add_option("words", words, "a concept, an action and an object; a word of several words is one argument")
        ->type_name("CONCEPT ACTION OBJECT");
    CLI::Option* simile = app.add_flag("--simile", "the simile instead of the metaphor (as --figure simile)");
    CLI::Option* figureOption = app.add_option("--figure", figure, "metaphor or simile; for --auto also random")
                                    ->check(CLI::IsMember({"metaphor", "simile", "random"}));
    CLI::Option* formatOption = app.add_option("--format", format, "text (a sentence a line), tsv or jsonl")
                                    ->check(CLI::IsMember({"text", "tsv", "jsonl"}));
    CLI::Option* autoOption = app.add_option("--auto", count, "N sentences as Auto Generate makes them (1 if no N)")
                                  ->expected(0, 1)
                                  ->type_name("[N]")
                                  ->check(CLI::Validator(
                                      [](const std::string& n) {
                                          const bool whole = !n.empty() && n.find_first_not_of("0123456789") == std::string::npos;
                                          return whole && n.find_first_not_of('0') != std::string::npos
                                                     ? std::string()
                                                     : "N must be a whole number, 1 or more";
                                      },
                                      "N >= 1"));
    CLI::Option* conventionOption =
        app.add_option("--convention", convention, "for --auto: conventional, unconventional or random (the default)")
            ->check(CLI::IsMember({"conventional", "unconventional", "random"}));
    CLI::Option* polarityOption =
        app.add_option("--polarity", polarity, "for --auto: the concept's and object's, negative, positive or random")
            ->check(CLI::IsMember({"negative", "positive", "random"}));
    CLI::Option* seedOption =
        app.add_option("--seed", seed, "for --auto: the generator's seed, as the Windows runtime's srand takes it");
    CLI::Option* allOption = app.add_flag("--all", "every sentence a user can make in the program");
    CLI::Option* wordsOption = app.add_option("--words", list, "the words of every list, or of one")
                                   ->expected(0, 1)
                                   ->type_name("[LIST]")
                                   ->check(CLI::IsMember({"concept", "action", "object"}));

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const CLI::CallForVersion& version) {
        std::printf("%s\n", version.what());
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }

    // Exactly one command, and of the options only those it takes.
    struct Command {
        bool given;
        const char* name;
        std::vector<const CLI::Option*> takes;
    };
    const Command commands[] = {
        {!words.empty(), "three words", {simile, figureOption, formatOption}},
        {autoOption->count() > 0, "--auto", {conventionOption, polarityOption, figureOption, seedOption, formatOption}},
        {allOption->count() > 0, "--all", {formatOption}},
        {wordsOption->count() > 0, "--words", {formatOption}},
    };
    const Command* command = nullptr;
    for (const Command& each : commands) {
        if (!each.given) continue;
        if (command) return UsageError(std::string(command->name) + " and " + each.name + " do not go together");
        command = &each;
    }
    if (!command) return UsageError("give three words, --auto, --all or --words");
    for (const CLI::Option* option :
         {simile, figureOption, conventionOption, polarityOption, seedOption, formatOption}) {
        if (option->count() > 0 && std::find(command->takes.begin(), command->takes.end(), option) == command->takes.end()) {
            return UsageError(option->get_name() + " does not go with " + command->name);
        }
    }

    const Format chosenFormat =
        *Named<Format>(format, {{"text", Format::Text}, {"tsv", Format::Tsv}, {"jsonl", Format::Jsonl}});
    Output out(stdout);

    if (command == &commands[0]) {
        if (words.size() != 3) return UsageError("give three words: a concept, an action and an object");
        if (simile->count() > 0 && figureOption->count() > 0) return UsageError("--simile and --figure do not go together");
        if (figure == "random") return UsageError("--figure random goes with --auto only");
        const Figure chosen = simile->count() > 0 || figure == "simile" ? Figure::Simile : Figure::Metaphor;
        if (const int status = PutOneSentence(words, chosen, out, chosenFormat)) return status;
    } else if (command == &commands[1]) {
        AutoSentences::Modes modes;
        modes.convention = Named<Convention>(convention, {{"conventional", Convention::Conventional},
                                                          {"unconventional", Convention::Unconventional}});
        modes.polarity = Named<Polarity>(polarity, {{"negative", Polarity::Negative}, {"positive", Polarity::Positive}});
        modes.figure = Named<Figure>(figure, {{"metaphor", Figure::Metaphor}, {"simile", Figure::Simile}});
        AutoSentences sentences(modes, seed ? *seed : ClockSeed());
        bool written = PutSentenceHeader(out, chosenFormat);
        for (long long n = count.value_or(1); written && n > 0; --n) {
            written = PutSentence(out, chosenFormat, sentences.Next());
        }
    } else if (command == &commands[2]) {
        if (PutSentenceHeader(out, chosenFormat)) {
            EachSentence([&](const Sentence& sentence) { return PutSentence(out, chosenFormat, sentence); });
        }
    } else {
        if (!PutWordHeader(out, chosenFormat)) return Finish(out);
        for (Category category : kCategories) {
            if (!list.empty() && list != ListName(category)) continue;
            for (const std::string& word : ListWords(category)) {
                if (!PutWord(out, chosenFormat, category, word)) return Finish(out);
            }
        }
    }
    return Finish(out);
}

}  // namespace

// Whatever stops the run unforeseen (out of memory, say) is said, never silent.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillmere: %s\n", error.what());
        return 1;
    }
}
