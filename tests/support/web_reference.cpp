// The native core's answers for the web edition's tests: runs the steps it
// reads, one a line with tab-separated fields, on the in-memory window and
// prints what a user would see, as a line of JSON, at each "look".
//   fresh                    a new window, as the page is when opened
//   pick LIST TEXT           picks the first entry with that text (LIST 0, 1, 2)
//   pick-at LIST POSITION    picks the entry at that position
//   figure 0|1  conventional  generate  auto  reset  copy  copy-all
//   clock SECONDS            the clock's seconds field from now on
//   settings  box MODE  choice MODE INDEX  everything  ok
//   look                     prints the lists, picks, figure, Conventional box,
//                            output line, messages since the last look,
//                            clipboard and settings window
//   say                      prints the output line and the messages alone
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory_window.h"

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
        const std::string& verb = step[0];
        auto number = [&step](std::size_t i) { return std::stoi(step.at(i)); };
        MemoryList* list = step.size() > 1 && verb.rfind("pick", 0) == 0 ? &m_form->window.ListOf(kCategories[number(1)]) : nullptr;
        if (verb == "fresh") {
            m_settings.reset();
            m_form = std::make_unique<MemoryForm>();
        } else if (verb == "pick") {
            const std::vector<std::string>& entries = list->Entries();
            list->SelectPosition(static_cast<int>(std::find(entries.begin(), entries.end(), step.size() > 2 ? step[2] : "") - entries.begin()));
            m_form->form.NarrowOnSelection(kCategories[number(1)]);
        } else if (verb == "pick-at") {
            list->SelectPosition(number(2));
            m_form->form.NarrowOnSelection(kCategories[number(1)]);
        } else if (verb == "figure") {
            m_form->window.checkedRadio = number(1);
        } else if (verb == "conventional") {
            m_form->window.conventionalChecked = !m_form->window.conventionalChecked;
            m_form->form.ConventionalSwitch();
        } else if (verb == "generate") {
            m_form->form.ComposeFigure();
        } else if (verb == "auto") {
            m_form->form.AutoGenerate();
        } else if (verb == "reset") {
            m_form->form.ResetLists();
        } else if (verb == "copy") {
            m_form->form.CopySentence();
        } else if (verb == "copy-all") {
            m_form->form.CopyAllSentences();
        } else if (verb == "clock") {
            m_form->chance.SetSeconds(number(1));
        } else if (verb == "settings") {
            if (!m_settings) m_settings = std::make_unique<MemorySettings>(m_form->state);
        } else if (verb == "box") {
            m_settings->ClickBox(static_cast<AutoMode>(number(1)));
        } else if (verb == "choice") {
            m_settings->ClickRadio(static_cast<AutoMode>(number(1)), number(2));
        } else if (verb == "everything") {
            m_settings->form.RandomizeEverything();
        } else if (verb == "ok") {
            m_settings.reset();
        } else if (verb == "look") {
            Look();
        } else if (verb == "say") {
            std::cout << "{\"output\":" << Json(m_form->window.outputLine) << ",\"messages\":" << JsonList(m_form->window.messages, Json) << "}\n";
            m_form->window.messages.clear();
        } else {
            throw std::runtime_error("unknown step " + verb);
        }
    }

private:
    void Look() {
        MemoryWindow& window = m_form->window;
        std::string json = "{\"lists\":[";
        for (Category category : kCategories) {
            const MemoryList& list = window.ListOf(category);
            json += (category == Category::Concept ? "" : ",") + JsonList(list.Entries(), Json);
        }
        json += "],\"selected\":[" + std::to_string(window.concept.Selected()) + "," +
                std::to_string(window.action.Selected()) + "," + std::to_string(window.object.Selected()) + "]";
        json += ",\"figure\":" + std::to_string(window.checkedRadio);
        json += std::string(",\"conventional\":") + (window.conventionalChecked ? "true" : "false");
        json += ",\"output\":" + Json(window.outputLine);
        json += ",\"messages\":" + JsonList(window.messages, Json);
        window.messages.clear();
        json += ",\"clipboard\":" + (window.copied.empty() ? std::string("null") : Json(window.copied.back()));
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

    std::unique_ptr<MemoryForm> m_form = std::make_unique<MemoryForm>();
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
