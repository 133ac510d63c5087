#pragma once
// A fresh simulated desktop for each test, with the program's folder in a
// new temporary folder.
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/sim/desktop.h"
#include "tests/support/files.h"

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() {
        sim::desktop().Reset();
        sim::desktop().exeFolder = folder.Path();
        programTitle = L"Trailglint (ver 1.0.1) [Ember]";
        programFolder = folder.Path() + L"\\";
        settingsPath = iniPath;
    }
    ~DesktopTest() override { sim::desktop().Reset(); }

    std::string IniBytes() const { return testing_files::ReadBytes(iniPath); }
    void WriteIni(const std::string& bytes) const { testing_files::WriteBytes(iniPath, bytes); }

    sim::Desktop& desk = sim::desktop();
    testing_files::TempFolder folder;
    // Where the program keeps its settings when it runs from `folder`.
    const std::wstring iniPath = folder.File(L"Trailglint.ini");
};
