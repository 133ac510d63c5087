#include "app/standard.h"

#include <memory>

#include "app/start.h"
#include "app/str_chain.h"
#include "platform/app.h"
#include "platform/error.h"

std::wstring GetAppTitle(const std::wstring& name, const std::wstring& tag) {
    try {
        const platform::app::Version version = platform::app::ProgramVersion();
        clsStrChain title;
        title.ClearString();
        title.AddString(name);
        title.AddString(L" (ver " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor));
        title.AddString(L"." + std::to_wstring(version.revision) + L")");
        if (!tag.empty()) title.AddString(L" [" + tag + L"]");
        return title.GetString();
    } catch (...) {
        return {};
    }
}

std::wstring GetAppPath() {
    try {
        std::wstring path = platform::app::ExeFolder();
        if (path.empty() || path.back() != L'\\') path += L'\\';
        return path;
    } catch (...) {
        return {};
    }
}

void ShowErrorMessage(const std::wstring& message) {
    try {
        platform::app::MessageBoxStop(message, strTitle);
    } catch (const platform::RaisedError& error) {
        platform::app::MessageBoxStop(error.Description(),
                                      error.Source() + L" (ErrNo." + std::to_wstring(error.Number()) + L")");
    }
}
