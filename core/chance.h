// Randomness and the clock, injectable so that every draw can be scripted in tests.
#pragma once

namespace quill {

class Chance {
public:
    // One value of the C runtime's generator, 0 to RAND_MAX.
    virtual int Rand() = 0;
    // The seconds field of the current local time, read anew at each call.
    virtual int ClockSecond() = 0;

protected:
    ~Chance() = default;
};

// The program's own source: the runtime's rand, never seeded, and the local clock.
class RuntimeChance final : public Chance {
public:
    int Rand() override;
    int ClockSecond() override;
};

}  // namespace quill
