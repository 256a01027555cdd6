// quillmere: the program's sentences on the command line. It parses, formats
// and writes; the core decides every word, pairing and sentence.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "figure_link.h"
#include "figures.h"
#include "output.h"
#include "phrases.h"
#include "version.h"
#include "vocabulary.h"
#include "word_lists.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using namespace quill;
using namespace quill::console;

// Our own words throughout, in 80 columns.
const char kHelp[] =
    "Usage: quillmere CONCEPT ACTION OBJECT [--simile | --figure FIGURE]\n"
    "                 [--format FORMAT]\n"
    "  or:  quillmere --auto [N] [--convention CONVENTION] [--polarity POLARITY]\n"
    "                 [--figure FIGURE] [--seed S] [--format FORMAT]\n"
    "  or:  quillmere --all [--format FORMAT]\n"
    "  or:  quillmere --words [LIST] [--concept CONCEPT] [--format FORMAT]\n"
    "Metaphors and similes from a concept, an action and an object, exactly as the\n"
    "Quillmere program makes them. Words are taken in any case; a word of several\n"
    "words is one argument. An option's value follows it, or joins it with '='.\n"
    "\n"
    "  --simile                the simile instead of the metaphor\n"
    "  --figure FIGURE         metaphor or simile; for --auto also random\n"
    "  --format FORMAT         text (a sentence a line), tsv or jsonl\n"
    "  --auto [N]              N sentences as Auto Generate makes them (1 without N),\n"
    "                          N from 1 to 9223372036854775807\n"
    "  --convention CONVENTION for --auto: conventional, unconventional or random\n"
    "  --polarity POLARITY     for --auto: the concept's and object's polarity,\n"
    "                          negative, positive or random\n"
    "  --seed S                for --auto: the generator's seed, from 0 to\n"
    "                          4294967295, as the Windows runtime's srand takes it\n"
    "  --all                   every sentence a user can make in the program\n"
    "  --words [LIST]          the words of every list, or of LIST: concept, action\n"
    "                          or object\n"
    "  --concept CONCEPT       for --words: only the objects CONCEPT can meet\n"
    "  -h, --help              this help\n"
    "  --version               the program's version\n"
    "\n"
    "Examples:\n"
    "  quillmere Evil Wounds War --simile      Evil is like a wounding war.\n"
    "  quillmere hell \"provides for\" bomb      words in any case\n"
    "  quillmere --auto                        a sentence as Auto Generate makes it\n"
    "  quillmere --auto 3 --polarity positive --figure simile\n"
    "  quillmere --auto --seed 20261209        the same sentence for the same seed\n"
    "  quillmere --all --format tsv | grep -P '^Love\\t.*\\tsimile\\t'\n"
    "                                          every simile for Love\n"
    "  quillmere --words object --concept evil the objects Evil can meet\n"
    "\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 for a usage\n"
    "error or words the program does not have or never puts together.\n";

// CLI11 gives an option given without a value its default text: one no argument can hold.
const std::string kNoValue(1, '\0');

int Fail(const std::string& message) {
    std::fprintf(stderr, "quillmere: %s\n", message.c_str());
    return 2;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "quillmere: %s\nTry 'quillmere --help' for more information.\n", message.c_str());
    return 2;
}

// Whether the bytes from `at` on begin a UTF-8 character other than a C1
// control; its length if so.
std::size_t PrintableCharacter(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead >= 0x20 && lead < 0x7F) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || (lead == 0xC2 && byte(at + 1) < 0xA0)) return 0;
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    }
    return length;
}

// A typed text as a terminal may show it: controls and bytes that are not UTF-8 as \xHH.
std::string Quoted(const std::string& text) {
    std::string shown = "\"";
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = PrintableCharacter(text, at)) {
            shown.append(text, at, length);
            at += length;
            continue;
        }
        // A C1 control whole; any other byte alone.
        const bool c1 = static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < text.size() &&
                        static_cast<unsigned char>(text[at + 1]) >= 0x80 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
        const std::size_t length = c1 ? 2 : 1;
        for (std::size_t i = 0; i < length; ++i) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(text[at + i]));
            shown += hex;
        }
        at += length;
    }
    return shown + '"';
}

// "the action list has no "Destroy"; did you mean "Destroys"?"
std::string UnknownWord(Category list, const std::string& text) {
    const std::string name(ListName(list));
    const std::vector<std::string> closest = ClosestWords(list, text);
    std::string message = "the " + name + " list has no " + Quoted(text);
    if (closest.empty()) return message + "; 'quillmere --words " + name + "' lists its words";
    message += "; did you mean ";
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

// An option's value, checked; none with the usage error said when it is refused.
class Values {
public:
    // The value of the choices given, or none with the choices named.
    template <class Value>
    std::optional<Value> Choice(const CLI::Option* option, std::initializer_list<std::pair<const char*, Value>> choices) {
        const std::string& text = option->results().front();
        std::string names;
        for (const auto& [name, value] : choices) {
            if (text == name) return value;
            names += std::string(names.empty() ? "" : &name == &choices.end()[-1].first ? " or " : ", ") + name;
        }
        return Refuse(option, names);
    }

    // Decimal digits alone (leading zeros too), from `least` to `most`.
    template <class Number>
    std::optional<Number> Decimal(const CLI::Option* option, Number least, Number most) {
        const std::string& text = option->results().front();
        Number number{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 10);
        if (error == std::errc() && end == text.data() + text.size() && number >= least && number <= most) {
            return number;
        }
        return Refuse(option, "a number from " + std::to_string(least) + " to " + std::to_string(most));
    }

    int Status() const { return m_status; }

private:
    std::nullopt_t Refuse(const CLI::Option* option, const std::string& takes) {
        const std::string& text = option->results().front();
        m_status = UsageError(option->get_name() + " takes " + takes + (text.empty() || text == kNoValue ? "" : ", not " + Quoted(text)));
        return std::nullopt;
    }

    int m_status = 0;
};

// The sentence of three words as typed, or why the program never makes it.
int PutOneSentence(const std::vector<std::string>& typed, Figure figure, Output& out, Format format) {
    SentenceParts parts;
    for (Category category : kCategories) {
        const auto at = static_cast<std::size_t>(category);
        const std::optional<std::string> word = FindWordAnyCase(category, typed[at]);
        if (!word) return Fail(UnknownWord(category, typed[at]));
        parts.words[at] = *word;
    }
    parts.figure = figure;
    if (!UserCanMake(parts)) {
        const auto polarity = [&](Category category) { return std::string(PolarityName(ClassifyPolarity(parts.Word(category)))); };
        return Fail(Quoted(parts.Word(Category::Concept)) + " is a " + polarity(Category::Concept) + " concept and " +
                    Quoted(parts.Word(Category::Object)) + " a " + polarity(Category::Object) +
                    " object: a pick narrows the concepts and objects to its own polarity, so the lists never show both");
    }
    ErrorSink errors;
    const std::string text = ComposeSentence(parts, errors);
    if (PutSentenceHeader(out, format)) PutSentence(out, format, SentenceOf(parts, text));
    return 0;
}

int Run(int argc, char** argv) {
    CLI::App app("", "quillmere");
    app.set_help_flag();
    app.allow_extras();
    std::vector<std::string> words;
    app.add_option("words", words);
    CLI::Option* help = app.add_flag("-h,--help");
    CLI::Option* version = app.add_flag("--version");
    CLI::Option* simile = app.add_flag("--simile");
    CLI::Option* allOption = app.add_flag("--all");
    // Every value is taken as text and checked here, in our words; given twice, each is kept.
    const auto valued = [&app](const char* name) {
        return app.add_option(name)->expected(0, 1)->default_str(kNoValue)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    };
    CLI::Option* figureOption = valued("--figure");
    CLI::Option* formatOption = valued("--format");
    CLI::Option* autoOption = valued("--auto");
    CLI::Option* conventionOption = valued("--convention");
    CLI::Option* polarityOption = valued("--polarity");
    CLI::Option* seedOption = valued("--seed");
    CLI::Option* wordsOption = valued("--words");
    CLI::Option* conceptOption = valued("--concept");
    // CLI11 takes "--auto=" for a bare "--auto": it is the empty value, given
    // apart. CLI11 takes the arguments last first.
    std::vector<std::string> args;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string arg = argv[i];
        const CLI::Option* option = arg.size() > 3 && arg.back() == '=' ? app.get_option_no_throw(arg.substr(0, arg.size() - 1)) : nullptr;
        if (option && option->get_expected_max() > 0) {
            args.insert(args.end(), {arg.substr(0, arg.size() - 1), std::string()});
        } else {
            args.push_back(arg);
        }
    }
    args.insert(args.end(), argv + i, argv + argc);
    std::reverse(args.begin(), args.end());
    try {
        app.parse(args);
    } catch (const CLI::ParseError&) {
        return UsageError("the command line cannot be read");
    }
    const std::vector<std::string> extras = app.remaining();
    const auto unknown = std::find_if(extras.begin(), extras.end(), [](const std::string& extra) { return extra != "--"; });
    if (unknown != extras.end()) return UsageError("unknown option " + Quoted(*unknown));
    for (const CLI::Option* flag : {help, version, simile, allOption}) {
        const std::vector<std::string>& given = flag->results();
        if (std::any_of(given.begin(), given.end(), [](const std::string& value) { return value != "true"; })) {
            return UsageError(flag->get_name() + " takes no value");
        }
    }

    Output out(stdout);
    if (help->count() > 0 || version->count() > 0) {
        out.Put(help->count() > 0 ? kHelp : "quillmere " QUILL_VERSION "\n");
        return Finish(out);
    }
    const CLI::Option* const valuedOptions[] = {figureOption,     formatOption, autoOption, conventionOption,
                                                polarityOption,   seedOption,   wordsOption, conceptOption};
    const auto twice = std::find_if(std::begin(valuedOptions), std::end(valuedOptions),
                                    [](const CLI::Option* option) { return option->count() > 1; });
    if (twice != std::end(valuedOptions)) return UsageError((*twice)->get_name() + " is given more than once");
    // A value given empty is refused; given none, the options that may go without one take their default.
    const auto given = [](const CLI::Option* option) {
        return option->count() > 0 && option->results().front() != kNoValue;
    };

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
        {wordsOption->count() > 0, "--words", {conceptOption, formatOption}},
    };
    const Command* command = nullptr;
    for (const Command& each : commands) {
        if (!each.given || &each == &commands[0]) continue;
        if (command) return UsageError(std::string(command->name) + " and " + each.name + " do not go together");
        command = &each;
    }
    if (command && words.size() == 3) return UsageError(std::string("three words and ") + command->name + " do not go together");
    if (command && !words.empty()) return UsageError(Quoted(words.front()) + " is an unexpected word");
    if (!command && words.size() > 3) return UsageError(Quoted(words[3]) + " is an unexpected word");
    if (!command && words.empty()) return UsageError("give three words, --auto, --all or --words");
    if (!command) command = &commands[0];
    for (const CLI::Option* option : {simile, figureOption, conventionOption, polarityOption, seedOption, formatOption, conceptOption}) {
        if (option->count() > 0 && std::find(command->takes.begin(), command->takes.end(), option) == command->takes.end()) {
            return UsageError(option->get_name() + " does not go with " + command->name);
        }
    }

    Values values;
    Format format = Format::Text;
    if (formatOption->count() > 0) {
        const auto chosen = values.Choice<Format>(formatOption, {{"text", Format::Text}, {"tsv", Format::Tsv}, {"jsonl", Format::Jsonl}});
        if (!chosen) return values.Status();
        format = *chosen;
    }
    // A mode given as random is drawn, as is one not given.
    const auto mode = [&values](const CLI::Option* option, auto first, auto second, auto names) {
        using Mode = decltype(first);
        std::optional<std::optional<Mode>> chosen{std::optional<Mode>()};
        if (option->count() > 0) {
            chosen = values.Choice<std::optional<Mode>>(option, {{names[0], first}, {names[1], second}, {"random", std::nullopt}});
        }
        return chosen;
    };
    const char* const figures[] = {"metaphor", "simile"};
    const auto figure = mode(figureOption, Figure::Metaphor, Figure::Simile, figures);
    if (!figure) return values.Status();

    if (command == &commands[0]) {
        if (words.size() != 3) return UsageError("give three words: a concept, an action and an object");
        if (simile->count() > 0 && figureOption->count() > 0) return UsageError("--simile and --figure do not go together");
        if (figureOption->count() > 0 && !*figure) return UsageError("--figure random goes with --auto only");
        const Figure chosen = simile->count() > 0 ? Figure::Simile : figure->value_or(Figure::Metaphor);
        if (const int status = PutOneSentence(words, chosen, out, format)) return status;
    } else if (command == &commands[1]) {
        const char* const conventions[] = {"conventional", "unconventional"};
        const char* const polarities[] = {"negative", "positive"};
        const auto convention = mode(conventionOption, Convention::Conventional, Convention::Unconventional, conventions);
        if (!convention) return values.Status();
        const auto polarity = mode(polarityOption, Polarity::Negative, Polarity::Positive, polarities);
        if (!polarity) return values.Status();
        long long count = 1;
        if (given(autoOption)) {
            const auto n = values.Decimal<long long>(autoOption, 1, std::numeric_limits<long long>::max());
            if (!n) return values.Status();
            count = *n;
        }
        unsigned seed = 0;
        if (seedOption->count() > 0) {
            const auto s = values.Decimal<std::uint32_t>(seedOption, 0, std::numeric_limits<std::uint32_t>::max());
            if (!s) return values.Status();
            seed = *s;
        } else {
            seed = ClockSeed();
        }
        AutoSentences sentences({*convention, *polarity, *figure}, seed);
        bool written = PutSentenceHeader(out, format);
        for (long long n = count; written && n > 0; --n) written = PutSentence(out, format, sentences.Next());
    } else if (command == &commands[2]) {
        ErrorSink errors;
        if (PutSentenceHeader(out, format)) {
            EachSentence([&](const Sentence& sentence) { return PutSentence(out, format, sentence); }, errors);
        }
    } else {
        std::optional<Category> only;
        if (given(wordsOption)) {
            only = values.Choice<Category>(wordsOption, {{"concept", Category::Concept}, {"action", Category::Action}, {"object", Category::Object}});
            if (!only) return values.Status();
        }
        std::vector<std::string> objects = ShownWords(Category::Object);
        if (conceptOption->count() > 0) {
            const std::string& typed = conceptOption->results().front();
            if (typed.empty() || typed == kNoValue) return UsageError("--concept takes a concept");
            const std::optional<std::string> concept = FindWordAnyCase(Category::Concept, typed);
            if (!concept) return Fail(UnknownWord(Category::Concept, typed));
            objects = ObjectsMeeting(*concept);
        }
        if (!PutWordHeader(out, format)) return Finish(out);
        for (Category category : kCategories) {
            if (only && *only != category) continue;
            for (const std::string& word : category == Category::Object ? objects : ShownWords(category)) {
                if (!PutWord(out, format, category, word)) return Finish(out);
            }
        }
    }
    return Finish(out);
}

// Whatever stops the run unforeseen (out of memory, say) is said, never silent.
int Main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillmere: %s\n", error.what());
        return 1;
    }
}

}  // namespace

#ifdef _WIN32
// The arguments as typed, in UTF-8: the runtime's narrow ones are in the ANSI
// code page, which turns every character it lacks into "?".
int wmain(int argc, wchar_t** wideArgv) {
    std::vector<std::string> texts;
    std::vector<char*> argv;
    for (int i = 0; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wideArgv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string& text = texts.emplace_back(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wideArgv[i], -1, text.data(), size, nullptr, nullptr);
        text.resize(std::strlen(text.c_str()));
    }
    std::transform(texts.begin(), texts.end(), std::back_inserter(argv), [](std::string& text) { return text.data(); });
    argv.push_back(nullptr);
    return Main(argc, argv.data());
}
#else
int main(int argc, char** argv) { return Main(argc, argv); }
#endif
