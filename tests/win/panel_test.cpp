// The character panel under Wine: working images, BlendDib on a DIB section,
// transparency, the blink patches, the frame rows and the clock overlay.
#include "tests/win/render_fixture.h"

namespace {

using PanelTest = RenderTest;

TEST_F(PanelTest, CreateRgbDibIsTopDownTwentyFourBit)
{
    void *pvBits = nullptr;
    HBITMAP hbm = CreateRgbDib(nullptr, 120, 160, &pvBits);
    ASSERT_NE(hbm, nullptr);
    BITMAP bm;
    ASSERT_EQ(GetObjectA(hbm, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
    EXPECT_EQ(bm.bmBitsPixel, 24);
    EXPECT_EQ(bm.bmWidthBytes, 360);
    EXPECT_EQ(bm.bmBits, pvBits);
    // The first bytes are the top-left pixel, blue first.
    static_cast<uint8_t *>(pvBits)[0] = 0x30, static_cast<uint8_t *>(pvBits)[2] = 0x90;
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hdc, hbm);
    EXPECT_EQ(GetPixel(hdc, 0, 0), RGB(0x90, 0, 0x30));
    SelectObject(hdc, hOld);
    DeleteDC(hdc);
    DeleteObject(hbm);
}

TEST_F(PanelTest, BlendDibWritesTheDibSectionAndClampsTransparency)
{
    // A 2x2 8-bit source stored bottom-up: top row indexes 1 0, bottom row 0 1.
    struct {
        BITMAPINFOHEADER bmih;
        RGBQUAD colors[2];
    } source = {{sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0}, {{0, 0, 0, 0}, {100, 150, 200, 0}}};
    const uint8_t bits[8] = {0, 1, 0, 0, 1, 0, 0, 0};
    struct Case {
        int t, x;
        uint32_t topLeft;
    } cases[] = {
        {50, 1, 50 + 75 * 256 + 100 * 65536 + 0x282828},  // 100/2 + 80/2 ...
        {300, 1, 0x505050},                              // clamped to 100: unchanged
        {-20, 1, 100 + 150 * 256 + 200 * 65536},         // clamped to 0: copied
        {0, 3, 0x505050},                                // 2 wide from x 3 does not fit in 4
    };
    for (const Case &c : cases) {
        TestImage image(4, 3);
        image.Fill(80);
        BlendDib(image.bitmap(), c.x, 1, 2, 2, &source.bmih, bits, 0, 0, 0, c.t);
        EXPECT_EQ(image.At(c.x, 1), c.topLeft) << c.t;
        EXPECT_EQ(image.At(c.x + 1 < 4 ? c.x + 1 : 0, 1), 0x505050u) << "key pixel, " << c.t;
    }
}

// The panel drawn with the page shown (no overlay), page on the right: panel at (0, 0).
std::vector<uint32_t> PanelPixels()
{
    TestImage target(120, 160);
    target.Fill(1);
    DrawCharacterPanel(target.dc());
    std::vector<uint32_t> out;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x)
            out.push_back(target.At(x, y));
    return out;
}

// The panel at transparency 0: the sheet's non-black pixels over the background,
// with the eyes taken from patch nPatch (-1: as stored) and the frame rows untouched.
std::vector<uint32_t> ExpectedOpaquePanel(int nPatch)
{
    static const int patchTop[3] = {17, 47, 77};
    const std::vector<uint32_t> back = ResourcePicture(IDB_BACKGROUND);
    SheetResource sheet;
    std::vector<uint32_t> out = back;
    for (int y = 0; y < 152; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool eyes = nPatch >= 0 && x >= 8 && x < 104 && y >= 47 && y < 77;
            const uint32_t c = eyes ? sheet.At(x - 8 + 128, y - 47 + patchTop[nPatch]) : sheet.At(x, y);
            if (c != kCharacterKey)
                out[y * 120 + x] = c;
        }
    return out;
}

TEST_F(PanelTest, TransparencyHundredShowsOnlyTheBackground)
{
    Settings.bStatus = 1, Settings.nCalendarPos = 1;
    for (int t : {100, 250}) {
        Settings.nTransparent = t;
        EXPECT_EQ(PanelPixels(), ResourcePicture(IDB_BACKGROUND)) << t;
    }
}

TEST_F(PanelTest, TransparencyZeroDrawsTheCharacterOpaqueAndLeavesTheFrameRows)
{
    ASSERT_TRUE(SheetResource().ok());
    Settings.bStatus = 1, Settings.nCalendarPos = 1;
    for (int t : {0, -7}) {
        Settings.nTransparent = t;
        EXPECT_EQ(PanelPixels(), ExpectedOpaquePanel(-1)) << t;
    }
}

TEST_F(PanelTest, BlinkStepsShowTheirPatchesOnlyForTheThirdCharacter)
{
    Settings.bStatus = 1, Settings.nCalendarPos = 1, Settings.nTransparent = 0;
    const int patchOfStep[5] = {0, 2, 1, 2, 0};
    for (int chara = 0; chara < 3; ++chara)
        for (int step = -1; step <= 4; ++step) {
            Settings.nDrawChara = chara;
            nBlinkStep = step;
            const int patch = chara == 2 && step >= 0 ? patchOfStep[step] : -1;
            EXPECT_EQ(PanelPixels(), ExpectedOpaquePanel(patch)) << "character " << chara << ", step " << step;
        }
}

TEST_F(PanelTest, PageShownMeansNoClockOverlay)
{
    PinTime(2024, 6, 5, 3, 10, 30, 0);
    Settings.nTransparent = 0, Settings.nTransparentCal = 0, Settings.nCalendarPos = 1;
    Settings.bStatus = 1;
    EXPECT_EQ(PanelPixels(), ExpectedOpaquePanel(-1));
}

TEST_F(PanelTest, OverlayAtHundredIsHiddenAndAtZeroInksOnlyItsBands)
{
    PinTime(2024, 12, 24, 2, 10, 30, 0);
    Settings.nTransparent = 0, Settings.nCalendarPos = 1;
    const std::vector<uint32_t> plain = ExpectedOpaquePanel(-1);
    Settings.bStatus = 0;
    Settings.nTransparentCal = 100;
    EXPECT_EQ(PanelPixels(), plain);

    Settings.nTransparentCal = 0;
    const std::vector<uint32_t> inked = PanelPixels();
    int timeInk = 0, dateInk = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint32_t c = inked[y * 120 + x];
            if (c == plain[y * 120 + x])
                continue;
            // Outlined text, black on a white rim (smoothed edges grey), one pixel outside each band at most.
            ASSERT_TRUE((y >= 7 && y <= 41) || (y >= 119 && y <= 153)) << x << "," << y;
            ASSERT_TRUE((c & 0xFF) * 0x010101 == c) << std::hex << c << " at " << std::dec << x << "," << y;
            (y < 80 ? timeInk : dateInk) += c == 0;
        }
    EXPECT_GT(timeInk, 20);
    EXPECT_GT(dateInk, 20);
}

}  // namespace
