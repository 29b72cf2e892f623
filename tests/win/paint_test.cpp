// PaintWindow under Wine: the layout of panel and page, the page's ink colours, and the check run first.
#include "tests/win/render_fixture.h"

namespace {

using PaintTest = PaintWindowTest;

bool RegionEquals(const TestImage &image, int x0, int y0, const std::vector<uint32_t> &picture, int rows)
{
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < 120; ++x)
            if (image.At(x0 + x, y0 + y) != picture[y * 120 + x])
                return false;
    return true;
}

TEST_F(PaintTest, PanelAndPageStandWhereTheLayoutPutsThem)
{
    struct Case {
        int32_t bStatus, nCalendarPos;
        int cx, cy, xPanel, yPanel, xPage, yPage;
    } cases[] = {
        {1, 0, 120, 320, 0, 160, 0, 0},
        {1, 1, 240, 160, 0, 0, 120, 0},
        {1, 2, 120, 320, 0, 0, 0, 160},
        {1, 3, 240, 160, 120, 0, 0, 0},
        {1, 9, 240, 160, 120, 0, 0, 0},  // unknown code: as 3, no overlap
        {0, 0, 120, 160, 0, 0, -1, -1},
    };
    PinTime(2024, 6, 5, 3, 10, 30, 0);
    const std::vector<uint32_t> back = ResourcePicture(IDB_BACKGROUND);
    const std::vector<uint32_t> page = ResourcePicture(IDB_CALENDAR);
    for (const Case &c : cases) {
        Settings.bStatus = c.bStatus, Settings.nCalendarPos = c.nCalendarPos;
        Settings.nTransparent = 100, Settings.nTransparentCal = 100;
        TestImage image(240, 320);
        Paint(image);
        RECT rc;
        GetClientRect(hWnd_, &rc);
        EXPECT_EQ(rc.right, c.cx);
        EXPECT_EQ(rc.bottom, c.cy);
        EXPECT_TRUE(RegionEquals(image, c.xPanel, c.yPanel, back, 160)) << c.nCalendarPos;
        // Above the year's text the page is its picture alone.
        if (c.bStatus) {
            EXPECT_TRUE(RegionEquals(image, c.xPage, c.yPage, page, 5)) << c.nCalendarPos;
        }
        // Nothing is drawn outside the client area.
        EXPECT_EQ(image.At(239, 319), 0x010101u);
    }
}

// Pixels of exactly this colour in rows [top, bottom) of the page at (0, 0), page on the right.
int CountInk(const TestImage &image, int xPage, int top, int bottom, uint32_t colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < 120; ++x)
            n += image.At(xPage + x, y) == colour;
    return n;
}

int CountInk(const std::vector<uint32_t> &picture, int top, int bottom, uint32_t colour)
{
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < 120; ++x)
            n += picture[y * 120 + x] == colour;
    return n;
}

TEST_F(PaintTest, DayInkFollowsTheDayAndTheYearIsAlwaysBlack)
{
    constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0;
    struct Case {
        const char *what;
        WORD year, month, day, weekday;
        uint32_t ink;
    } cases[] = {
        {"Sunday", 2024, 6, 2, 0, kRed},
        {"holiday (3 May, a Friday)", 2024, 5, 3, 5, kRed},
        {"substitute Monday (6 May)", 2024, 5, 6, 1, kRed},
        {"Saturday holiday (1 January 2022)", 2022, 1, 1, 6, kRed},
        {"plain Saturday", 2024, 6, 1, 6, kBlue},
        {"plain Wednesday", 2024, 6, 5, 3, kBlack},
    };
    const std::vector<uint32_t> page = ResourcePicture(IDB_CALENDAR);
    Settings.bStatus = 1, Settings.nCalendarPos = 1;
    for (const Case &c : cases) {
        PinTime(c.year, c.month, c.day, c.weekday, 10, 30, 0);
        TestImage image(240, 160);
        Paint(image);
        // The day number's band: rows 67 to 106 of the page hold nothing else.
        for (uint32_t ink : {kRed, kBlue, kBlack}) {
            const int added = CountInk(image, 120, 67, 107, ink) - CountInk(page, 67, 107, ink);
            if (ink == c.ink) {
                EXPECT_GT(added, 30) << c.what;
            } else {
                EXPECT_LE(added, 0) << c.what << ": ink " << std::hex << ink;
            }
        }
        // The year's band, rows 5 to 17: black text only.
        EXPECT_GT(CountInk(image, 120, 5, 18, kBlack) - CountInk(page, 5, 18, kBlack), 10) << c.what;
        EXPECT_LE(CountInk(image, 120, 5, 18, kRed) - CountInk(page, 5, 18, kRed), 0) << c.what;
        EXPECT_LE(CountInk(image, 120, 5, 18, kBlue) - CountInk(page, 5, 18, kBlue), 0) << c.what;
    }
}

TEST_F(PaintTest, TimeSignalCheckRunsBeforeTheCharacterIsDrawn)
{
    // Rotation due at 12:00 from 11:59: the same paint already draws character 2's blink patch.
    PinTime(2024, 6, 5, 3, 12, 0, 0);
    Settings.bStatus = 1, Settings.nCalendarPos = 1, Settings.nTransparent = 0;
    Settings.nChangeTiming = 6, Settings.bRandom = 0, Settings.nDrawChara = 1;
    Settings.nHourOld = 11, Settings.nMinuteOld = 59;
    nBlinkStep = 2;
    TestImage painted(240, 160);
    Paint(painted);
    EXPECT_EQ(Settings.nDrawChara, 2);
    EXPECT_EQ(Settings.nHourOld, 12);
    EXPECT_EQ(Settings.nMinuteOld, 0);

    TestImage direct(120, 160);
    direct.Fill(1);
    DrawCharacterPanel(direct.dc());
    for (int y = 40; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(painted.At(x, y), direct.At(x, y)) << x << "," << y;
}

}  // namespace
