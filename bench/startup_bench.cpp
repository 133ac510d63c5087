// What start-up costs: reading and writing the settings file, and loading
// the marker window with the stored look, up to where the message loop takes
// over. Built for Windows and run under Wine.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/settings.h"
#include "bench/report.h"
#include "pointer/marker_window.h"

int main() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"trailglint-bench";
    std::filesystem::create_directories(folder);
    const std::wstring path = (folder / L"Trailglint.ini").wstring();
    std::ofstream(folder / L"Trailglint.ini", std::ios::binary)
        << "[Window Design]\r\nTop=2000\r\nLeft=3000\r\nPointer Size=16\r\nPointer Color=6\r\n"
           "Translucence=5\r\nPointer Type=5\r\n[Config]\r\nDisp Pointer=True\r\n";

    bench::Report("load and save the settings", 500, [&] {
        const auto start = bench::Clock::now();
        SaveSettings(LoadSettings(path), path);
        return bench::MicrosSince(start);
    });
    bench::Report("settings to a loaded, shown marker", 200, [&] {
        const auto start = bench::Clock::now();
        Settings settings = LoadSettings(path);
        MarkerWindow marker(settings, path);
        marker.Load();
        const double micros = bench::MicrosSince(start);
        if (!marker.IsLoaded()) {
            std::puts("the marker did not load");
            std::exit(1);
        }
        marker.Discard();
        return micros;
    });
    std::filesystem::remove_all(folder);
    return 0;
}
