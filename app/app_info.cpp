#include "app/app_info.h"

#include <memory>

#include "app/heap_text.h"
#include "platform/app.h"
#include "platform/error.h"

std::wstring ProgramTitle(const std::wstring& name, const std::wstring& tag) {
    try {
        const platform::app::Version version = platform::app::ProgramVersion();
        HeapText title;
        title.Clear();
        title.Append(name);
        title.Append(L" (ver " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor));
        title.Append(L"." + std::to_wstring(version.revision) + L")");
        if (!tag.empty()) title.Append(L" [" + tag + L"]");
        return title.Text();
    } catch (...) {
        return {};
    }
}

std::wstring ProgramFolder() {
    try {
        std::wstring path = platform::app::ExeFolder();
        if (path.empty() || path.back() != L'\\') path += L'\\';
        return path;
    } catch (...) {
        return {};
    }
}

void ShowError(const std::wstring& message, const std::wstring& caption) {
    try {
        platform::app::MessageBoxStop(message, caption);
    } catch (const platform::RaisedError& error) {
        platform::app::MessageBoxStop(error.Description(),
                                      error.Source() + L" (ErrNo." + std::to_wstring(error.Number()) + L")");
    }
}
