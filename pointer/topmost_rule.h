#pragma once
// When the marker goes back above a window that came over it. The window side
// gathers what is above on each tick; the decision needs no window.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One visible window above the marker that overlaps it, as the window side saw it.
struct WindowAbove {
    std::uintptr_t id = 0;  // its handle
    std::wstring className;
    std::uint32_t thread = 0;
    std::uintptr_t rootOwner = 0;  // the window at the top of its chain of owners, itself if none
    bool cloaked = false;          // on another virtual desktop, or a suspended app's: not drawn
};

// The application the user works in: the foreground window, its root owner,
// its thread and whether that thread has a menu up.
struct InFront {
    std::uintptr_t window = 0;
    std::uintptr_t root = 0;
    std::uint32_t thread = 0;
    bool inMenu = false;
};

// What the user reads at the pointer, and a raise would cover: the system's
// popup menus, tooltips and drop-down lists, and whatever the application in
// front shows over its window, whoever drew it (browsers, Qt, WPF and Java
// draw their own); the front window itself and the taskbar are not.
inline bool ReadAtThePointer(const WindowAbove& window, const InFront& front) {
    const std::wstring_view name = window.className;
    if (name == L"#32768" || name == L"tooltips_class32" || name == L"ComboLBox" || front.inMenu) return true;
    if (front.window == 0 || window.id == front.window || window.id == front.root) return false;
    if (name == L"Shell_TrayWnd" || name == L"Shell_SecondaryTrayWnd") return false;
    return (front.thread != 0 && window.thread == front.thread) || (front.root != 0 && window.rootOwner == front.root);
}

class TopmostRule {
public:
    static constexpr std::uint64_t kRaiseIntervalMs = 100;
    // A window that takes the top back this often within this time insists.
    static constexpr std::ptrdiff_t kTries = 3;
    static constexpr std::uint64_t kTriesWithinMs = 2000;

    // Whether to raise the marker now, given the windows above it (nearest
    // first), the application in front and the time. stillCovers(id) tells
    // whether a window that insists, but is below the marker for the moment
    // (a raise over another window took the marker above it too), is still
    // shown over the marker's place.
    template <typename StillCovers>
    bool Raise(std::span<const WindowAbove> above, const InFront& front, std::uint64_t nowMs, StillCovers stillCovers) {
        std::erase_if(insisting_, [&](std::uintptr_t id) {
            const bool gone =
                std::none_of(above.begin(), above.end(), [&](const auto& w) { return w.id == id && !w.cloaked; }) &&
                !stillCovers(id);
            if (gone)
                std::erase_if(raises_, [&](const Raised& r) { return r.over == id; });  // met again should it return
            return gone;
        });
        const WindowAbove* nearest = nullptr;
        for (const WindowAbove& window : above) {
            if (window.cloaked) continue;
            if (ReadAtThePointer(window, front)) return false;
            if (!nearest && !Insists(window.id)) nearest = &window;
        }
        if (!nearest) return false;
        if (!raises_.empty() && nowMs - raises_.back().at < kRaiseIntervalMs) return false;
        std::erase_if(raises_, [&](const Raised& r) { return nowMs - r.at >= kTriesWithinMs; });
        const auto id = nearest->id;
        if (std::count_if(raises_.begin(), raises_.end(), [&](const Raised& r) { return r.over == id; }) >= kTries) {
            insisting_.push_back(id);  // left above until it is no longer there
            return false;
        }
        raises_.push_back({id, nowMs});
        return true;
    }

    bool AnyInsisting() const { return !insisting_.empty(); }
    bool Insists(std::uintptr_t id) const {
        return std::find(insisting_.begin(), insisting_.end(), id) != insisting_.end();
    }

private:
    struct Raised {
        std::uintptr_t over;
        std::uint64_t at;
    };
    std::vector<Raised> raises_;  // within the last kTriesWithinMs, oldest first
    std::vector<std::uintptr_t> insisting_;
};
