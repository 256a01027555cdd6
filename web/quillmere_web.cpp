// The web edition's shell: core's window interfaces on the page. The page's
// script calls the exported functions below for what the user does; they call
// back into the script (the EM_JS functions) to read and change its controls,
// as the Windows shell sends messages to its own.
#include <emscripten.h>

#include <cstdlib>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about_text.h"
#include "configure_auto_form.h"
#include "figure_link.h"
#include "main_form.h"
#include "sorted_list.h"
#include "version.h"

namespace {

// The page's controls, as page.js offers them (Module.page).
EM_JS(void, page_fill, (int list, const char* lines), { Module.page.fill(list, UTF8ToString(lines)); });
EM_JS(void, page_select, (int list, int position), { Module.page.select(list, position); });
EM_JS(int, page_selected, (int list), { return Module.page.selected(list); });
EM_JS(int, page_figure, (), { return Module.page.figure(); });
EM_JS(void, page_set_figure, (int figure), { Module.page.setFigure(figure); });
EM_JS(int, page_conventional, (), { return Module.page.conventional(); });
EM_JS(void, page_set_conventional, (int on), { Module.page.setConventional(on); });
EM_JS(void, page_set_output, (const char* text), { Module.page.setOutput(UTF8ToString(text)); });
EM_JS(void, page_list_note, (const char* text), { Module.page.listNote(UTF8ToString(text)); });
EM_JS(void, page_message, (const char* text), { Module.page.message(UTF8ToString(text)); });
EM_JS(void, page_copy, (const char* lines, int count), { Module.page.copy(UTF8ToString(lines), count); });
EM_JS(void, page_can_copy, (int sentence, int all), { Module.page.canCopy(sentence, all); });
EM_JS(void, page_link, (const char* fragment), { Module.page.link(UTF8ToString(fragment)); });
EM_JS(void, page_about, (const char* version, const char* copyright, const char* notice, const char* site), {
    Module.page.about(UTF8ToString(version), UTF8ToString(copyright), UTF8ToString(notice), UTF8ToString(site));
});
EM_JS(void, page_show_settings, (int open), { Module.page.showSettings(open); });
EM_JS(int, page_box, (int mode), { return Module.page.box(mode); });
EM_JS(void, page_set_box, (int mode, int on), { Module.page.setBox(mode, on); });
EM_JS(int, page_choice, (int mode), { return Module.page.choice(mode); });
EM_JS(void, page_set_choice, (int mode, int choice), { Module.page.setChoice(mode, choice); });
EM_JS(void, page_enable_pair, (int mode, int on), { Module.page.enablePair(mode, on); });
// A text of the page's, copied into the engine's memory for it to take and free.
EM_JS(char*, page_output, (), { return allocateUTF8(Module.page.output()); });
EM_JS(char*, page_fragment, (int limit), { return allocateUTF8(Module.page.fragment(limit)); });

std::string Take(char* text) {
    std::string taken(text);
    std::free(text);
    return taken;
}

// The page's names of the lists, in Category's order, and of the settings'
// modes, in AutoMode's: the page finds each control by its name, and both
// sides number them so.
const char kControlNames[] = "concept action object\nconvention figure polarity";

// A number the page gives, refused unless it is one of the engine's.
std::optional<quill::Category> CategoryOf(int list) {
    if (list < 0 || list >= static_cast<int>(std::size(quill::kCategories))) return std::nullopt;
    return quill::kCategories[list];
}
std::optional<quill::AutoMode> ModeOf(int mode) {
    if (mode < 0 || mode > static_cast<int>(quill::AutoMode::Polarity)) return std::nullopt;
    return static_cast<quill::AutoMode>(mode);
}

// A sorted list whose entries the page shows; the user's pick lives on the page.
class PageList final : public quill::SortedList {
public:
    explicit PageList(int index) : m_index(index) {}

private:
    void ShowEntries(const std::vector<std::string>& entries) override {
        std::string lines;
        for (const std::string& entry : entries) lines += entry + '\n';
        page_fill(m_index, lines.c_str());
    }
    void ShowSelection(int position) override { page_select(m_index, position); }

    int m_index;
};

class PageWindow final : public quill::FormWindow {
public:
    explicit PageWindow(quill::MainFormState& state) : m_state(state) {}

    void ReadFromWindow() override {
        m_state.m_nConcept = page_selected(0);
        m_state.m_nFigure = page_figure();
        m_state.m_nAction = page_selected(1);
        m_state.m_nObject = page_selected(2);
        m_state.m_strOutput = Take(page_output());
        m_state.m_bConventional = page_conventional();
    }
    void WriteToWindow() override {
        m_lists[0].SelectPosition(m_state.m_nConcept);
        page_set_figure(m_state.m_nFigure);
        m_lists[1].SelectPosition(m_state.m_nAction);
        m_lists[2].SelectPosition(m_state.m_nObject);
        page_set_output(m_state.m_strOutput.c_str());
        page_set_conventional(m_state.m_bConventional != 0);
    }
    quill::ListControl& List(quill::Category category) override { return m_lists[static_cast<int>(category)]; }
    void ShowMessage(const std::string& text) override { page_message(text.c_str()); }
    // One sentence a line, in the web's line ends.
    void CopySentences(const std::vector<std::string>& sentences) override {
        std::string lines;
        for (const std::string& sentence : sentences) lines += (lines.empty() ? "" : "\n") + sentence;
        page_copy(lines.c_str(), static_cast<int>(sentences.size()));
    }

private:
    quill::MainFormState& m_state;
    PageList m_lists[3] = {PageList(0), PageList(1), PageList(2)};
};

class PageSettings final : public quill::ConfigureAutoWindow {
public:
    explicit PageSettings(quill::ConfigureAutoState& state) : m_state(state) {}

    void ReadFromWindow() override {
        for (quill::AutoMode mode : kModes) {
            m_state.Randomize(mode) = page_box(static_cast<int>(mode));
            m_state.Choice(mode) = page_choice(static_cast<int>(mode));
        }
    }
    void WriteToWindow() override {
        for (quill::AutoMode mode : kModes) {
            page_set_box(static_cast<int>(mode), m_state.Randomize(mode));
            page_set_choice(static_cast<int>(mode), m_state.Choice(mode));
        }
    }
    void EnablePair(quill::AutoMode mode, bool enable) override { page_enable_pair(static_cast<int>(mode), enable); }

private:
    static constexpr quill::AutoMode kModes[] = {quill::AutoMode::Convention, quill::AutoMode::Figure,
                                                 quill::AutoMode::Polarity};
    quill::ConfigureAutoState& m_state;
};

// One opening of the settings dialog: its model, on the page, over the main form.
struct Settings {
    explicit Settings(quill::MainFormState& mainForm) : form(state, mainForm, window) { form.StartUp(); }

    quill::ConfigureAutoState state;
    PageSettings window{state};
    quill::ConfigureAutoForm form;
};

// A page's memory is a fixed heap: however long the session, Copy All keeps
// the last ten thousand sentences, and the heap never runs out.
constexpr std::size_t kSentencesKept = 10000;

class App {
public:
    App() { m_form.StartUp(); }

    // A command of the main form, and after it what the page shows beside the
    // form: what Copy and Copy All can take, the note on the lists, and the
    // address, the link to the sentence on screen or none.
    template <class Command>
    void Run(Command command) {
        command(m_form);
        page_can_copy(m_form.CanCopySentence(), m_form.CanCopyAllSentences());
        page_list_note(m_form.ListsNote().c_str());
        const std::optional<quill::SentenceParts>& shown = m_form.ShownSentence();
        page_link(shown ? quill::LinkText(*shown).c_str() : "");
    }

    // The sentence the address links to, if a user can make it. The page hands
    // over one byte more than a link can hold, so that a longer one is refused.
    void OpenLink() {
        const std::optional<quill::SentenceParts> parts =
            quill::ParseLink(Take(page_fragment(static_cast<int>(quill::kMaxLinkLength) + 1)));
        Run([&parts](quill::MainForm& form) {
            if (parts) form.OpenLink(*parts);
        });
    }

    // At most one settings dialog; asked again, the open one keeps its state.
    void OpenSettings() {
        if (!m_settings) m_settings = std::make_unique<Settings>(m_state);
        page_show_settings(1);
    }
    void CloseSettings() {
        m_settings.reset();
        page_show_settings(0);
    }
    quill::ConfigureAutoForm* OpenedSettings() { return m_settings ? &m_settings->form : nullptr; }

private:
    quill::MainFormState m_state;
    PageWindow m_window{m_state};
    quill::PortableChance m_chance;
    quill::MainForm m_form{m_state, m_window, m_chance, kSentencesKept};
    std::unique_ptr<Settings> m_settings;
};

App* g_app = nullptr;

}  // namespace

// What the page's script calls. Every user action is one call that runs to
// its end; a number that names no list or mode changes nothing.
extern "C" {

EMSCRIPTEN_KEEPALIVE const char* quill_control_names() { return kControlNames; }

EMSCRIPTEN_KEEPALIVE void quill_start() {
    static App app;
    g_app = &app;
    page_about(QUILL_ABOUT_VERSION_TEXT, QUILL_ABOUT_COPYRIGHT, QUILL_ABOUT_NOTICE, QUILL_WEB_SITE_ADDRESS);
    app.OpenLink();
}

EMSCRIPTEN_KEEPALIVE void quill_open_link() { g_app->OpenLink(); }

EMSCRIPTEN_KEEPALIVE void quill_pick(int list) {
    if (const std::optional<quill::Category> category = CategoryOf(list)) {
        g_app->Run([category](quill::MainForm& form) { form.NarrowOnSelection(*category); });
    }
}

EMSCRIPTEN_KEEPALIVE void quill_generate() { g_app->Run([](quill::MainForm& form) { form.ComposeFigure(); }); }
EMSCRIPTEN_KEEPALIVE void quill_auto_generate() { g_app->Run([](quill::MainForm& form) { form.AutoGenerate(); }); }
EMSCRIPTEN_KEEPALIVE void quill_reset() { g_app->Run([](quill::MainForm& form) { form.ResetLists(); }); }
EMSCRIPTEN_KEEPALIVE void quill_conventional() {
    g_app->Run([](quill::MainForm& form) { form.ConventionalSwitch(); });
}
EMSCRIPTEN_KEEPALIVE void quill_copy() { g_app->Run([](quill::MainForm& form) { form.CopySentence(); }); }
EMSCRIPTEN_KEEPALIVE void quill_copy_all() { g_app->Run([](quill::MainForm& form) { form.CopyAllSentences(); }); }

EMSCRIPTEN_KEEPALIVE void quill_open_settings() { g_app->OpenSettings(); }
EMSCRIPTEN_KEEPALIVE void quill_close_settings() { g_app->CloseSettings(); }

EMSCRIPTEN_KEEPALIVE void quill_settings_box(int mode) {
    quill::ConfigureAutoForm* settings = g_app->OpenedSettings();
    if (const std::optional<quill::AutoMode> named = ModeOf(mode); settings && named) settings->OnBox(*named);
}

EMSCRIPTEN_KEEPALIVE void quill_settings_radio(int mode) {
    quill::ConfigureAutoForm* settings = g_app->OpenedSettings();
    if (const std::optional<quill::AutoMode> named = ModeOf(mode); settings && named) settings->OnRadio(*named);
}

EMSCRIPTEN_KEEPALIVE void quill_randomize_everything() {
    if (quill::ConfigureAutoForm* settings = g_app->OpenedSettings()) settings->RandomizeEverything();
}

}  // extern "C"
