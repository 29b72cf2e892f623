// The character panel under Wine: BlendDib on a DIB section, transparency, the blink patches,
// the frame rows and the clock overlay.
#include "render/panel.h"
#include "tests/win/render_fixture.h"

namespace {

using PanelTest = RenderTest;

TEST_F(PanelTest, BlendDibReadsABottomUpPaletteSourceIntoTheDibSection)
{
    // 2x2 stored bottom-up: the top row is indexes 1 0, the bottom row 0 1; index 0 is black, the key.
    struct { BITMAPINFOHEADER bmih; RGBQUAD colors[2]; } source = {
        {sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0}, {{0, 0, 0, 0}, {100, 150, 200, 0}}};
    const uint8_t bits[8] = {0, 1, 0, 0, 1, 0, 0, 0};
    TestImage image(4, 3);
    image.Fill(80);
    BlendDib(image.bitmap(), 1, 1, 2, 2, &source.bmih, bits, 0, 0, 0, 50);
    const uint32_t o = 0x505050, ink = (100 + 80) / 2 | (150 + 80) / 2 << 8 | (200 + 80) / 2 << 16;
    EXPECT_EQ(Pixels(image, 0, 0, 4, 3), (std::vector<uint32_t>{o, o, o, o, o, ink, o, o, o, o, ink, o}));
}

std::vector<uint32_t> PanelPixels(const SYSTEMTIME &st = {2024, 12, 2, 24, 10, 30, 0, 0})
{
    TestImage target(120, 160);
    target.Fill(1);
    DrawCharacterPanel(target.dc(), MakePictureKey(Settings, nBlinkStep, {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek,
                                                                           st.wHour, st.wMinute, st.wSecond}));
    return Pixels(target, 0, 0);
}

// The panel at transparency 0: the sheet's non-black pixels over the background, the eyes
// from patch nPatch (-1: as stored), and the bottom 8 rows background whatever the sheet holds.
std::vector<uint32_t> ExpectedOpaquePanel(int nPatch)
{
    const std::vector<uint32_t> sheet = ResourcePicture(IDB_CHARACTER, 240);
    std::vector<uint32_t> out = ResourcePicture(IDB_BACKGROUND);
    for (int y = 0; y < kCharacterHeight; ++y)
        for (int x = 0; x < kCharacterWidth; ++x) {
            const bool eyes = nPatch >= 0 && x >= kEyesLeft && x < kEyesLeft + kPatchWidth && y >= kEyesTop &&
                              y < kEyesTop + kPatchHeight;
            const uint32_t c = eyes ? sheet[(y - kEyesTop + kPatchTop[nPatch]) * 240 + x - kEyesLeft + kPatchLeft]
                                    : sheet[y * 240 + x];
            if (c != 0)
                out[y * 120 + x] = c;
        }
    return out;
}

TEST_F(PanelTest, TransparencyZeroDrawsTheCharacterWithItsBlinkPatchAndHundredOnlyTheBackground)
{
    const std::vector<uint32_t> back = ResourcePicture(IDB_BACKGROUND);
    ASSERT_NE(ExpectedOpaquePanel(-1), back);
    for (int t : {0, 100})
        for (int chara = 0; chara < 3; ++chara)
            for (int step = -1; step <= 4; ++step) {
                Settings.nTransparent = t, Settings.nDrawChara = chara, nBlinkStep = step;
                EXPECT_EQ(PanelPixels(), t == 0 ? ExpectedOpaquePanel(BlinkPatchFor(step, chara)) : back)
                    << t << ": " << chara << "," << step;
            }
}

TEST_F(PanelTest, ClockOverlayOnlyWhileThePageIsHiddenAndBelowHundred)
{
    const std::vector<uint32_t> plain = ExpectedOpaquePanel(-1);
    Settings.bStatus = 1, Settings.nTransparentCal = 0;
    EXPECT_EQ(PanelPixels(), plain);
    Settings.bStatus = 0, Settings.nTransparentCal = 100;
    EXPECT_EQ(PanelPixels(), plain);
    Settings.nTransparentCal = 0;
    const std::vector<uint32_t> inked = PanelPixels();
    int timeInk = 0, dateInk = 0;
    for (size_t i = 0; i < inked.size(); ++i) {
        const size_t y = i / 120;
        if (inked[i] == plain[i])
            continue;
        // Outlined text, black on a white rim (smoothed edges grey), one pixel outside each band at most.
        ASSERT_TRUE((y >= 7 && y <= 41) || (y >= 119 && y <= 153)) << i % 120 << "," << y;
        ASSERT_EQ((inked[i] & 0xFF) * 0x010101, inked[i]) << i % 120 << "," << y;
        (y < 80 ? timeInk : dateInk) += inked[i] == 0;
    }
    EXPECT_GT(timeInk, 20);
    EXPECT_GT(dateInk, 20);
}

}  // namespace
