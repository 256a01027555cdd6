// What the form logic needs of the window it runs in. The Win32 shell implements
// this on real controls; the tests implement it in memory.
#pragma once

#include <string>
#include <vector>

#include "vocabulary.h"

namespace quill {

// The user-facing way of reporting a problem: a modal box with one OK button,
// owned by the main window and captioned with the application's name.
class MessageSink {
public:
    virtual void ShowMessage(const std::string& text) = 0;

protected:
    ~MessageSink() = default;
};

// One sorted drop-down list. None of these raises a selection-change notification.
class ListControl {
public:
    // Replaces every entry with these texts, each at its sorted place; equal
    // texts are all kept. Leaves no selection.
    virtual void Fill(const std::vector<std::string>& texts) = 0;
    // A position with no entry, or -1, leaves the list with no selection.
    virtual void SelectPosition(int position) = 0;
    // The empty text for a position with no entry.
    virtual std::string TextAt(int position) const = 0;

protected:
    ~ListControl() = default;
};

// The main window as the form logic sees it. Read and write run every binding
// between the window's controls and its MainFormState at once.
class FormWindow : public MessageSink {
public:
    virtual void ReadFromWindow() = 0;
    virtual void WriteToWindow() = 0;
    virtual ListControl& List(Category category) = 0;

protected:
    ~FormWindow() = default;
};

// Randomness and the clock, injectable so every draw can be scripted in tests.
class Chance {
public:
    // One value of the C runtime's generator, 0 to RAND_MAX.
    virtual int Rand() = 0;
    // The seconds field of the current local time, read anew at each call.
    virtual int ClockSecond() = 0;

protected:
    ~Chance() = default;
};

// The production source: the runtime's rand (never seeded) and the local clock.
class RuntimeChance final : public Chance {
public:
    int Rand() override;
    int ClockSecond() override;
};

}  // namespace quill
