// The display scale on the real window: told a DPI as Windows tells it, the window takes the
// whole-number scale, shows the picture of 96 DPI with every pixel a block, and keeps its place.
#include "tests/win/render_fixture.h"

#include "base/dpi_win.h"

namespace {

class DisplayScaleTest : public PaintWindowTest {
protected:
    void TearDown() override
    {
        SetDpi(96);
        PaintWindowTest::TearDown();
    }
    // The rectangle the system would suggest goes with it; the placement rules decide.
    void SetDpi(WORD wDpi)
    {
        GetWindowRect(hWnd_, &rc_);
        SendMessageA(hWnd_, WM_DPICHANGED, MAKEWPARAM(wDpi, wDpi), reinterpret_cast<LPARAM>(&rc_));
        GetWindowRect(hWnd_, &rc_);
    }
    // What the window shows, each pixel taken from the top left of its 2 x 2 block; and how many
    // pixels of the 480 x 320 window differ from that pixel.
    std::vector<uint32_t> ShownHalved(size_t *pnUnlike) const
    {
        TestImage image(480, 320);
        HDC hdc = GetDC(hWnd_);
        BitBlt(image.dc(), 0, 0, 480, 320, hdc, 0, 0, SRCCOPY);
        ReleaseDC(hWnd_, hdc);
        std::vector<uint32_t> half;
        *pnUnlike = 0;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 480; ++x) {
                *pnUnlike += image.At(x, y) != image.At(x / 2 * 2, y / 2 * 2);
                if (x % 2 == 0 && y % 2 == 0)
                    half.push_back(image.At(x, y));
            }
        return half;
    }
    RECT rc_ = {};
};

TEST_F(DisplayScaleTest, AtTwiceTheDpiEachPixelIsATwoByTwoBlockAndTheCharacterKeepsItsPlace)
{
    PinTime(2024, 6, 5, 3, 10, 30);
    Settings.nWindowX = 300, Settings.nWindowY = 200;  // clear of Wine's tray window
    SetDpi(192);
    EXPECT_TRUE(rc_.left == 300 && rc_.top == 200 && rc_.right == 780 && rc_.bottom == 520);
    // At once, and after a tick that draws only the time again: the picture as composed, enlarged.
    std::vector<uint32_t> before;
    for (WORD second : {0, 1}) {
        PinTime(2024, 6, 5, 3, 10, 30, second);
        SendMessageA(hWnd_, WM_TIMER, uTimer1, 0);
        TestImage one(240, 160);
        BitBlt(one.dc(), 0, 0, 240, 160, GetCanvas(nullptr)->picture.hdc, 0, 0, SRCCOPY);
        size_t nUnlike;
        const std::vector<uint32_t> half = ShownHalved(&nUnlike);
        EXPECT_EQ(half, Pixels(one, 0, 0, 240, 160)) << second;
        EXPECT_EQ(nUnlike, 0u) << second;
        EXPECT_NE(half, before) << "the colon blinks";
        before = half;
    }
    // A repaint the system asks for at odd window pixels covers whole picture pixels around them.
    {
        ScopedGetDC dc(hWnd_);
        ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(RGB(255, 0, 255)));
        const RECT rcAll = {0, 0, 480, 320}, rcOdd = {5, 7, 9, 11};
        FillRect(dc, &rcAll, brush);
        RedrawWindow(hWnd_, &rcOdd, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        TestImage shown(480, 320);
        BitBlt(shown.dc(), 0, 0, 480, 320, dc, 0, 0, SRCCOPY);
        for (int y = rcOdd.top; y < rcOdd.bottom; ++y)
            for (int x = rcOdd.left; x < rcOdd.right; ++x)
                EXPECT_EQ(shown.At(x, y), before[y / 2 * 240 + x / 2]) << x << "," << y;
    }
    // The page on the left: the window grows leftwards, the character stays at x 420.
    SetDpi(96);
    Settings.nCalendarPos = 3;
    PlaceWindow(hWnd_);
    SetDpi(192);
    EXPECT_EQ(rc_.left, 420 - 240);
    SetDpi(96);
    EXPECT_EQ(rc_.left, 300);
}

}  // namespace
