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
    void SetDpi(WORD wDpi)
    {
        RECT rcSuggested;  // what the system would propose; the placement rules decide
        GetWindowRect(hWnd_, &rcSuggested);
        SendMessageA(hWnd_, WM_DPICHANGED, MAKEWPARAM(wDpi, wDpi), reinterpret_cast<LPARAM>(&rcSuggested));
    }
    RECT WindowRect() const
    {
        RECT rc;
        GetWindowRect(hWnd_, &rc);
        return rc;
    }
    std::vector<uint32_t> Shown(int cx, int cy) const
    {
        TestImage image(cx, cy);
        HDC hdc = GetDC(hWnd_);
        BitBlt(image.dc(), 0, 0, cx, cy, hdc, 0, 0, SRCCOPY);
        ReleaseDC(hWnd_, hdc);
        return Pixels(image, 0, 0, cx, cy);
    }
    // How many pixels of a 480 x 320 picture differ from the 240 x 160 one's pixel they enlarge.
    static size_t BlocksUnlike(const std::vector<uint32_t> &two, const std::vector<uint32_t> &one)
    {
        size_t n = 0;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 480; ++x)
                n += two[y * 480 + x] != one[y / 2 * 240 + x / 2];
        return n;
    }
};

TEST_F(DisplayScaleTest, AtTwiceTheDpiEachPixelIsATwoByTwoBlockAndTheCharacterKeepsItsPlace)
{
    PinTime(2024, 6, 5, 3, 10, 30);
    Settings.nWindowX = 300, Settings.nWindowY = 200;  // clear of Wine's tray window
    SetDpi(96);
    ASSERT_EQ(WindowRect().right - WindowRect().left, 240);
    const std::vector<uint32_t> one = Shown(240, 160);
    SetDpi(192);
    const RECT rc = WindowRect();
    EXPECT_TRUE(rc.left == 300 && rc.top == 200 && rc.right == 780 && rc.bottom == 520);
    EXPECT_EQ(BlocksUnlike(Shown(480, 320), one), 0u);
    // A tick draws only the time again, enlarged as the rest.
    PinTime(2024, 6, 5, 3, 10, 30, 1);
    SendMessageA(hWnd_, WM_TIMER, uTimer1, 0);
    TestImage kept(240, 160);
    BitBlt(kept.dc(), 0, 0, 240, 160, GetCanvas(nullptr)->picture.hdc, 0, 0, SRCCOPY);
    const std::vector<uint32_t> moved = Pixels(kept, 0, 0, 240, 160);
    EXPECT_NE(moved, one);
    EXPECT_EQ(BlocksUnlike(Shown(480, 320), moved), 0u);

    // The page on the left: the window grows leftwards, the character stays at x 420.
    SetDpi(96);
    Settings.nCalendarPos = 3, Settings.nWindowX = 300;
    PlaceWindow(hWnd_);
    SetDpi(192);
    EXPECT_EQ(WindowRect().left, 420 - 240);
    SetDpi(96);
    EXPECT_EQ(WindowRect().left, 300);

    // The bottom-right corner of the 1024 x 768 screen.
    Settings.nWindowPos = 4;
    SetDpi(192);
    EXPECT_TRUE(WindowRect().left == 544 && WindowRect().top == 448);
}

}  // namespace
