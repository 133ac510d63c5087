// What reshaping the marker costs at the largest and the smallest size. It
// runs only on appearance changes, but must stay far below one 10 ms tick.
#include <cstdio>

#include "bench/report.h"
#include "pointer/frm_main.h"
#include "tests/support/loaded_marker.h"

int main() {
    if (!LoadShownMarker(5)) {
        std::puts("the marker did not load");
        return 1;
    }
    for (std::int16_t size : {std::int16_t{16}, std::int16_t{1}}) {
        std::int16_t index = size;
        frmMain.mnuFontSizeValue_Click(index);
        const char* name = size == 16 ? "reshape, 72 points" : "reshape, 8 points";
        bench::Report(name, 500, [] {
            const auto start = bench::Clock::now();
            frmMain.timClock_Timer();
            return bench::MicrosSince(start);
        });
    }
    frmMain.Discard();
    return 0;
}
