// vespin.exe on a display of 192 DPI (run in a prefix at that scale, see the Win32 test targets):
// it starts at twice its size, in the corner of the screen, every pixel of its picture a 2 x 2 block.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

TEST(DisplayScaleAt192Dpi, StartsAtTwiceItsSizeInTheCornerWithEveryPixelATwoByTwoBlock)
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    rec.nWindowPos = 4, rec.nCalendarPos = 1;
    teststore::StoreRecord(rec);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    RECT rc = {};
    EXPECT_TRUE(e2e::WaitFor([&] { return GetWindowRect(app.hWnd, &rc) && rc.left == 544 && rc.top == 448; }))
        << rc.left << "," << rc.top << " " << rc.right - rc.left << "x" << rc.bottom - rc.top;
    EXPECT_TRUE(rc.right == 1024 && rc.bottom == 768);

    // The screen as one picture, read in one blit, so no tick comes between two halves of a block.
    HDC hdcScreen = GetDC(nullptr);
    HDC hdc = CreateCompatibleDC(hdcScreen);
    BITMAPINFO bmi = {{sizeof(BITMAPINFOHEADER), 480, -320, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *pvBits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hdc, hbm);
    BitBlt(hdc, 0, 0, 480, 320, hdcScreen, 544, 448, SRCCOPY);
    GdiFlush();
    const std::vector<uint32_t> shown(static_cast<uint32_t *>(pvBits), static_cast<uint32_t *>(pvBits) + 480 * 320);
    SelectObject(hdc, hOld);
    DeleteObject(hbm);
    DeleteDC(hdc);
    ReleaseDC(nullptr, hdcScreen);
    size_t nOdd = 0;
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 480; ++x)
            nOdd += (shown[y * 480 + x] & 0xFFFFFF) != (shown[y / 2 * 2 * 480 + x / 2 * 2] & 0xFFFFFF);
    EXPECT_EQ(nOdd, 0u);
    EXPECT_EQ(app.Exit(), 0);
    e2e::DeleteSettingsKey();
}

}  // namespace
