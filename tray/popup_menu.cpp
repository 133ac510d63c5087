#include "tray/popup_menu.h"

#include <initializer_list>

namespace {

platform::MenuArray AddArray(platform::MenuItem& parent, const wchar_t* name, std::int16_t first,
                             std::initializer_list<const wchar_t*> captions) {
    std::vector<platform::MenuItem*> items;
    std::int16_t index = first;
    for (const wchar_t* caption : captions) items.push_back(&parent.Add(name, caption, index++));
    return platform::MenuArray(std::move(items));
}

}  // namespace

PopupMenuTree BuildPopupMenu() {
    PopupMenuTree menu;
    platform::MenuItem& root = menu.mnuPopup;
    root.name = L"mnuPopup";
    root.caption = L"ポップアップメニュー";

    menu.mnuShowHide_Click = &root.Add(L"mnuShowHide_Click", L"表示/非表示");
    root.Add(L"mnuCut1", L"-");
    menu.mnuPointerTypeValue = AddArray(root.Add(L"mnuPointerType", L"タイプ"), L"mnuPointerTypeValue", 1,
                                        {L"●", L"○", L"◎", L"▲", L"★", L"♪", L"■", L"↑"});
    menu.mnuFontSizeValue = AddArray(
        root.Add(L"mnuFontSize", L"サイズ"), L"mnuFontSizeValue", 1,
        {L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18", L"20", L"22", L"24", L"26", L"28", L"36", L"48", L"72"});
    menu.mnuFontColorValue = AddArray(root.Add(L"mnuFontColor", L"色"), L"mnuFontColorValue", 1,
                                      {L"黒", L"白", L"青", L"黄緑", L"緑", L"赤", L"黄"});
    menu.mnuTransValue =
        AddArray(root.Add(L"mnuTrans", L"透明度"), L"mnuTransValue", 0,
                 {L"0%", L"10%", L"20%", L"30%", L"40%", L"50%", L"60%", L"70%", L"80%", L"90%", L"100%"});
    root.Add(L"mnuCut", L"-", 0);
    menu.mnuQuit = &root.Add(L"mnuQuit", L"終了(&Q)");

    menu.mnuFontColorValue(1).checked = true;
    menu.mnuTransValue(0).checked = true;
    return menu;
}
