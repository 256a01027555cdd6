// Quillmere's performance figures, each as a ratio to a baseline measured in the
// same run: start-up against minimal dialog programs, a narrowing pick and an
// Auto Generate against a plain round-trip message, Auto Generate against Reset,
// size and memory against the baseline programs. Prints figures; passes or
// fails nothing.
// Usage: bench_driver [--runs N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_driver.h"
#include "resource.h"

namespace quill::test {
namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// From CreateProcess until the main window is up and answers a message.
double StartUp(const std::wstring& exe, const std::wstring& title, SIZE_T* memory) {
    const double start = Now();
    Program program(exe, title);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(program.Main(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    const double up = Now() - start;
    if (!program.Main()) std::printf("warning: %ls did not open its window\n", exe.c_str());
    if (memory) *memory = program.PrivateBytes();
    PostMessageW(program.Main(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    program.EndsCleanly();
    return up;
}

double RoundTrip(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const double start = Now();
    SendMessageW(window, message, wParam, lParam);
    return Now() - start;
}

std::uintmax_t FileSize(const std::wstring& name) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW((ProgramDirectory() + name).c_str(), GetFileExInfoStandard, &data);
    return (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace
}  // namespace quill::test

int main(int argc, char** argv) {
    using namespace quill::test;
    int runs = 15;
    if (argc == 3 && std::string(argv[1]) == "--runs") runs = std::max(3, std::atoi(argv[2]));

    // Start-up, taking the programs in turn so that all see the same machine.
    struct Subject {
        const wchar_t* exe;
        const wchar_t* title;
        std::vector<double> times;
        SIZE_T memory;
    };
    Subject subjects[] = {{L"Quillmere.exe", L"Quillmere", {}, 0},
                          {L"minimal_dialog.exe", L"Quillmere", {}, 0},
                          {L"smallest_dialog.exe", L"Smallest", {}, 0}};
    for (Subject& subject : subjects) StartUp(subject.exe, subject.title, nullptr);  // warm the cache and Wine
    for (int i = 0; i < runs; ++i) {
        for (Subject& subject : subjects) subject.times.push_back(StartUp(subject.exe, subject.title, &subject.memory));
    }
    const Subject& quill = subjects[0];
    const Subject& minimal = subjects[1];
    const Subject& smallest = subjects[2];

    // One pick that narrows the lists, and one Auto Generate, against WM_NULL.
    // Reset refills every list in full, which is what Auto Generate must not cost more than.
    std::vector<double> pick, autoGenerate, reset, baseline;
    {
        Program program;
        HWND main = program.Main();
        HWND concept = program.Item(IDC_CONCEPT);
        for (int i = 0; i < runs * 20; ++i) {
            reset.push_back(RoundTrip(main, WM_COMMAND, MAKEWPARAM(IDC_RESET, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(program.Item(IDC_RESET))));
            SendMessageW(concept, CB_SETCURSEL, static_cast<WPARAM>(1 + i % 65), 0);
            pick.push_back(RoundTrip(main, WM_COMMAND, MAKEWPARAM(IDC_CONCEPT, CBN_SELCHANGE),
                                     reinterpret_cast<LPARAM>(concept)));
            autoGenerate.push_back(RoundTrip(main, WM_COMMAND, MAKEWPARAM(IDC_AUTO_GENERATE, BN_CLICKED),
                                             reinterpret_cast<LPARAM>(program.Item(IDC_AUTO_GENERATE))));
            baseline.push_back(RoundTrip(main, WM_NULL, 0, 0));
        }
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        program.EndsCleanly();
    }

    const double quillUp = Median(quill.times), minimalUp = Median(minimal.times);
    const double smallestUp = Median(smallest.times);
    const double roundTrip = Median(baseline);
    std::printf("start-up until the window answers: %.1f ms; minimal dialog (Quillmere's window, no program) %.1f ms: "
                "ratio %.2f (goal <= 1.25)\n",
                quillUp * 1e3, minimalUp * 1e3, quillUp / minimalUp);
    std::printf("  smallest dialog (two controls, no manifest) %.1f ms: ratio %.2f\n", smallestUp * 1e3,
                quillUp / smallestUp);
    std::printf("narrowing pick: %.3f ms; plain round-trip message %.3f ms: ratio %.1f\n", Median(pick) * 1e3,
                roundTrip * 1e3, Median(pick) / roundTrip);
    std::printf("Auto Generate: %.3f ms; plain round-trip message %.3f ms: ratio %.1f\n", Median(autoGenerate) * 1e3,
                roundTrip * 1e3, Median(autoGenerate) / roundTrip);
    std::printf("Auto Generate: %.3f ms; Reset (every list refilled in full) %.3f ms: ratio %.2f (goal <= 1.0)\n",
                Median(autoGenerate) * 1e3, Median(reset) * 1e3, Median(autoGenerate) / Median(reset));

    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const auto quillSize = FileSize(quill.exe), minimalSize = FileSize(minimal.exe);
    const auto smallestSize = FileSize(smallest.exe);
    std::printf("exe size: %ju KiB; minimal dialog %ju KiB: ratio %.2f; smallest dialog %ju KiB: ratio %.2f\n",
                quillSize / 1024, minimalSize / 1024, ratio(static_cast<double>(quillSize), static_cast<double>(minimalSize)),
                smallestSize / 1024, ratio(static_cast<double>(quillSize), static_cast<double>(smallestSize)));
    std::printf("private memory after start-up: %zu KiB; minimal dialog %zu KiB: ratio %.2f; "
                "smallest dialog %zu KiB: ratio %.2f\n",
                static_cast<std::size_t>(quill.memory / 1024), static_cast<std::size_t>(minimal.memory / 1024),
                ratio(static_cast<double>(quill.memory), static_cast<double>(minimal.memory)),
                static_cast<std::size_t>(smallest.memory / 1024),
                ratio(static_cast<double>(quill.memory), static_cast<double>(smallest.memory)));
    std::printf("(medians of %d start-ups each and %d of each message)\n", runs, runs * 20);
    return 0;
}
