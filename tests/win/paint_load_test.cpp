// Many paints in a row: no GDI object is left behind; and, run by hand, how long a paint takes.
#include "tests/win/render_fixture.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// GetGuiResources is a stub under Wine: count how many more pens fit instead.
// One paint of a cycle through page positions, page hidden and every blink step.
void SetPaintCase(int i)
{
    Settings.nDrawChara = 2;
    switch (i % 8) {
    case 0: case 1: case 2: case 3:
        Settings.bStatus = 1, Settings.nCalendarPos = i % 4, nBlinkStep = -1;
        break;
    case 4: Settings.bStatus = 0, nBlinkStep = -1; break;
    default: Settings.bStatus = i % 2, nBlinkStep = i % 5; break;
    }
}

using PaintLoadTest = PaintWindowTest;

TEST_F(PaintLoadTest, TenThousandPaintsLeaveNoGdiObjectBehind)
{
    PinTime(2024, 5, 6, 1, 10, 30, 0);
    Settings.b6 = 1;
    // A client area that holds every layout, so the window is not resized between paints.
    SetWindowPos(hWnd_, nullptr, 0, 0, 240, 320, SWP_NOZORDER | SWP_NOACTIVATE);
    TestImage image(240, 320);
    for (int i = 0; i < 8; ++i) {
        SetPaintCase(i);
        PaintWindow(hWnd_, image.dc());
    }
    const int before = wintest::GdiCapacity();
    for (int i = 0; i < 10000; ++i) {
        SetPaintCase(i);
        PaintWindow(hWnd_, image.dc());
    }
    EXPECT_EQ(wintest::GdiCapacity(), before);
    EXPECT_GT(before, 1000);
}

// Not part of the suite: run with --gtest_also_run_disabled_tests --gtest_filter=*PaintTiming*
TEST_F(PaintLoadTest, DISABLED_PaintTiming)
{
    PinTime(2024, 5, 6, 1, 10, 30, 0);
    Settings.b6 = 1, Settings.nTransparent = 30, Settings.nTransparentCal = 40;
    TestImage image(240, 320);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int shown = 1; shown >= 0; --shown) {
        Settings.bStatus = shown, Settings.nCalendarPos = 3;
        std::vector<double> micros;
        for (int i = 0; i < 1000 + 20; ++i) {
            LARGE_INTEGER t0, t1;
            QueryPerformanceCounter(&t0);
            Paint(image);
            QueryPerformanceCounter(&t1);
            if (i >= 20)  // the first paints load fonts and code
                micros.push_back(1e6 * static_cast<double>(t1.QuadPart - t0.QuadPart) / frequency.QuadPart);
        }
        std::sort(micros.begin(), micros.end());
        std::printf("PaintWindow, page %s: median %.0f us, 99th percentile %.0f us over %zu paints\n",
                    shown ? "shown" : "hidden", micros[micros.size() / 2], micros[micros.size() * 99 / 100],
                    micros.size());
    }
}

}  // namespace
