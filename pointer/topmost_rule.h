#pragma once
// When the marker goes back above a window that came over it. The window side
// gathers what is above on each tick; the decision needs no window.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One visible window above the marker, as the window side saw it.
struct WindowAbove {
    std::uintptr_t id = 0;  // its handle
    std::wstring className;
    bool overlaps = true;  // its rectangle meets the marker's
    bool cloaked = false;  // on another virtual desktop, or a suspended app's: not drawn
};

// What the user reads at the pointer, and a raise would cover: other programs'
// popup menus, tooltips and drop-down lists.
inline bool ReadAtThePointer(std::wstring_view className) {
    return className == L"#32768" || className == L"tooltips_class32" || className == L"ComboLBox";
}

class TopmostRule {
public:
    static constexpr std::uint64_t kRaiseIntervalMs = 100;
    // A window that takes the top back this often within this time insists.
    static constexpr std::ptrdiff_t kTries = 3;
    static constexpr std::uint64_t kTriesWithinMs = 2000;

    // Whether to raise the marker now, given the windows above it (nearest
    // first), whether the application in front has a menu up, and the time.
    bool Raise(std::span<const WindowAbove> above, bool menuInFront, std::uint64_t nowMs) {
        const WindowAbove* nearest = nullptr;
        bool givesWay = menuInFront, insistingAbove = false;
        for (const WindowAbove& window : above) {
            if (!window.overlaps || window.cloaked) continue;  // covers nothing of the marker
            if (!nearest) nearest = &window;
            givesWay = givesWay || ReadAtThePointer(window.className);
            insistingAbove = insistingAbove || window.id == insisting_;
        }
        if (!insistingAbove && insisting_ != 0) {  // gone: met again should it come back
            std::erase_if(raises_, [&](const Raised& r) { return r.over == insisting_; });
            insisting_ = 0;
        }
        if (!nearest || givesWay || insisting_ != 0) return false;
        if (!raises_.empty() && nowMs - raises_.back().at < kRaiseIntervalMs) return false;
        std::erase_if(raises_, [&](const Raised& r) { return nowMs - r.at >= kTriesWithinMs; });
        const auto id = nearest->id;
        if (std::count_if(raises_.begin(), raises_.end(), [&](const Raised& r) { return r.over == id; }) >= kTries) {
            insisting_ = id;  // left above until it is no longer there
            return false;
        }
        raises_.push_back({id, nowMs});
        return true;
    }

private:
    struct Raised {
        std::uintptr_t over;
        std::uint64_t at;
    };
    std::vector<Raised> raises_;  // within the last kTriesWithinMs, oldest first
    std::uintptr_t insisting_ = 0;
};
