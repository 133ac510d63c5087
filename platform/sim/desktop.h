#pragma once
// The simulated desktop behind the platform calls in native tests. It keeps
// just enough state to answer like Windows, and lets a test drive it and read
// it back. Private-profile files live on the real file system.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/form.h"
#include "platform/win.h"

namespace sim {

// A region as the simulated graphics build it: the outline of a text drawn
// in a font of some size at a point.
struct Region {
    std::wstring text;
    platform::FontSpec font;
    int x = 0;
    int y = 0;
    bool operator==(const Region& o) const {
        return text == o.text && font.face == o.font.face && font.points == o.font.points &&
               font.weight == o.font.weight && font.charset == o.font.charset && x == o.x && y == o.y;
    }
};

struct Window {
    platform::Form* owner = nullptr;  // none for another program's window
    std::string className;            // another program's window: its class and text
    std::string text;
    platform::FormDesign design;
    platform::PixelRect bounds;
    bool visible = false;
    int moves = 0;  // how many times the window was moved or sized
    platform::FontSpec font;
    std::uint32_t backColor = 0;
    std::uint32_t foreColor = 0;
    int refreshes = 0;
    void* dc = nullptr;
    win::Handle region = nullptr;  // owned by the window
    std::int32_t exStyle = 0;
    int exStyleWrites = 0;
    int alpha = -1;  // -1: never set
    bool topmost = false;
    std::vector<int> timers;
};

// What has been recorded into a device context's path.
struct Path {
    bool open = false;
    std::vector<Region> outlines;
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

    // --- keys ------------------------------------------------------------------------
    std::map<int, bool> keysDown;

    // --- shell ---------------------------------------------------------------------------
    struct ShellCall {
        std::uint32_t message;
        win::NotifyIconDataV1 data;
    };
    std::vector<ShellCall> shellCalls;
    bool trayIconPresent = false;  // what the notification area shows
    std::map<platform::WindowHandle, platform::PictureBox*> pictureBoxes;

    // --- graphics ---------------------------------------------------------------------
    std::map<win::Handle, Region> regions;  // every live region
    std::map<void*, Path> paths;            // by device context
    // Regions that no window owns: each one is a leaked GDI object.
    int LooseRegions() const;

    // --- windows -------------------------------------------------------------------
    std::map<platform::WindowHandle, Window> windows;
    // The window calls in the order they were made, for tests of ordering.
    std::vector<std::string> calls;
    Window* Find(platform::WindowHandle handle);
    Window* FindByDc(void* dc);
    // Another program's window, for the queries about the window under the cursor.
    platform::WindowHandle AddForeignWindow(platform::PixelRect bounds, std::string className, std::string text);

    // --- driving the program -------------------------------------------------------
    // One tick of every running timer.
    void Tick();
    // A button released over the window (1 left, 2 right, 4 middle).
    void MouseUp(platform::WindowHandle handle, int button);
    void MouseMove(platform::WindowHandle handle);
    // What the user does with an open popup menu: returns the chosen item or
    // nullptr (dismissed). While it runs, the menu is open.
    std::function<platform::MenuItem*(platform::MenuItem&)> onPopup;
    // The shell calls the icon's owner with this mouse-message code.
    void TrayCallback(int code);
    // The shell restarts: the icons are gone and "TaskbarCreated" goes round.
    void RestartShell();
    void BroadcastTaskbarCreated();
    int popups = 0;
    int foregroundRequests = 0;

    // The user closes the window (WM_CLOSE).
    void Close(platform::WindowHandle handle);
    // The user logs off: every window is asked and then told the session ends.
    void EndSession();

    void* NewHandle();

private:
    std::size_t nextHandle_ = 0x1000;
};

Desktop& desktop();

// Conversions the simulated file system uses: wide Windows paths to UTF-8
// paths on this machine (backslashes become slashes).
std::string NativePath(const std::wstring& path);

}  // namespace sim
