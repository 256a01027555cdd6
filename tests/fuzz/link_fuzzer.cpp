// The link reader, the one place where input from outside (the web page's
// address) enters the engine, under libFuzzer. Every input goes through the
// reader; one it accepts is opened on a fresh form, which must then stand
// exactly as a user leaves it who picks the link's words and presses
// Generate, and offer the same link back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "figure_link.h"
#include "memory_harness.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    const std::optional<SentenceParts> parts = ParseLink(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parts) return 0;
    test::MemoryHarness linked, byHand;
    Require(linked.Memory().form.OpenLink(*parts));
    byHand.MakeByHand(*parts);
    Require(linked.Everything() == byHand.Everything() && linked.TakeMessages() == byHand.TakeMessages());
    const std::optional<SentenceParts>& shown = linked.Memory().form.ShownSentence();
    Require(shown && LinkText(*shown) == LinkText(*parts));
    return 0;
}
