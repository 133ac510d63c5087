// What reshaping the marker costs at the largest and the smallest size. It
// runs only on appearance changes, but must stay far below one 10 ms tick.
#include <cstdio>

#include "bench/report.h"
#include "pointer/marker_window.h"
#include "tests/support/loaded_marker.h"

int main() {
    if (!LoadShownMarker(5)) {
        std::puts("the marker did not load");
        return 1;
    }
    for (std::int16_t size : {std::int16_t{16}, std::int16_t{1}}) {
        std::int16_t index = size;
        markerWindow.ChooseSize(index);
        const char* name = size == 16 ? "reshape, 72 points" : "reshape, 8 points";
        bench::Report(name, 500, [] {
            const auto start = bench::Clock::now();
            markerWindow.Reshape();
            return bench::MicrosSince(start);
        });
    }
    markerWindow.Discard();
    return 0;
}
