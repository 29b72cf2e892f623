// The url.dll path within its buffer, the Shift-JIS trail-byte rule, where the credits stand, and the reveal's passes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "about/about.h"
#include "about/staff.h"

namespace {

// Exact-size 260-byte heap buffers, so the sanitizer sees any byte written past them; an empty
// result is "not present". In Shift-JIS "表" is 95 5C and "ャ" is 83 83.
TEST(UrlDllPath, SeparatorByTheTrailByteRuleAndNothingPastTheBuffer)
{
    const std::string a251(251, 'a');
    const struct { std::string dir, out; } cases[] = {
        {"C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM\\url.dll"}, {"C:\\", "C:\\url.dll"},
        {"C:\\\x95\x5C", "C:\\\x95\x5C\\url.dll"},         // the 5C is a trail byte
        {"C:\\\x83\x83\x5C", "C:\\\x83\x83\x5C" "url.dll"},  // the 5C stands alone
        {"C:\\\x95", "C:\\\x95\\url.dll"},                  // a lone lead byte is a character
        {"", ""},                                           // the read failed
        {a251, a251 + "\\url.dll"}, {a251 + "a", ""},        // exactly fits, one too many
        {a251 + "\\", a251 + "\\url.dll"}, {std::string(259, 'a'), ""},  // no room for the backslash
    };
    for (const auto &c : cases) {
        std::vector<char> buf(260, 'x');
        memcpy(buf.data(), c.dir.data(), c.dir.size());
        EXPECT_EQ(MakeUrlDllPath(buf.data(), buf.size(), static_cast<unsigned>(c.dir.size())), !c.out.empty()) << c.dir;
        EXPECT_TRUE(c.out.empty() || buf.data() == c.out) << c.dir;
    }
    // Too small for it: GetSystemDirectoryA answers with the size it needs and leaves the buffer undefined.
    std::vector<char> buf(260, 'x');
    EXPECT_EQ(MakeUrlDllPath(buf.data(), buf.size(), 300), 0);
    // Where the code page has no double-byte characters every 5C is a separator.
    char sz[16] = "C:\\\x95\x5C", szEmpty[1] = "";
    EXPECT_EQ(AppendBackslash(sz, sizeof(sz), [](unsigned char) { return false; }), 1);
    EXPECT_STREQ(sz, "C:\\\x95\x5C");
    EXPECT_EQ(AppendBackslash(szEmpty, 1), 1);
}

TEST(StaffCredits, RowsStandLineByLineAndTheTabRowAddsHalfALine)
{
    CreditLine lines[kMaxCreditLines];
    ASSERT_EQ(LayOutCredits(12, lines, kMaxCreditLines), 8);
    const int ys[] = {10, 22, 34, 46, 64, 76, 88, 100};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[i].y, ys[i]) << i;
    EXPECT_STREQ(lines[0].pszLeft, "Vespin  Version 0.90");
    EXPECT_STREQ(lines[4].pszLeft, "            Thanks");
    EXPECT_STREQ(lines[7].pszLeft, "     " ABOUT_NOTICE);
    ASSERT_EQ(LayOutCredits(13, lines, 5), 5);
    EXPECT_EQ(lines[4].y, 10 + 4 * 13 + 6);  // half of 13 is 6
    EXPECT_EQ(CreditRightX(264), 20 + 105);
}

// Pass n copies x = (y + n) mod 7 and every seventh column after it: after k passes
// exactly the pixels with (x - y) mod 7 < k are copied, each once.
TEST(Reveal, AfterKPassesExactlyTheStripesBelowKAreCopiedEachOnce)
{
    const int cx = 23, cy = 17;
    std::vector<int> copies(cx * cy, 0);
    for (int k = 0; k <= kRevealPasses; ++k) {
        for (int i = 0; i < cx * cy; ++i) {
            const bool bCopied = ((i % cx - i / cx) % 7 + 7) % 7 < k;
            ASSERT_EQ(copies[i], bCopied ? 1 : 0) << i % cx << "," << i / cx << " after " << k;
            ASSERT_EQ(IsRevealed(i % cx, i / cx, k), bCopied);
        }
        for (int y = 0; k < kRevealPasses && y < cy; ++y)
            for (int x = RevealFirstColumn(y, k); x < cx; x += kRevealPasses)
                ++copies[y * cx + x];
    }
}

}  // namespace
