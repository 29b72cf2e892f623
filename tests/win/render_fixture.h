// Shared by the rendering tests: images and resources read back pixel by pixel, the globals
// put back afterwards, and the main window painted into a DIB.
#pragma once

#include <gtest/gtest.h>

#include "base/appinfo_win.h"
#include "base/clock_win.h"
#include "base/gdi_scope_win.h"
#include "app/placement_win.h"
#include "render/paint_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

using wintest::TestImage;

// cx x cy pixels of an image from (x0, y0), top row first.
inline std::vector<uint32_t> Pixels(const TestImage &image, int x0, int y0, int cx = 120, int cy = 160)
{
    std::vector<uint32_t> out;
    for (int y = y0; y < y0 + cy; ++y)
        for (int x = x0; x < x0 + cx; ++x)
            out.push_back(image.At(x, y));
    return out;
}

// A bitmap resource 160 rows high, as GDI draws it.
inline std::vector<uint32_t> ResourcePicture(int id, int cx = 120)
{
    TestImage image(cx, 160);
    ScopedGdiObject<HBITMAP> bm(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(id)));
    ScopedMemoryDC dc(image.dc());
    ScopedSelectObject select(dc, bm);
    BitBlt(image.dc(), 0, 0, cx, 160, dc, 0, 0, SRCCOPY);
    return Pixels(image, 0, 0, cx);
}

// The window's whole picture as a paint from nothing draws it from the settings and st: bitmaps
// loaded, the sheet copied, a new font for every text, no kept image.
void ReferencePaint(HWND hWnd, HDC hdc, const SYSTEMTIME &st);

// Every test starts from the defaults with the time signal and rotation quiet, the page on the
// right (the panel at the origin) and the fixed rules' holidays and rokuyo, which the expected
// inks here follow; it leaves the globals as it found them.
class RenderTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nChangeTiming = 13, Settings.nCalendarPos = 1;
        Settings.bHolidayLaw = 0, Settings.bLunarRokuyo = 0;
        nBlinkStep = -1;
    }
    void TearDown() override
    {
        Settings = saved_, nBlinkStep = savedBlink_, bChimeReady = savedReady_;
        SetLocalTimeOverride(nullptr);
    }
    static SYSTEMTIME PinTime(WORD year, WORD month, WORD day, WORD weekday, WORD hour, WORD minute, WORD second = 0)
    {
        const SYSTEMTIME st = {year, month, weekday, day, hour, minute, second, 0};
        SetLocalTimeOverride(&st);
        return st;
    }

private:
    const SettingsRecord saved_ = Settings;
    const int savedBlink_ = nBlinkStep, savedReady_ = bChimeReady;
};

// The main window, placed as on screen and painted into an image large enough for every layout.
class PaintWindowTest : public RenderTest {
protected:
    void SetUp() override { RenderTest::SetUp(); hWnd_ = wintest::CreateMainWindow(0, 0); }
    void TearDown() override { wintest::DestroyMainWindow(hWnd_); RenderTest::TearDown(); }
    void Paint(TestImage &image)
    {
        SYSTEMTIME st;
        ReadLocalTime(&st);
        PlaceWindow(hWnd_);
        image.Fill(1);
        PaintWindow(hWnd_, image.dc(), st);
    }
    HWND hWnd_ = nullptr;
};
