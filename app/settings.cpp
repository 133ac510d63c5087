#include "app/settings.h"

#include "app/numeric_text.h"
#include "app/settings_file.h"

namespace {

const std::wstring kDesign = L"Window Design";
const std::wstring kConfig = L"Config";

}  // namespace

Settings LoadSettings(const std::wstring& path) {
    SettingsFile file;
    file.Bind(path, false);
    Settings settings;
    // Positions may lie far outside the 16-bit range on a wide desktop.
    settings.top = WholeNumber32(file.Read(kDesign, L"Top"), 1000);
    settings.left = WholeNumber32(file.Read(kDesign, L"Left"), 1000);
    settings.sizeIndex = file.ReadNumber(kDesign, L"Pointer Size", 16);
    settings.colorIndex = file.ReadNumber(kDesign, L"Pointer Color", 6);
    settings.translucencyIndex = file.ReadNumber(kDesign, L"Translucence", 5);
    settings.glyphIndex = file.ReadNumber(kDesign, L"Pointer Type", 1);
    settings.shown = file.Read(kConfig, L"Disp Pointer") == L"True";
    return settings;
}

void SaveSettings(const Settings& settings, const std::wstring& path) {
    SettingsFile file;
    file.Bind(path, false);
    file.Write(kDesign, L"Top", std::to_wstring(settings.top));
    file.Write(kDesign, L"Left", std::to_wstring(settings.left));
    file.Write(kDesign, L"Pointer Size", std::to_wstring(settings.sizeIndex));
    file.Write(kDesign, L"Pointer Color", std::to_wstring(settings.colorIndex));
    file.Write(kDesign, L"Translucence", std::to_wstring(settings.translucencyIndex));
    file.Write(kDesign, L"Pointer Type", std::to_wstring(settings.glyphIndex));
    file.Write(kConfig, L"Disp Pointer", settings.shown ? L"True" : L"False");
}
