// Process entry: run Main, then the message loop for as long as a form is loaded.
#include "platform/app.h"
#include "platform/form.h"
#include "platform/win32/windows_headers.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Main();
    if (platform::Form::LoadedCount() == 0) return 0;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
