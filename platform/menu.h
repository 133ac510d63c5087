#pragma once
// Menus as data: a tree of items with captions and check marks, and indexed
// item arrays. The backend turns a tree into a real popup menu when it opens.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::int32_t kErrNoSuchArrayElement = 340;

struct MenuItem {
    std::int16_t index = -1;  // position in its array; -1 for a single item
    std::wstring caption;     // "-" is a separator
    bool checked = false;
    std::function<void()> click;
    std::vector<std::unique_ptr<MenuItem>> children;

    bool IsSeparator() const { return caption == L"-"; }
    MenuItem& Add(std::wstring itemCaption, std::int16_t itemIndex = -1);
};

// The elements of one indexed item array, which need not start at 0 or 1.
class MenuArray {
public:
    MenuArray() = default;
    explicit MenuArray(std::vector<MenuItem*> items) : items_(std::move(items)) {}

    // Raises kErrNoSuchArrayElement when no element has this index.
    MenuItem& operator()(std::int16_t index) const;
    std::int16_t Count() const { return static_cast<std::int16_t>(items_.size()); }
    const std::vector<MenuItem*>& Items() const { return items_; }

private:
    std::vector<MenuItem*> items_;
};

}  // namespace platform
