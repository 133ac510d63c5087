// What reshaping the marker costs at the largest and the smallest size. It
// runs only on appearance changes, but must stay far below one 10 ms tick.
#include <cstdio>

#include "bench/loaded_marker.h"
#include "bench/report.h"
#include "pointer/marker_window.h"

int main() {
    LoadedMarker marker(5);
    if (!marker.window.IsLoaded()) {
        std::puts("the marker did not load");
        return 1;
    }
    // A size command is the size's check mark, the font and one reshape.
    for (std::int16_t size : {std::int16_t{16}, std::int16_t{1}}) {
        const char* name = size == 16 ? "size command and reshape, 72 points" : "size command and reshape, 8 points";
        bench::Report(name, 500, [&] {
            std::int16_t index = size;
            const auto start = bench::Clock::now();
            marker.window.ChooseSize(index);
            return bench::MicrosSince(start);
        });
    }
    return 0;
}
