// The baselines for Quillmere's benchmarks: dialog programs with no program in
// them, one template run by the system's own modal dialog. Built twice: with
// Quillmere's resources, showing its main window (the platform's own cost of
// that window), and with the smallest template (the floor for any dialog).
#include <windows.h>

#ifdef QUILL_MAIN_WINDOW
#include "resource.h"
#define MINIMAL_TEMPLATE IDD_QUILLMERE_DIALOG
#else
#define MINIMAL_TEMPLATE 1
#endif

namespace {

INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(MINIMAL_TEMPLATE), nullptr, MinimalProc, 0);
    return 0;
}
