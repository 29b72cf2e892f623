// Shared by the rendering tests: 24-bit images read back pixel by pixel, the
// resources as the test expects them, and a settings record put back afterwards.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/appinfo_win.h"
#include "app/clock_win.h"
#include "render/blend.h"
#include "render/layout.h"
#include "render/paint_win.h"
#include "render/panel_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

using wintest::TestImage;

// A 120x160 bitmap resource as 24-bit colours, top row first.
inline std::vector<uint32_t> ResourcePicture(int id)
{
    TestImage image(120, 160);
    HBITMAP hbm = LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(id));
    HDC hdcSource = CreateCompatibleDC(image.dc());
    HGDIOBJ hOld = SelectObject(hdcSource, hbm);
    BitBlt(image.dc(), 0, 0, 120, 160, hdcSource, 0, 0, SRCCOPY);
    SelectObject(hdcSource, hOld);
    DeleteDC(hdcSource);
    DeleteObject(hbm);
    std::vector<uint32_t> out;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x)
            out.push_back(image.At(x, y));
    return out;
}

// The character sheet resource: colour of a picture pixel as seen, or the key.
class SheetResource {
public:
    SheetResource()
    {
        HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CHARACTER), RT_BITMAP);
        const uint8_t *p = static_cast<const uint8_t *>(LockResource(LoadResource(AppInfo.hInstance, hrsrc)));
        ok_ = ParsePackedDib(p, SizeofResource(AppInfo.hInstance, hrsrc), &sheet_);
    }
    bool ok() const { return ok_; }
    uint32_t At(int x, int y) const
    {
        const int rows = sheet_.nHeight > 0 ? sheet_.nHeight : -sheet_.nHeight;
        const int stored = sheet_.nHeight > 0 ? rows - 1 - y : y;
        const uint8_t index = sheet_.pPixels[static_cast<size_t>(stored) * DibRowBytes(sheet_.nWidth, 8) + x];
        const uint8_t *q = sheet_.pColorTable + 4 * index;
        return q[0] | q[1] << 8 | q[2] << 16;
    }

private:
    PixelSource sheet_ = {};
    bool ok_ = false;
};

// Every test starts from the defaults with the time signal and rotation quiet,
// and leaves the globals as it found them.
class RenderTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = Settings;
        savedBlink_ = nBlinkStep;
        savedReady_ = bChimeReady;
        SetDefaultSettings(&Settings);
        Settings.nChangeTiming = 13;
        nBlinkStep = -1;
    }
    void TearDown() override
    {
        Settings = saved_;
        nBlinkStep = savedBlink_;
        bChimeReady = savedReady_;
        SetLocalTimeOverride(nullptr);
    }
    static void PinTime(WORD year, WORD month, WORD day, WORD weekday, WORD hour, WORD minute, WORD second)
    {
        SYSTEMTIME st = {year, month, weekday, day, hour, minute, second, 0};
        SetLocalTimeOverride(&st);
    }

private:
    SettingsRecord saved_;
    int savedBlink_;
    int savedReady_;
};

// A plain popup window of the client size the layout asks for, painted into a DIB.
class PaintWindowTest : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = AppInfo.hInstance;
        wc.lpszClassName = "VespinPaintTest";
        RegisterClassA(&wc);
        hWnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 120, 160, nullptr, nullptr,
                                AppInfo.hInstance, nullptr);
        ASSERT_NE(hWnd_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(hWnd_);
        RenderTest::TearDown();
    }
    // Paints the window's client area into image (large enough for every layout).
    void Paint(TestImage &image)
    {
        const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
        RECT rc;
        GetClientRect(hWnd_, &rc);
        if (rc.right != layout.cxClient || rc.bottom != layout.cyClient)
            SetWindowPos(hWnd_, nullptr, 0, 0, layout.cxClient, layout.cyClient, SWP_NOZORDER | SWP_NOACTIVATE);
        image.Fill(1);
        PaintWindow(hWnd_, image.dc());
    }
    HWND hWnd_ = nullptr;
};
