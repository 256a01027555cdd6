// Quillmere's performance figures, each as a ratio to a baseline measured in the
// same run: start-up against a minimal dialog program, a narrowing pick and an
// Auto Generate against a plain round-trip message, size and memory against the
// minimal program. Prints figures; passes or fails nothing.
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

    // Start-up, alternating the two programs so that both see the same machine.
    std::vector<double> quill, minimal, minimalV6;
    SIZE_T quillMemory = 0, minimalMemory = 0, minimalV6Memory = 0;
    StartUp(L"Quillmere.exe", L"Quillmere", nullptr);  // warm the disk cache and Wine
    StartUp(L"minimal_dialog.exe", L"Minimal", nullptr);
    StartUp(L"minimal_dialog_v6.exe", L"Minimal", nullptr);
    for (int i = 0; i < runs; ++i) {
        quill.push_back(StartUp(L"Quillmere.exe", L"Quillmere", &quillMemory));
        minimal.push_back(StartUp(L"minimal_dialog.exe", L"Minimal", &minimalMemory));
        minimalV6.push_back(StartUp(L"minimal_dialog_v6.exe", L"Minimal", &minimalV6Memory));
    }

    // One pick that narrows the lists, and one Auto Generate, against WM_NULL.
    std::vector<double> pick, autoGenerate, baseline;
    {
        Program program;
        HWND main = program.Main();
        HWND concept = program.Item(IDC_CONCEPT);
        for (int i = 0; i < runs * 20; ++i) {
            SendMessageW(program.Item(IDC_RESET), BM_CLICK, 0, 0);
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

    const double quillUp = Median(quill), minimalUp = Median(minimal);
    const double roundTrip = Median(baseline);
    const auto quillSize = FileSize(L"Quillmere.exe"), minimalSize = FileSize(L"minimal_dialog.exe");
    std::printf("start-up until the window answers: %.1f ms, minimal dialog %.1f ms: ratio %.2f (goal <= 1.25)\n",
                quillUp * 1e3, minimalUp * 1e3, quillUp / minimalUp);
    std::printf("  against the minimal dialog with the same manifest: %.1f ms: ratio %.2f\n",
                Median(minimalV6) * 1e3, quillUp / Median(minimalV6));
    std::printf("narrowing pick: %.3f ms, plain round-trip message %.3f ms: ratio %.1f\n", Median(pick) * 1e3,
                roundTrip * 1e3, Median(pick) / roundTrip);
    std::printf("Auto Generate: %.3f ms, plain round-trip message %.3f ms: ratio %.1f\n", Median(autoGenerate) * 1e3,
                roundTrip * 1e3, Median(autoGenerate) / roundTrip);
    std::printf("exe size: %ju KiB, minimal dialog %ju KiB: ratio %.2f\n", quillSize / 1024, minimalSize / 1024,
                static_cast<double>(quillSize) / static_cast<double>(minimalSize));
    std::printf("private memory after start-up: %zu KiB, minimal dialog %zu KiB: ratio %.2f\n",
                static_cast<std::size_t>(quillMemory / 1024), static_cast<std::size_t>(minimalMemory / 1024),
                minimalMemory ? static_cast<double>(quillMemory) / static_cast<double>(minimalMemory) : 0.0);
    std::printf("  against the minimal dialog with the same manifest: %zu KiB: ratio %.2f\n",
                static_cast<std::size_t>(minimalV6Memory / 1024),
                minimalV6Memory ? static_cast<double>(quillMemory) / static_cast<double>(minimalV6Memory) : 0.0);
    std::printf("(medians of %d start-ups each and %d of each message)\n", runs, runs * 20);
    return 0;
}
