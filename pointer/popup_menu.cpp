// The popup menu: built from the tables each time it opens, with a radio mark
// on each current choice, and tracked to the chosen command.
#include <string>

#include "pointer/marker_menu.h"
#include "pointer/marker_window.h"

namespace {

// This thread sharing another's input state, for as long as it lives.
class AttachedInput {
public:
    AttachedInput(DWORD thread, DWORD to)
        : thread_(thread), to_(to), attached_(::AttachThreadInput(thread, to, TRUE)) {}
    ~AttachedInput() {
        if (attached_) ::AttachThreadInput(thread_, to_, FALSE);
    }
    AttachedInput(const AttachedInput&) = delete;
    AttachedInput& operator=(const AttachedInput&) = delete;

private:
    DWORD thread_, to_;
    BOOL attached_;
};

// How long the application in front may take to show it is not hung.
constexpr UINT kAnswerMs = 100;

// Windows gives the foreground only to the process that received the last
// input, and F9 is polled: the key went to the application in front. Joined
// to that application's input for the one call, this thread may take it.
void TakeForeground(HWND window) {
    if (::SetForegroundWindow(window)) return;
    const HWND frontWindow = ::GetForegroundWindow();
    const DWORD front = ::GetWindowThreadProcessId(frontWindow, nullptr);
    const DWORD self = ::GetCurrentThreadId();
    if (front == 0 || front == self) return;
    // Joined, the call waits until that application has handled losing the
    // foreground: a busy or hung one would hold the marker up, or for good.
    // Then the menu opens without the foreground.
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(frontWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &answer)) return;
    const AttachedInput attached(self, front);
    ::SetForegroundWindow(window);
}

void AddSubmenu(HMENU menu, const wchar_t* caption, MenuGroup group, int current) {
    UniqueMenu submenu(::CreatePopupMenu());
    const IndexRange range = RangeOf(group);
    for (int index = range.first; index < range.first + range.count; ++index) {
        const auto i = static_cast<std::size_t>(index - 1);
        const std::wstring text = group == MenuGroup::Glyph   ? kGlyphs[i]
                                  : group == MenuGroup::Size  ? std::to_wstring(kPointSizes[i])
                                  : group == MenuGroup::Color ? kColorNames[i]
                                                              : std::to_wstring(10 * index) + L"%";
        ::AppendMenuW(submenu.get(), MF_STRING, CommandId(group, index), text.c_str());
    }
    ::CheckMenuRadioItem(submenu.get(), CommandId(group, range.first), CommandId(group, range.first + range.count - 1),
                         CommandId(group, current), MF_BYCOMMAND);
    if (::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()), caption)) submenu.release();
}

UniqueMenu BuildMenu(const Settings& s) {
    UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, kShowHideCommand, L"表示/非表示");
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AddSubmenu(menu.get(), L"タイプ", MenuGroup::Glyph, s.glyphIndex);
    AddSubmenu(menu.get(), L"サイズ", MenuGroup::Size, s.sizeIndex);
    AddSubmenu(menu.get(), L"色", MenuGroup::Color, s.colorIndex);
    AddSubmenu(menu.get(), L"透明度", MenuGroup::Translucency, s.translucencyIndex);
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.get(), MF_STRING, kQuitCommand, L"終了(&Q)");
    return menu;
}

}  // namespace

void MarkerWindow::OpenMenu() {
    if (menuOpen_ || unloaded_) return;
    menuOpen_ = true;
    unsigned command = 0;
    try {
        cursor_.Show();
        command = TrackMenu();
    } catch (...) {
        menuOpen_ = false;  // or the tick, the tray and close requests stay ignored for good
        throw;
    }
    menuOpen_ = false;
    if (!unloaded_) RunCommand(command);
    if (unloaded_ || closeAfterMenu_) {
        Close();
        return;
    }
    if (fontDpi_ != dpi_) ChooseSize(settings_.sizeIndex);  // moved to another monitor meanwhile
    ChooseGlyph(settings_.glyphIndex);                      // the cursor's rule for the glyph, again
}

unsigned MarkerWindow::TrackMenu() {
    const UniqueMenu menu = BuildMenu(settings_);
    POINT at{};
    ::GetCursorPos(&at);
    // A menu whose owner is not in front does not close on a click elsewhere,
    // and its keys go to the application in front; and a message after it, or
    // the next menu may flash shut.
    HWND owner = menuOwner_.get();
    HWND previous = ::GetForegroundWindow();
    TakeForeground(owner);
    const auto chosen = static_cast<unsigned>(::TrackPopupMenuEx(
        menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    // Only while the owner still has it: a click into another application
    // that closed the menu leaves that application in front.
    if (previous && previous != owner && ::IsWindow(previous) && ::GetForegroundWindow() == owner) {
        ::SetForegroundWindow(previous);
    }
    return chosen;
}

void MarkerWindow::RunCommand(unsigned id) {
    if (id == kShowHideCommand) {
        ToggleShown();
    } else if (id == kQuitCommand) {
        closeAfterMenu_ = true;
    } else if (const auto choice = ChoiceOf(id)) {
        switch (choice->group) {
            case MenuGroup::Glyph:
                ChooseGlyph(choice->index);
                break;
            case MenuGroup::Size:
                ChooseSize(choice->index);
                break;
            case MenuGroup::Color:
                ChooseColor(choice->index);
                break;
            case MenuGroup::Translucency:
                ChooseTranslucency(choice->index);
                break;
        }
    }
}
