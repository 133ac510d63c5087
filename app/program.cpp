#include "app/program.h"

#include <windows.h>

#include <exception>

#include "app/app_info.h"
#include "app/settings_file.h"
#include "pointer/marker_window.h"
#include "probe/cursor_probe.h"

Program::Program() = default;
Program::~Program() = default;

int Program::Run() {
    title_ = ProgramTitle(L"Trailglint", L"Ember");
    settingsPath_ = ProgramFolder() + L"Trailglint.ini";
    if (AnotherCopyRuns()) {
        ShowError(L"二重起動はできません", title_);
        return 0;
    }
    try {
        const std::optional<Settings> stored = LoadSettings(settingsPath_);
        if (!stored) return FailedStart();
        settings_ = *stored;
        marker_ = std::make_unique<MarkerWindow>(settings_, [this] { SaveSettings(settings_, settingsPath_); });
    } catch (const std::exception&) {
        return FailedStart();
    }
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool Program::AnotherCopyRuns() {
    // Held until the process ends. The name lives in the session's namespace.
    oneCopy_.reset(::CreateMutexW(nullptr, FALSE, L"Local\\Trailglint.SingleInstance"));
    const DWORD error = ::GetLastError();
    return oneCopy_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

int Program::FailedStart() {
    marker_.reset();  // no timer, key, menu or tray icon, and nothing that saves
    CursorProbe().Show();
    ShowError(L"予測不能のエラーが発生しました", title_);
    return 1;
}
