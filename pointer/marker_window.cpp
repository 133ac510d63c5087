// The marker window's life: loading applies the stored settings, unloading
// stores the position, saves the settings and gives the real cursor back.
#include "pointer/marker_window.h"

#include <cmath>

#include "app/settings.h"
#include "platform/win.h"

namespace {

// The program icon in the resource script.
constexpr int kProgramIcon = 1;

const platform::FontSpec kGlyphFont{L"ＭＳ ゴシック", 128 /* Shift-JIS */, 700 /* bold */, 72.0f};

constexpr std::uint32_t SWP_NOSIZE = 0x1;
constexpr std::uint32_t SWP_NOMOVE = 0x2;
constexpr std::uint32_t SWP_NOACTIVATE = 0x10;

platform::FormDesign MarkerDesign() {
    platform::FormDesign design;
    design.windowClass = L"TrailglintMarker";
    design.caption = L"Trailglint";
    design.iconResource = kProgramIcon;
    design.font = kGlyphFont;
    design.backColor = 0x0000FF;
    design.noTaskbarButton = true;
    design.transparentCursor = true;
    return design;
}

}  // namespace

std::array<std::int32_t, 7> kColorTable{};

MarkerWindow markerWindow;

MarkerWindow::MarkerWindow() : Form(MarkerDesign()), glyphLabel(kGlyphFont) {
    BindMenuCommands();
    AddTimer(10, [this] { OnTick(); });  // the 10 ms timer
    AddPictureBox(trayOwner);
    trayOwner.MouseMove = [this](std::int16_t button, std::int16_t shift, float x, float y) {
        OnTrayCallback(button, shift, x, y);
    };
}

// Topmost without moving, sizing or activating it.
void MarkerWindow::MakeTopmost() {
    win::SetWindowPos(Handle(), reinterpret_cast<void*>(static_cast<std::intptr_t>(-1)), 0, 0, 0, 0,
                      SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void MarkerWindow::BindMenuCommands() {
    const auto bind = [this](const platform::MenuArray& array, void (MarkerWindow::*command)(std::int16_t&)) {
        for (platform::MenuItem* item : array.Items()) {
            item->click = [this, command, index = item->index] {
                std::int16_t chosen = index;
                (this->*command)(chosen);
            };
        }
    };
    bind(menu.glyphs, &MarkerWindow::ChooseGlyph);
    bind(menu.sizes, &MarkerWindow::ChooseSize);
    bind(menu.colors, &MarkerWindow::ChooseColor);
    bind(menu.translucencies, &MarkerWindow::ChooseTranslucency);
    menu.showHide->click = [this] { ToggleShown(); };
    menu.quit->click = [this] { Quit(); };
}

CursorProbe& MarkerWindow::Cursor() {
    if (!cursor_) cursor_ = std::make_unique<CursorProbe>();
    return *cursor_;
}

void MarkerWindow::OnLoad() {
    menuOpen = false;
    reshapeHeld = true;
    kColorTable = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};
    SetTop(static_cast<float>(storedTop));
    SetLeft(static_cast<float>(storedLeft));
    // The record's own fields: a correction a command makes stays in the record.
    ChooseGlyph(glyphIndex);
    ChooseColor(colorIndex);
    ChooseSize(sizeIndex);
    ChooseTranslucency(translucencyIndex);
    const std::shared_ptr<TrayIcon> tray = Tray();
    tray->SetTip(L"Trailglint");
    tray->SetOwner(trayOwner.Handle());
    tray->SetIcon(Icon());
    tray->Add();
    reshapeHeld = false;
    CentreOnCursor();
    Reshape();
    MakeTopmost();
}

void MarkerWindow::OnQueryUnload(std::int16_t&, std::int16_t) {
    Tray()->Delete();
    trayIcon_.reset();
}

void MarkerWindow::OnUnload(std::int16_t&) {
    storedTop = static_cast<std::int32_t>(std::nearbyint(Top()));
    storedLeft = static_cast<std::int32_t>(std::nearbyint(Left()));
    SaveSettings();
    Cursor().Show();
    cursor_.reset();
}
