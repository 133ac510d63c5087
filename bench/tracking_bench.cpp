// What one 10 ms tick costs: with the cursor still (two cursor queries and
// nothing else) and with the cursor moving (one window move as well).
#include <cstdio>

#include "bench/loaded_marker.h"
#include "bench/report.h"
#include "pointer/marker_window.h"
#include "probe/cursor_probe.h"

int main() {
    LoadedMarker marker(1);
    if (!marker.window.IsLoaded()) {
        std::puts("the marker did not load");
        return 1;
    }
    CursorProbe mouse;
    mouse.MoveToX(400);
    mouse.MoveToY(300);
    bench::Report("tick, cursor still", 2000, [&] {
        const auto start = bench::Clock::now();
        marker.window.HandleTimer(0);  // the 10 ms timer
        return bench::MicrosSince(start);
    });
    int step = 0;
    bench::Report("tick, cursor moved", 500, [&] {
        ++step;
        mouse.MoveToX(300 + step % 200);
        const auto start = bench::Clock::now();
        marker.window.HandleTimer(0);  // the 10 ms timer
        return bench::MicrosSince(start);
    });
    return 0;
}
