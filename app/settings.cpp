#include "app/settings.h"

#include <string>

#include "app/ini_file.h"
#include "app/numeric_text.h"
#include "app/start.h"

std::int32_t lngTop = 0;
std::int32_t lngLeft = 0;
std::int16_t intPointerSize = 0;
std::int16_t intPointerColor = 0;
std::int16_t intTranslucence = 0;
std::int16_t intPointerType = 0;
bool blnDispPointer = false;

namespace {

const std::wstring kDesign = L"Window Design";
const std::wstring kConfig = L"Config";

}  // namespace

void LoadSettings() {
    clsIniFile ini;
    ini.setFile(strIniFile, false);
    // Positions may lie far outside the 16-bit range on a wide desktop.
    lngTop = WholeNumber32(ini.getValue(kDesign, L"Top"), 1000);
    lngLeft = WholeNumber32(ini.getValue(kDesign, L"Left"), 1000);
    intPointerSize = ini.getIntValue(kDesign, L"Pointer Size", 16);
    intPointerColor = ini.getIntValue(kDesign, L"Pointer Color", 6);
    intTranslucence = ini.getIntValue(kDesign, L"Translucence", 5);
    intPointerType = ini.getIntValue(kDesign, L"Pointer Type", 1);
    blnDispPointer = ini.getValue(kConfig, L"Disp Pointer") == L"True";
}

void SaveSettings() {
    clsIniFile ini;
    ini.setFile(strIniFile, false);
    ini.setValue(kDesign, L"Top", std::to_wstring(lngTop));
    ini.setValue(kDesign, L"Left", std::to_wstring(lngLeft));
    ini.setValue(kDesign, L"Pointer Size", std::to_wstring(intPointerSize));
    ini.setValue(kDesign, L"Pointer Color", std::to_wstring(intPointerColor));
    ini.setValue(kDesign, L"Translucence", std::to_wstring(intTranslucence));
    ini.setValue(kDesign, L"Pointer Type", std::to_wstring(intPointerType));
    ini.setValue(kConfig, L"Disp Pointer", blnDispPointer ? L"True" : L"False");
}
