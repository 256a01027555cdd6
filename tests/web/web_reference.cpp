// The native core's answers for the web edition's tests: runs the steps it
// reads, one a line with tab-separated fields, on the in-memory window and
// prints what a user would see, as a line of JSON, at each "look".
//   fresh                    a new window, as the page is when opened
//   pick LIST TEXT           picks the first entry with that text (LIST 0, 1, 2)
//   pick-at LIST POSITION    picks the entry at that position
//   figure 0|1  conventional  generate  auto  reset  copy  copy-all
//   clock SECONDS            the clock's seconds field from now on
//   settings  box MODE  choice MODE INDEX  everything  ok
//   link FRAGMENT            the address's fragment (after "#") changed to this
//   look                     prints the lists, picks, figure, Conventional box,
//                            the note on the lists, output line, messages
//                            since the last look, clipboard and settings window
//   say                      prints the output line and the messages alone
#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "figure_link.h"
#include "memory_harness.h"

namespace quill::test {
namespace {

std::string Json(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

template <class Items, class Write>
std::string JsonList(const Items& items, Write write) {
    std::string json = "[";
    for (const auto& item : items) json += (json.size() > 1 ? "," : "") + write(item);
    return json + "]";
}

class Session {
public:
    void Run(const std::vector<std::string>& step) {
        auto number = [&step](std::size_t i) { return std::stoi(step.at(i)); };
        auto text = [&step](std::size_t i) { return step.size() > i ? step[i] : std::string(); };
        MemoryHarness& form = *m_form;
        const std::pair<const char*, std::function<void()>> verbs[] = {
            {"fresh", [this] {
                 m_settings.reset();
                 m_form = std::make_unique<MemoryHarness>();
             }},
            {"pick", [&] { form.PickText(kCategories[number(1)], text(2)); }},
            {"pick-at", [&] { form.Pick(kCategories[number(1)], number(2)); }},
            {"figure", [&] { form.ChooseFigure(number(1)); }},
            {"conventional", [&] { form.ClickConventional(); }},
            {"generate", [&] { form.ClickGenerate(); }},
            {"auto", [&] { form.ClickAutoGenerate(); }},
            {"reset", [&] { form.ClickReset(); }},
            {"copy", [&] { form.ClickCopy(); }},
            {"copy-all", [&] { form.ClickCopyAll(); }},
            {"clock", [&] { form.Chance().SetSeconds(number(1)); }},
            {"settings", [&] { if (!m_settings) m_settings = std::make_unique<MemorySettings>(form.State()); }},
            {"box", [&] { m_settings->ClickBox(static_cast<AutoMode>(number(1))); }},
            {"choice", [&] { m_settings->ClickRadio(static_cast<AutoMode>(number(1)), number(2)); }},
            {"everything", [&] { m_settings->form.RandomizeEverything(); }},
            {"ok", [this] { m_settings.reset(); }},
            {"link", [&] { if (const std::optional<SentenceParts> parts = ParseLink(text(1))) form.Memory().form.OpenLink(*parts); }},
            {"look", [this] { Look(); }},
            {"say", [&] { std::cout << "{\"output\":" << Json(form.Output()) << ",\"messages\":" << JsonList(form.TakeMessages(), Json) << "}\n"; }},
        };
        for (const auto& [verb, run] : verbs) {
            if (step[0] == verb) return run();
        }
        throw std::runtime_error("unknown step " + step[0]);
    }

private:
    void Look() {
        std::string json = "{\"lists\":[";
        std::string selected;
        for (Category category : kCategories) {
            const char* comma = category == Category::Concept ? "" : ",";
            json += comma + JsonList(m_form->Entries(category), Json);
            selected += comma + std::to_string(m_form->Selection(category));
        }
        json += "],\"selected\":[" + selected + "]";
        json += ",\"figure\":" + std::to_string(m_form->FigureShown());
        json += std::string(",\"conventional\":") + (m_form->ConventionalShown() ? "true" : "false");
        json += ",\"note\":" + Json(m_form->Memory().form.ListsNote());
        json += ",\"output\":" + Json(m_form->Output());
        json += ",\"messages\":" + JsonList(m_form->TakeMessages(), Json);
        const std::string clipboard = m_form->Clipboard();
        json += ",\"clipboard\":" + (clipboard.empty() ? std::string("null") : Json(clipboard));
        json += ",\"settings\":";
        if (m_settings) {
            const MemorySettings::Pair* pairs = m_settings->pairs;
            auto field = [pairs](auto member) {
                std::string values = "[";
                for (int i = 0; i < 3; ++i) values += (i ? "," : "") + member(pairs[i]);
                return values + "]";
            };
            json += "{\"boxes\":" + field([](const MemorySettings::Pair& p) { return std::string(p.box ? "true" : "false"); });
            json += ",\"choices\":" + field([](const MemorySettings::Pair& p) { return std::to_string(p.radio); });
            json += ",\"enabled\":" + field([](const MemorySettings::Pair& p) { return std::string(p.enabled ? "true" : "false"); });
            json += "}";
        } else {
            json += "null";
        }
        std::cout << json << "}\n";
    }

    std::unique_ptr<MemoryHarness> m_form = std::make_unique<MemoryHarness>();
    std::unique_ptr<MemorySettings> m_settings;
};

}  // namespace
}  // namespace quill::test

int main() {
    quill::test::Session session;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::vector<std::string> step;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) step.push_back(field);
        if (!step.empty()) session.Run(step);
    }
    return 0;
}
