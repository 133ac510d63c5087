#pragma once
// The marker window: a borderless, topmost window cut to the outline of one
// glyph and centred on the cursor.
#include <cstdint>
#include <memory>
#include <string>

#include "app/settings.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "probe/cursor_probe.h"
#include "tray/marker_menu.h"
#include "tray/tray_icon.h"

class MarkerWindow final : public platform::Form {
public:
    // Works on the program's settings and saves them to `settingsPath` when
    // the window is unloaded.
    MarkerWindow(Settings& settings, std::wstring settingsPath);
    // The window goes first, while everything its messages may reach is alive.
    ~MarkerWindow() override { Discard(); }

    // --- appearance commands: the menu's index, corrected in place where needed
    void ChooseGlyph(std::int16_t& index);
    void ChooseSize(std::int16_t& index);
    void ChooseColor(std::int16_t& index);
    void ChooseTranslucency(std::int16_t& index);

private:
    void OnLoad() override;
    void OnQueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void OnUnload(std::int16_t& cancel) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnTrayRebuilt() override;

    // Sizes the window to the glyph, cuts it to the glyph's outline and shows
    // it exactly when the marker is to be shown.
    void Reshape();
    // Centres the window on the cursor (not while the popup menu is up).
    void CentreOnCursor();
    // Every 10 ms: follow the cursor; F9 opens the menu while the marker is
    // shown, F12 shows a hidden marker.
    void OnTick();
    // Pops up the menu at the cursor; afterwards re-applies the glyph unless
    // quitting has begun.
    void OpenMenu();
    void MakeTopmost();
    void BindMenuCommands();

    // --- the tray icon and the menu's own commands
    // The icon's callbacks: the mouse-message code arrives as x, in twips.
    void OnTrayCallback(float x);
    void ToggleShown();
    void Quit();
    // Created on first use; shared so that a running tray handler keeps it
    // alive while the window unloads underneath it.
    std::shared_ptr<TrayIcon> Tray();
    CursorProbe& Cursor();

    Settings& settings_;
    const std::wstring settingsPath_;
    // The current glyph, one of the glyph menu's captions.
    std::wstring glyphText_;
    // True while the popup menu is up: the marker stays where it is.
    bool menuOpen_ = false;
    // True while loading and once quitting has begun: no reshaping.
    bool reshapeHeld_ = true;
    // Measures the glyph: its size is the window's size.
    platform::Label glyphLabel_;
    // Never seen: owns the tray icon and receives its callbacks.
    platform::PictureBox trayOwner_;
    MarkerMenu menu_ = BuildMarkerMenu();
    std::unique_ptr<CursorProbe> cursor_;
    std::shared_ptr<TrayIcon> trayIcon_;
};
