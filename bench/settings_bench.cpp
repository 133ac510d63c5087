// What the settings file costs: the load at start, and the save at the end,
// in one step through a copy and, for comparison, in place.
#include <filesystem>
#include <fstream>

#include "app/settings_file.h"
#include "bench/report.h"

int main() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"trailglint-bench";
    std::filesystem::create_directories(folder);
    const std::wstring path = (folder / L"Trailglint.ini").wstring();
    std::ofstream(folder / L"Trailglint.ini", std::ios::binary)
        << "; the user's notes\r\n[Window Design]\r\nTop=2000\r\nLeft=3000\r\nPointer Size=16\r\n"
           "Pointer Color=6\r\nTranslucence=5\r\nPointer Type=5\r\n[Config]\r\nDisp Pointer=True\r\n";
    Settings settings = *LoadSettings(path);
    bench::Report("load the settings", 500, [&] {
        const auto start = bench::Clock::now();
        settings = *LoadSettings(path);
        return bench::MicrosSince(start);
    });
    int n = 0;
    bench::Report("save, one step through a copy", 500, [&] {
        settings.top = ++n;  // a real change each time
        const auto start = bench::Clock::now();
        SaveSettings(settings, path);
        return bench::MicrosSince(start);
    });
    bench::Report("save, seven writes in place", 500, [&] {
        settings.top = ++n;
        const auto start = bench::Clock::now();
        WriteSettingsInPlace(settings, path);
        return bench::MicrosSince(start);
    });
    std::filesystem::remove_all(folder);
    return 0;
}
