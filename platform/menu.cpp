#include "platform/menu.h"

#include "platform/error.h"

namespace platform {

MenuItem& MenuItem::Add(std::wstring itemCaption, std::int16_t itemIndex) {
    auto item = std::make_unique<MenuItem>();
    item->caption = std::move(itemCaption);
    item->index = itemIndex;
    children.push_back(std::move(item));
    return *children.back();
}

MenuItem& MenuArray::operator()(std::int16_t index) const {
    for (MenuItem* item : items_) {
        if (item->index == index) return *item;
    }
    throw RaisedError(kErrNoSuchArrayElement, L"Control array element '" + std::to_wstring(index) + L"' doesn't exist");
}

}  // namespace platform
