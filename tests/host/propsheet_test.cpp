// The sheet finds its template's font whatever the header holds before it.
#include <gtest/gtest.h>

#include <vector>

#include "settings/propsheet.h"

namespace {

// A template of three items with the title "Ab", then the point size 8 and the face "MS".
std::vector<uint16_t> Template(bool bExtended, uint32_t dwStyle)
{
    std::vector<uint16_t> w;
    if (bExtended)
        w = {1, 0xFFFF, 0, 0, 0, 0};  // version, signature, help id, extended style
    w.insert(w.end(), {static_cast<uint16_t>(dwStyle), static_cast<uint16_t>(dwStyle >> 16)});
    if (!bExtended)
        w.insert(w.end(), {0, 0});  // extended style
    w.insert(w.end(), {3, 0, 0, 220, 140, 0, 0xFFFF, 0x8002, 'A', 'b', 0, 8});  // menu none, class by ordinal
    if (bExtended)
        w.insert(w.end(), {400, 0});  // weight, italic and charset
    w.insert(w.end(), {'M', 'S', 0});
    return w;
}

}  // namespace

TEST(SheetFont, FoundInPlainAndExtendedTemplatesOnlyWithSetFont)
{
    for (bool bExtended : {false, true}) {
        const auto w = Template(bExtended, 0x80C80040);
        const TemplateFont font = FindTemplateFont(w.data());
        ASSERT_NE(font.iPointSize, 0u);
        EXPECT_EQ(w[font.iPointSize], 8);
        EXPECT_EQ(w[font.iFace], 'M');
        EXPECT_EQ(FindTemplateFont(Template(bExtended, 0x80C80000).data()).iPointSize, 0u);
    }
}

TEST(SheetFont, PointSizeGrowsUntilTheUnitsCoverThePages)
{
    auto units = [](int pt, int *pcx, int *pcy) { *pcx = pt - 2, *pcy = 2 * pt; };
    EXPECT_EQ(FitPointSize(8, 16, 6, 12, units), 8);
    EXPECT_EQ(FitPointSize(8, 16, 8, 12, units), 10);
    EXPECT_EQ(FitPointSize(8, 16, 6, 20, units), 10);
    EXPECT_EQ(FitPointSize(8, 16, 99, 12, units), 16) << "never past the limit";
}
