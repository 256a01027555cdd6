// The web edition's shell: core's window interfaces on the page. The page's
// script calls the exported functions below for what the user does; they call
// back into the script (the EM_JS functions) to read and change its controls,
// as the Windows shell sends messages to its own.
#include <emscripten.h>

#include <cstdlib>
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
// A text the page holds ("output" or "fragment"), copied into the heap.
EM_JS(char*, page_text, (const char* name), {
    const text = Module.page[UTF8ToString(name)]();
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, page_set_output, (const char* text), { Module.page.setOutput(UTF8ToString(text)); });
EM_JS(void, page_message, (const char* text), { Module.page.message(UTF8ToString(text)); });
EM_JS(void, page_copy, (const char* text), { Module.page.copy(UTF8ToString(text)); });
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

std::string PageText(const char* name) {
    char* text = page_text(name);
    std::string copy(text);
    std::free(text);
    return copy;
}

// A sorted list whose entries the page shows; the user's pick lives on the page.
class PageList final : public quill::ListControl {
public:
    explicit PageList(int index) : m_index(index) {}

    void Fill(const std::vector<std::string>& texts) override {
        m_entries.Fill(texts);
        std::string lines;
        for (const std::string& entry : m_entries.Entries()) lines += entry + '\n';
        page_fill(m_index, lines.c_str());
    }
    void SelectPosition(int position) override { page_select(m_index, m_entries.Holds(position) ? position : -1); }
    std::string TextAt(int position) const override { return m_entries.TextAt(position); }

private:
    int m_index;
    quill::SortedList m_entries;
};

class PageWindow final : public quill::FormWindow {
public:
    explicit PageWindow(quill::MainFormState& state) : m_state(state) {}

    void ReadFromWindow() override {
        m_state.m_nConcept = page_selected(0);
        m_state.m_nFigure = page_figure();
        m_state.m_nAction = page_selected(1);
        m_state.m_nObject = page_selected(2);
        m_state.m_strOutput = PageText("output");
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
    void CopyText(const std::string& text) override {
        std::string lines;
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text.compare(at, 2, "\r\n") != 0) lines += text[at];
        }
        page_copy(lines.c_str());
    }

private:
    quill::MainFormState& m_state;
    PageList m_lists[3] = {PageList(0), PageList(1), PageList(2)};
};

class PageSettings final : public quill::ConfigureAutoWindow {
public:
    explicit PageSettings(quill::ConfigureAutoState& state) : m_state(state) {}

    // The page has the boxes and radio pairs in AutoMode's order.
    void ReadFromWindow() override {
        for (int mode = 0; mode < 3; ++mode) {
            m_state.Randomize(static_cast<quill::AutoMode>(mode)) = page_box(mode);
            m_state.Choice(static_cast<quill::AutoMode>(mode)) = page_choice(mode);
        }
    }
    void WriteToWindow() override {
        for (int mode = 0; mode < 3; ++mode) {
            page_set_box(mode, m_state.Randomize(static_cast<quill::AutoMode>(mode)));
            page_set_choice(mode, m_state.Choice(static_cast<quill::AutoMode>(mode)));
        }
    }
    void EnablePair(quill::AutoMode mode, bool enable) override { page_enable_pair(static_cast<int>(mode), enable); }

private:
    quill::ConfigureAutoState& m_state;
};

// One opening of the settings dialog: its model, on the page, over the main form.
struct Settings {
    explicit Settings(quill::MainFormState& mainForm) : form(state, mainForm, window) { form.StartUp(); }

    quill::ConfigureAutoState state;
    PageSettings window{state};
    quill::ConfigureAutoForm form;
};

class App {
public:
    App() { m_form.StartUp(); }

    quill::MainForm& Form() { return m_form; }

    // After a command: what Copy and Copy All can take, and, when the command
    // showed a sentence, the link to it in the address.
    void Done(bool composed) {
        page_can_copy(m_form.CanCopySentence(), m_form.CanCopyAllSentences());
        if (!composed || (m_state.m_nFigure != 0 && m_state.m_nFigure != 1)) return;
        quill::FigureLink link;
        for (quill::Category category : quill::kCategories) {
            link.words[static_cast<int>(category)] = m_form.SelectionText(category);
            if (link.words[static_cast<int>(category)].empty()) return;
        }
        link.figure = static_cast<quill::Figure>(m_state.m_nFigure);
        page_link(quill::FigureLinkText(link).c_str());
    }

    // The sentence the address's fragment links to, if it links to one.
    void OpenLink() {
        const std::optional<quill::FigureLink> link = quill::ParseFigureLink(PageText("fragment"));
        if (!link) return;
        m_form.ShowFigureOf(link->words, link->figure);
        Done(false);
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
    Settings* OpenedSettings() { return m_settings.get(); }

private:
    quill::MainFormState m_state;
    PageWindow m_window{m_state};
    quill::PortableChance m_chance;
    quill::MainForm m_form{m_state, m_window, m_chance};
    std::unique_ptr<Settings> m_settings;
};

App* g_app = nullptr;

}  // namespace

// What the page's script calls. Every user action is one call that runs to its end.
extern "C" {

EMSCRIPTEN_KEEPALIVE void quill_start() {
    static App app;
    g_app = &app;
    page_about(QUILL_ABOUT_VERSION_TEXT, QUILL_ABOUT_COPYRIGHT, QUILL_ABOUT_NOTICE, QUILL_WEB_SITE_ADDRESS);
    app.Done(false);
    app.OpenLink();
}

EMSCRIPTEN_KEEPALIVE void quill_open_link() { g_app->OpenLink(); }

EMSCRIPTEN_KEEPALIVE void quill_pick(int list) {
    g_app->Form().NarrowOnSelection(quill::kCategories[list]);
    g_app->Done(false);
}

EMSCRIPTEN_KEEPALIVE void quill_generate() {
    g_app->Form().ComposeFigure();
    g_app->Done(true);
}

EMSCRIPTEN_KEEPALIVE void quill_auto_generate() {
    g_app->Form().AutoGenerate();
    g_app->Done(true);
}

EMSCRIPTEN_KEEPALIVE void quill_reset() {
    g_app->Form().ResetLists();
    g_app->Done(false);
}

EMSCRIPTEN_KEEPALIVE void quill_conventional() {
    g_app->Form().ConventionalSwitch();
    g_app->Done(false);
}

EMSCRIPTEN_KEEPALIVE void quill_copy() { g_app->Form().CopySentence(); }
EMSCRIPTEN_KEEPALIVE void quill_copy_all() { g_app->Form().CopyAllSentences(); }

EMSCRIPTEN_KEEPALIVE void quill_open_settings() { g_app->OpenSettings(); }
EMSCRIPTEN_KEEPALIVE void quill_close_settings() { g_app->CloseSettings(); }

EMSCRIPTEN_KEEPALIVE void quill_settings_box(int mode) {
    if (Settings* settings = g_app->OpenedSettings()) settings->form.OnBox(static_cast<quill::AutoMode>(mode));
}

EMSCRIPTEN_KEEPALIVE void quill_settings_radio(int mode) {
    if (Settings* settings = g_app->OpenedSettings()) settings->form.OnRadio(static_cast<quill::AutoMode>(mode));
}

EMSCRIPTEN_KEEPALIVE void quill_randomize_everything() {
    if (Settings* settings = g_app->OpenedSettings()) settings->form.RandomizeEverything();
}

}  // extern "C"
