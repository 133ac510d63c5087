#include "app/settings.h"

#include <string>

#include "app/numeric_text.h"
#include "app/program.h"
#include "app/settings_file.h"

std::int32_t storedTop = 0;
std::int32_t storedLeft = 0;
std::int16_t sizeIndex = 0;
std::int16_t colorIndex = 0;
std::int16_t translucencyIndex = 0;
std::int16_t glyphIndex = 0;
bool markerShown = false;

namespace {

const std::wstring kDesign = L"Window Design";
const std::wstring kConfig = L"Config";

}  // namespace

void LoadSettings() {
    SettingsFile ini;
    ini.Bind(settingsPath, false);
    // Positions may lie far outside the 16-bit range on a wide desktop.
    storedTop = WholeNumber32(ini.Read(kDesign, L"Top"), 1000);
    storedLeft = WholeNumber32(ini.Read(kDesign, L"Left"), 1000);
    sizeIndex = ini.ReadNumber(kDesign, L"Pointer Size", 16);
    colorIndex = ini.ReadNumber(kDesign, L"Pointer Color", 6);
    translucencyIndex = ini.ReadNumber(kDesign, L"Translucence", 5);
    glyphIndex = ini.ReadNumber(kDesign, L"Pointer Type", 1);
    markerShown = ini.Read(kConfig, L"Disp Pointer") == L"True";
}

void SaveSettings() {
    SettingsFile ini;
    ini.Bind(settingsPath, false);
    ini.Write(kDesign, L"Top", std::to_wstring(storedTop));
    ini.Write(kDesign, L"Left", std::to_wstring(storedLeft));
    ini.Write(kDesign, L"Pointer Size", std::to_wstring(sizeIndex));
    ini.Write(kDesign, L"Pointer Color", std::to_wstring(colorIndex));
    ini.Write(kDesign, L"Translucence", std::to_wstring(translucencyIndex));
    ini.Write(kDesign, L"Pointer Type", std::to_wstring(glyphIndex));
    ini.Write(kConfig, L"Disp Pointer", markerShown ? L"True" : L"False");
}
