#pragma once
// The simulated desktop behind the platform calls in native tests. It keeps
// just enough state to answer like Windows, and lets a test drive it and read
// it back. Private-profile files live on the real file system.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/form.h"
#include "platform/win.h"

namespace sim {

struct Window {
    platform::Form* owner = nullptr;
    platform::FormDesign design;
    platform::PixelRect bounds;
    bool visible = false;
    int moves = 0;  // how many times the window was moved or sized
};

struct MessageBox {
    std::wstring text;
    std::wstring caption;
};

class Desktop {
public:
    // Back to a fresh machine: no windows, cursor visible at (0, 0), 96 dpi.
    void Reset();

    // --- application -----------------------------------------------------------
    bool previousInstance = false;
    std::wstring exeFolder = L"C:\\Program Files\\Trailglint";
    platform::app::Version version{1, 0, 1};
    bool endedAtOnce = false;       // EndNow was called
    bool lastFormUnloaded = false;  // the program ended because no form is left
    std::vector<MessageBox> messageBoxes;
    int messageBoxFailures = 0;  // the next N boxes fail to show

    // --- screen ----------------------------------------------------------------
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;

    // --- cursor ----------------------------------------------------------------
    win::Point cursor;
    int cursorDisplayCount = 0;
    int showCursorCalls = 0;

    // --- heap --------------------------------------------------------------------
    bool processHeapAvailable = true;
    int heapFailures = 0;                           // the next N allocations or resizes fail
    std::map<const void*, std::size_t> heapBlocks;  // live blocks and their sizes

    // --- windows -------------------------------------------------------------------
    std::map<platform::WindowHandle, Window> windows;
    Window* Find(platform::WindowHandle handle);
    // The user closes the window (WM_CLOSE).
    void Close(platform::WindowHandle handle);
    // The user logs off: every window is asked and then told the session ends.
    void EndSession();

    platform::WindowHandle NewHandle();

private:
    std::size_t nextHandle_ = 0x1000;
};

Desktop& desktop();

// Conversions the simulated file system uses: wide Windows paths to UTF-8
// paths on this machine (backslashes become slashes).
std::string NativePath(const std::wstring& path);

}  // namespace sim
