// The program's own randomness and clock. CTest runs this suite in a process of
// its own, so no draw can have come before the first one here.
#include <chrono>
#include <cstdlib>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "chance.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quill {
namespace {

TEST(RuntimeChance, TheGeneratorIsNeverSeeded) {
    RuntimeChance chance;
    int first[8] = {};
    for (int& value : first) value = chance.Rand();
    // Unseeded, the C runtime's generator runs as if seeded with 1.
    std::srand(1);
    for (int value : first) EXPECT_EQ(value, std::rand());
#ifdef _WIN32
    // The Windows C runtime's well-known unseeded start.
    EXPECT_EQ(first[0], 41);
    EXPECT_EQ(first[1], 18467);
    EXPECT_EQ(first[2], 6334);
#endif
}

// The Windows runtime's sequence, the same everywhere: the web edition's draws.
TEST(WindowsRand, IsTheWindowsRuntimesSequence) {
    WindowsRand rand;
    EXPECT_EQ(rand.Next(), 41);
    EXPECT_EQ(rand.Next(), 18467);
    EXPECT_EQ(rand.Next(), 6334);
#ifdef _WIN32
    // And seeded as srand seeds it.
    for (unsigned seed : {1u, 20261209u}) {
        std::srand(seed);
        WindowsRand same(seed);
        int differ = 0;
        for (int i = 0; i < 100000; ++i) differ += same.Next() != std::rand();
        EXPECT_EQ(differ, 0) << "seed " << seed;
    }
#endif
}

// The milliseconds into the minute now, from another source than the
// program's: the system's local time on Windows; elsewhere the clock's own
// count, whose seconds every time zone shares (none is offset by part of a
// minute).
int MillisecondNow() {
#ifdef _WIN32
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wSecond * 1000 + now.wMilliseconds;
#else
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count() % 60000);
#endif
}

TEST(RuntimeChance, TheClockIsTheSecondsFieldOfLocalTime) {
    RuntimeChance chance;
    // Agreement at two different seconds, so that no other field of the time
    // (the minutes, say) can agree by chance; a second passes within 1.1 s.
    // Not in a second's first 20 ms, which a coarser clock may not have reached.
    std::set<int> agreed;
    for (int tries = 0; agreed.size() < 2 && tries < 110; ++tries) {
        const int before = MillisecondNow();
        const int clock = chance.ClockSecond();
        if (MillisecondNow() / 1000 == before / 1000 && before % 1000 >= 20) {
            EXPECT_EQ(clock, before / 1000);
            agreed.insert(clock);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(agreed.size(), 2u);
}

}  // namespace
}  // namespace quill
