#include "expected.h"

#include "vocabulary.h"

namespace quill::test {

std::string ScreenProblem(const Screen& screen) {
    // Per list: -1 full, else the one polarity its words have.
    int polarity[3] = {};
    for (Category category : kCategories) {
        const int i = static_cast<int>(category);
        const std::vector<std::string>& entries = screen.lists[i];
        if (entries.empty() || !entries.front().empty()) return "a list lacks its leading blank entry";
        std::size_t seen[2] = {0, 0};
        for (std::size_t e = 1; e < entries.size(); ++e) ++seen[static_cast<int>(ClassifyPolarity(entries[e]))];
        const std::size_t all[2] = {Words(category, Polarity::Negative).count, Words(category, Polarity::Positive).count};
        if (seen[0] == all[0] && seen[1] == all[1]) {
            polarity[i] = -1;
        } else if ((seen[0] == all[0] && seen[1] == 0) || (seen[0] == 0 && seen[1] == all[1])) {
            polarity[i] = seen[0] ? 0 : 1;
        } else {
            return "list " + std::to_string(i) + " is neither full nor one polarity";
        }
    }
    if ((polarity[0] == -1) != (polarity[1] == -1) || (polarity[0] == -1) != (polarity[2] == -1)) {
        return "some lists narrowed and others full";
    }
    if (polarity[0] != -1) {
        if (polarity[0] != polarity[2]) return "the concept and object lists disagree";
        if ((polarity[1] == polarity[0]) != screen.conventional) return "the action list ignores the Conventional box";
    }
    if (!screen.output.empty() && screen.output.back() != '.') return "the output line is no sentence: " + screen.output;
    return std::string();
}

}  // namespace quill::test
