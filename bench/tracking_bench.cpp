// What one 10 ms tick costs: with the cursor still (two cursor queries and
// nothing else) and with the cursor moving (one window move as well).
#include <cstdio>

#include "bench/report.h"
#include "pointer/marker_window.h"
#include "probe/cursor_probe.h"
#include "tests/support/loaded_marker.h"

int main() {
    if (!LoadShownMarker(1)) {
        std::puts("the marker did not load");
        return 1;
    }
    CursorProbe mouse;
    mouse.MoveToX(400);
    mouse.MoveToY(300);
    bench::Report("tick, cursor still", 2000, [] {
        const auto start = bench::Clock::now();
        markerWindow.OnTick();
        return bench::MicrosSince(start);
    });
    int step = 0;
    bench::Report("tick, cursor moved", 500, [&] {
        ++step;
        mouse.MoveToX(300 + step % 200);
        const auto start = bench::Clock::now();
        markerWindow.OnTick();
        return bench::MicrosSince(start);
    });
    markerWindow.Discard();
    return 0;
}
