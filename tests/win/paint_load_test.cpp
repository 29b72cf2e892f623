// Many paints in a row, the face changing among them: no GDI object is left behind; and, run by
// hand, how long a paint takes.
#include "tests/win/render_fixture.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using PaintLoadTest = PaintWindowTest;

TEST_F(PaintLoadTest, TenThousandPaintsLeaveNoGdiObjectBehind)
{
    const SYSTEMTIME st = PinTime(2024, 5, 6, 1, 10, 30);
    Settings.b6 = 1, Settings.nDrawChara = 2;
    // A client area that holds every layout, so the window is not resized between paints.
    SetWindowPos(hWnd_, nullptr, 0, 0, 240, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    TestImage image(240, 320);
    int before = 0;
    // Cycles through every page position, the page hidden (with the clock overlay) and every blink
    // step, the face changing every 60 paints; the first cycle fills what paints keep.
    for (int i = 0; i < 60 + 10000; ++i) {
        if (i == 60)
            before = wintest::GdiCapacity();
        Settings.bStatus = i % 5 != 0, Settings.nCalendarPos = i % 4, nBlinkStep = i % 6 - 1;
        lstrcpyA(Settings.szFont, i / 60 % 2 ? "ＭＳ Ｐゴシック" : "ＭＳ ゴシック");
        PaintWindow(hWnd_, image.dc(), st);
    }
    EXPECT_EQ(wintest::GdiCapacity(), before);
    EXPECT_GT(before, 1000);
}

// Not part of the suite (scripts/bench.sh runs it): the paint alone, the window placed once.
// The second moves on with every paint, so the time drawn is new each time, as at a tick, which
// copies only what changed; then the same moment again and again, as when the system asks for a
// paint, which copies the whole window from what is kept. At a display scale above 1 the one
// blit enlarges the picture.
TEST_F(PaintLoadTest, DISABLED_PaintTiming)
{
    Settings.b6 = 1, Settings.nTransparent = 30, Settings.nTransparentCal = 40;
    TestImage image(480, 640);  // room for the window at 2x
    LARGE_INTEGER frequency, t0, t1;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < 3; ++run) {
        Settings.bStatus = run != 1;
        SYSTEMTIME st = PinTime(2024, 5, 6, 1, 10, 30);
        Paint(image);  // places the window; the first paint loads fonts and code
        std::vector<double> micros;
        for (int i = 0; i < 1000; ++i) {
            if (run < 2)
                st = PinTime(2024, 5, 6, 1, 10, static_cast<WORD>(30 + i / 60 % 30), static_cast<WORD>(i % 60));
            QueryPerformanceCounter(&t0);
            run < 2 ? PaintWindowChanges(hWnd_, st) : PaintWindow(hWnd_, image.dc(), st);  // a tick draws on screen
            QueryPerformanceCounter(&t1);
            micros.push_back(1e6 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
                             static_cast<double>(frequency.QuadPart));
        }
        std::sort(micros.begin(), micros.end());
        static const char *const kRuns[] = {"a tick, page shown", "a tick, page hidden", "the whole window, nothing changed"};
        std::printf("Paint, %s: median %.0f us, 99th percentile %.0f us over 1000 paints\n", kRuns[run],
                    micros[500], micros[990]);
    }
}

}  // namespace
