#include "tray/marker_menu.h"

#include <initializer_list>

namespace {

platform::MenuArray AddArray(platform::MenuItem& parent, std::int16_t first,
                             std::initializer_list<const wchar_t*> captions) {
    std::vector<platform::MenuItem*> items;
    std::int16_t index = first;
    for (const wchar_t* caption : captions) items.push_back(&parent.Add(caption, index++));
    return platform::MenuArray(std::move(items));
}

}  // namespace

MarkerMenu BuildMarkerMenu() {
    MarkerMenu menu;
    platform::MenuItem& root = menu.root;
    root.caption = L"ポップアップメニュー";

    menu.showHide = &root.Add(L"表示/非表示");
    root.Add(L"-");
    menu.glyphs = AddArray(root.Add(L"タイプ"), 1, {L"●", L"○", L"◎", L"▲", L"★", L"♪", L"■", L"↑"});
    menu.sizes = AddArray(
        root.Add(L"サイズ"), 1,
        {L"8", L"9", L"10", L"11", L"12", L"14", L"16", L"18", L"20", L"22", L"24", L"26", L"28", L"36", L"48", L"72"});
    menu.colors = AddArray(root.Add(L"色"), 1, {L"黒", L"白", L"青", L"黄緑", L"緑", L"赤", L"黄"});
    menu.translucencies =
        AddArray(root.Add(L"透明度"), 0,
                 {L"0%", L"10%", L"20%", L"30%", L"40%", L"50%", L"60%", L"70%", L"80%", L"90%", L"100%"});
    root.Add(L"-", 0);
    menu.quit = &root.Add(L"終了(&Q)");

    menu.colors(1).checked = true;
    menu.translucencies(0).checked = true;
    return menu;
}
