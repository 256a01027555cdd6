#include "chance.h"

#include <cstdlib>
#include <ctime>

namespace quill {
namespace {

int LocalClockSecond() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? local->tm_sec : 0;
}

}  // namespace

// Deliberately never seeded: every run of the program draws the same sequence.
int RuntimeChance::Rand() { return std::rand(); }

int RuntimeChance::ClockSecond() { return LocalClockSecond(); }

int PortableChance::ClockSecond() { return LocalClockSecond(); }

}  // namespace quill
