// What the marker costs: creating it with a stored look, one 10 ms tick with
// the cursor still and moving, and an appearance command with its reshape.
#include <cstdio>

#include "bench/report.h"
#include "pointer/marker_window.h"

int main() {
    Settings settings;
    settings.glyphIndex = 5;
    settings.shown = true;
    bench::Report("create a shown marker", 100, [&] {
        const auto start = bench::Clock::now();
        MarkerWindow marker(settings, {});
        return bench::MicrosSince(start);
    });
    MarkerWindow marker(settings, {});
    CursorProbe mouse;
    mouse.MoveToX(400);
    mouse.MoveToY(300);
    bench::Report("tick, cursor still", 2000, [&] {
        const auto start = bench::Clock::now();
        ::SendMessageW(marker.Handle(), WM_TIMER, 1, 0);
        return bench::MicrosSince(start);
    });
    int step = 0;
    bench::Report("tick, cursor moved", 500, [&] {
        mouse.MoveToX(300 + ++step % 200);
        const auto start = bench::Clock::now();
        ::SendMessageW(marker.Handle(), WM_TIMER, 1, 0);
        return bench::MicrosSince(start);
    });
    for (int size : {16, 1}) {
        bench::Report(size == 16 ? "size command and reshape, 72 points" : "size command and reshape, 8 points", 500,
                      [&] {
                          const auto start = bench::Clock::now();
                          marker.ChooseSize(size);
                          return bench::MicrosSince(start);
                      });
    }
    return 0;
}
