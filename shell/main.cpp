#include "quillmere_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    quill::win::CQuillmereApp application;
    application.InitInstance();
    return 0;
}
