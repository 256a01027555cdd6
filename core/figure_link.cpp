#include "figure_link.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "vocabulary.h"

namespace quill {
namespace {

const char* const kKeys[] = {"concept", "action", "object", "figure"};
const char* const kFigures[] = {"metaphor", "simile"};

bool Unreserved(unsigned char c) { return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~'; }

std::string Encode(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : text) {
        if (Unreserved(c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Decode(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (text.size() - i < 3) return std::nullopt;
        const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

}  // namespace

std::string LinkText(const SentenceParts& parts) {
    std::string text;
    for (int i = 0; i < 3; ++i) text += std::string(kKeys[i]) + '=' + Encode(parts.words[i]) + '&';
    return text + kKeys[3] + '=' + kFigures[parts.figure == Figure::Simile ? 1 : 0];
}

bool UserCanMake(const SentenceParts& parts) {
    const bool words = std::all_of(std::begin(kCategories), std::end(kCategories),
                                   [&parts](Category category) { return InCategory(category, parts.Word(category)); });
    return words && IsOneOfTwo(parts.figure) && CanMeet(parts.Word(Category::Concept), parts.Word(Category::Object));
}

std::optional<SentenceParts> ParseLink(std::string_view text) {
    if (text.empty() || text.size() > kMaxLinkLength) return std::nullopt;
    std::optional<std::string> values[4];
    for (std::size_t start = 0, end = 0; end != std::string_view::npos; start = end + 1) {
        end = text.find('&', start);
        const std::string_view pair = text.substr(start, end == std::string_view::npos ? end : end - start);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const auto key = std::find(std::begin(kKeys), std::end(kKeys), pair.substr(0, equals));
        if (key == std::end(kKeys)) return std::nullopt;
        std::optional<std::string>& value = values[key - std::begin(kKeys)];
        if (value) return std::nullopt;  // a key given twice
        value = Decode(pair.substr(equals + 1));
        if (!value) return std::nullopt;
    }
    SentenceParts parts;
    for (int i = 0; i < 3; ++i) {
        if (!values[i]) return std::nullopt;
        parts.words[static_cast<std::size_t>(i)] = *values[i];
    }
    if (values[3] == kFigures[1]) {
        parts.figure = Figure::Simile;
    } else if (values[3] != kFigures[0]) {
        return std::nullopt;
    }
    if (!UserCanMake(parts)) return std::nullopt;
    return parts;
}

}  // namespace quill
