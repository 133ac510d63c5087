// The marker window's life: loading applies the stored settings, unloading
// stores the position, saves the settings and gives the real cursor back.
#include "pointer/marker_window.h"

#include <cmath>

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

MarkerWindow::MarkerWindow(Settings& settings, std::wstring settingsPath)
    : Form(MarkerDesign()), settings_(settings), settingsPath_(std::move(settingsPath)), glyphLabel_(kGlyphFont) {
    BindMenuCommands();
    AddTimer(10, [this] { OnTick(); });
    AddPictureBox(trayOwner_);
    trayOwner_.MouseMove = [this](std::int16_t, std::int16_t, float x, float) { OnTrayCallback(x); };
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
    bind(menu_.glyphs, &MarkerWindow::ChooseGlyph);
    bind(menu_.sizes, &MarkerWindow::ChooseSize);
    bind(menu_.colors, &MarkerWindow::ChooseColor);
    bind(menu_.translucencies, &MarkerWindow::ChooseTranslucency);
    menu_.showHide->click = [this] { ToggleShown(); };
    menu_.quit->click = [this] { Quit(); };
}

CursorProbe& MarkerWindow::Cursor() {
    if (!cursor_) cursor_ = std::make_unique<CursorProbe>();
    return *cursor_;
}

void MarkerWindow::OnLoad() {
    menuOpen_ = false;
    reshapeHeld_ = true;
    SetTop(static_cast<float>(settings_.top));
    SetLeft(static_cast<float>(settings_.left));
    // The settings' own fields: a correction a command makes is what gets saved.
    ChooseGlyph(settings_.glyphIndex);
    ChooseColor(settings_.colorIndex);
    ChooseSize(settings_.sizeIndex);
    ChooseTranslucency(settings_.translucencyIndex);
    const std::shared_ptr<TrayIcon> tray = Tray();
    tray->SetTip(L"Trailglint");
    tray->SetOwner(trayOwner_.Handle());
    tray->SetIcon(Icon());
    tray->Add();
    reshapeHeld_ = false;
    CentreOnCursor();
    Reshape();
    MakeTopmost();
}

void MarkerWindow::OnQueryUnload(std::int16_t&, std::int16_t) {
    Tray()->Delete();
    trayIcon_.reset();
}

void MarkerWindow::OnUnload(std::int16_t&) {
    settings_.top = static_cast<std::int32_t>(std::nearbyint(Top()));
    settings_.left = static_cast<std::int32_t>(std::nearbyint(Left()));
    SaveSettings(settings_, settingsPath_);
    Cursor().Show();
    cursor_.reset();
}
