#pragma once
// The marker: a borderless, topmost window cut to the outline of one glyph
// and centred on the cursor every 10 ms, with its tray icon and popup menu.
#include <windows.h>

#include <functional>
#include <utility>

#include "app/settings.h"
#include "platform/unique_handle.h"
#include "pointer/topmost_rule.h"
#include "probe/cursor_probe.h"
#include "tray/tray_icon.h"

class MarkerWindow {
public:
    // Creates the window with the look the settings give (their indexes
    // checked where they were loaded), adds the tray icon, centres the window
    // on the cursor, shapes it, shows it if the settings say so and makes it
    // topmost. Raises when Windows refuses the window. saveSettings is called
    // once, when the window unloads, with the settings as they stand then.
    MarkerWindow(Settings& settings, std::function<void()> saveSettings);
    // Removes the tray icon and destroys the window as it is, saving nothing
    // (a failed start).
    ~MarkerWindow();
    MarkerWindow(const MarkerWindow&) = delete;
    MarkerWindow& operator=(const MarkerWindow&) = delete;

    HWND Handle() const { return window_.get(); }

    // The appearance commands, each with its submenu's index: the settings
    // keep it, the window takes it on and is reshaped. An index with no item
    // does nothing.
    void ChooseGlyph(int index);
    void ChooseSize(int index);
    void ChooseColor(int index);
    void ChooseTranslucency(int index);

    // Pops up the menu at the cursor and runs the chosen command once it has
    // closed; then re-applies the glyph, or ends what was asked to end while
    // the menu was up. A request while the menu is up is ignored.
    void OpenMenu();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Every 10 ms: follow the cursor; F9 opens the menu while the marker is
    // shown, F12 shows a hidden marker.
    void OnTick();
    void CentreOnCursor();
    // While the marker is shown, every mouse report reaches it, also with the
    // pointer over another window (a ring's hole): it follows at input rate.
    void FollowMouseInput(bool follow);
    void OnTrayCallback(LPARAM callback);
    // Moved to a monitor of another resolution: the glyph keeps its size in
    // points, drawn at the new one.
    void OnDpiChanged(UINT dpi);
    void HideByClick();
    void ToggleShown();
    void MakeTopmost();
    // Back above a window that came over the marker since, never activated.
    void KeepOnTop();
    // Sizes the window to the glyph, cuts it to the glyph's outline and shows
    // it exactly when the marker is to be shown.
    void Reshape();

    // The popup menu as the settings stand; the chosen command id or 0.
    unsigned TrackMenu();
    void RunCommand(unsigned id);

    // A close request or the quit command: waits for the menu to close.
    void Close();
    // The session is ending: Windows may end the process once this returns.
    void EndSession();
    // Once, whatever asked: the real cursor shown, position and settings
    // saved, then the tray icon removed.
    void Unload();

    Settings& settings_;
    const std::function<void()> saveSettings_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;  // of the monitor the marker is on
    UINT fontDpi_ = 0;                    // the font's
    UINT taskbarCreated_ = 0;
    UniqueCursor invisibleCursor_;
    UniqueFont font_;
    UniqueBrush background_;
    // Destroyed in reverse: the tray icon goes while its window still exists.
    UniqueWindow window_;
    HDC dc_ = nullptr;  // the window's own (CS_OWNDC), the font selected
    UniqueWindow menuOwner_;
    UniqueIcon trayIcon_;  // outlives the tray icon that shows it
    TrayIcon tray_;
    CursorProbe cursor_;
    RECT bounds_{};  // where the window is; only this class moves it
    TopmostRule topmostRule_;
    // A key is pressed when it is down now and was up at the last look.
    struct KeyLook {
        bool down = false;
        bool Pressed(bool downNow) { return !std::exchange(down, downNow) && downNow; }
    };
    KeyLook f9_, f12_;

    bool reshapeHeld_ = true;  // while the stored look is applied
    UINT pressed_ = 0;         // the button-down message of a press on the marker
    bool followingInput_ = false;
    bool menuOpen_ = false;
    bool closeAfterMenu_ = false;
    bool unloaded_ = false;
};
