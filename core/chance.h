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

// The Windows program's source: the runtime's rand, never seeded, and the local clock.
class RuntimeChance final : public Chance {
public:
    int Rand() override;
    int ClockSecond() override;
};

// The Windows C runtime's rand, by its published formula: the same values on
// every platform. Never seeded, as srand(1) leaves it, it begins 41, 18467, 6334.
class WindowsRand {
public:
    // As srand(seed) sets it.
    explicit WindowsRand(unsigned seed = 1) : m_state(seed) {}

    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7fff);
    }

private:
    unsigned m_state;
};

// The source of an edition that runs where the Windows runtime does not: its
// sequence and the local clock, so that the n-th Auto Generate at a given
// second gives the same sentence as the Windows program's.
class PortableChance final : public Chance {
public:
    int Rand() override { return m_rand.Next(); }
    int ClockSecond() override;

private:
    WindowsRand m_rand;
};

}  // namespace quill
