#include "memory_harness.h"

#include <utility>

namespace quill::test {

void MemoryHarness::Pick(Category category, int position) {
    m_form.window.ListOf(category).SelectPosition(position);
    m_form.form.NarrowOnSelection(category);
}

void MemoryHarness::ClickConventional() {
    m_form.window.conventionalChecked = !m_form.window.conventionalChecked;
    m_form.form.ConventionalSwitch();
}

std::string MemoryHarness::Clipboard() {
    return m_form.window.copied.empty() ? std::string() : m_form.window.copied.back();
}

std::vector<std::string> MemoryHarness::TakeMessages() {
    return std::exchange(m_form.window.messages, {});
}

// The scenario suite of the native test program runs here.
std::unique_ptr<FormHarness> MakeHarness() { return std::make_unique<MemoryHarness>(); }

}  // namespace quill::test
