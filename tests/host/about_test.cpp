// The url.dll path and its bounds, the Shift-JIS trail-byte rule, where the credits stand, and the reveal's passes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "about/about_text.h"

namespace {

// Byte-exact: "表" is 95 5C and "ソ" is 83 5C in Shift-JIS.
TEST(AppendBackslash, AddsASeparatorUnlessTheLastCharacterIsOne)
{
    const struct {
        const char *in, *out;
    } cases[] = {
        {"", ""},
        {"C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM\\"},
        {"C:\\", "C:\\"},
        {"C:\\\x95\x5C", "C:\\\x95\x5C\\"},          // 表: the 0x5C is a trail byte
        {"C:\\\x83\x5C\\", "C:\\\x83\x5C\\"},        // ソ then a real separator
        {"C:\\\x83\x83\x5C", "C:\\\x83\x83\x5C"},      // ャ (83 83), then a separator of its own
        {"\x5C", "\x5C"},
        {"\x95", "\x95\\"},  // a lone lead byte at the end is a character of its own
    };
    for (const auto &c : cases) {
        char buf[64];
        strcpy(buf, c.in);
        EXPECT_EQ(AppendBackslash(buf, sizeof(buf)), 1) << c.in;
        EXPECT_STREQ(buf, c.out) << c.in;
    }
}

TEST(AppendBackslash, WithoutDoubleByteCharactersEvery5CIsASeparator)
{
    char buf[16] = "C:\\\x95\x5C";
    EXPECT_EQ(AppendBackslash(buf, sizeof(buf), [](unsigned char) { return false; }), 1);
    EXPECT_STREQ(buf, "C:\\\x95\x5C");
}

TEST(AppendBackslash, NeverWritesPastItsBuffer)
{
    // Heap buffers of the exact size, so the sanitizer sees any byte written past them.
    std::vector<char> full(4);
    memcpy(full.data(), "abc", 4);
    EXPECT_EQ(AppendBackslash(full.data(), full.size()), 0);
    EXPECT_STREQ(full.data(), "abc");
    std::vector<char> fits(5);
    memcpy(fits.data(), "abc", 4);
    EXPECT_EQ(AppendBackslash(fits.data(), fits.size()), 1);
    EXPECT_STREQ(fits.data(), "abc\\");
    std::vector<char> unterminated(3, 'a');
    EXPECT_EQ(AppendBackslash(unterminated.data(), unterminated.size()), 0);
}

TEST(UrlDllPath, BuiltWithinTheBufferOrAnsweredNotPresent)
{
    const size_t cb = 260;
    const struct {
        const char *what;
        std::string dir;
        unsigned int cchResult;
        const char *expected;  // null: not present
    } cases[] = {
        {"usual", "C:\\WINDOWS\\SYSTEM", 17, "C:\\WINDOWS\\SYSTEM\\url.dll"},
        {"root", "C:\\", 3, "C:\\url.dll"},
        {"ends in a trail byte 5C", "C:\\\x95\x5C", 5, "C:\\\x95\x5C\\url.dll"},
        {"read failed", "", 0, nullptr},
        {"the size it would have needed", std::string(259, 'a'), 300, nullptr},
        {"exactly fits: 251 + \\ + url.dll + NUL", std::string(251, 'a'), 251, ""},
        {"one too long", std::string(252, 'a'), 252, nullptr},
        {"too long to take the backslash", std::string(259, 'a'), 259, nullptr},
        {"with its backslash, exactly fits", std::string(251, 'a') + "\\", 252, ""},
    };
    for (const auto &c : cases) {
        std::vector<char> buf(cb, 'x');
        memcpy(buf.data(), c.dir.data(), std::min(c.dir.size(), cb));
        const int present = MakeUrlDllPath(buf.data(), cb, c.cchResult);
        EXPECT_EQ(present, c.expected != nullptr) << c.what;
        if (c.expected == nullptr)
            continue;
        const std::string want = *c.expected ? std::string(c.expected) : std::string(251, 'a') + "\\url.dll";
        EXPECT_EQ(std::string(buf.data()), want) << c.what;
    }
}

TEST(StaffCredits, RowsStandAtTheirLinesAndTheTabRowAddsHalfALine)
{
    CreditLine lines[kMaxCreditLines];
    ASSERT_EQ(LayOutCredits(12, lines, kMaxCreditLines), 8);
    const int ys[] = {10, 22, 34, 46, 64, 76, 88, 100};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[i].y, ys[i]) << i;
    // Odd line heights halve downwards: 13 / 2 = 6.
    ASSERT_EQ(LayOutCredits(13, lines, kMaxCreditLines), 8);
    EXPECT_EQ(lines[4].y, 10 + 4 * 13 + 6);
    EXPECT_STREQ(lines[0].pszLeft, "Vespin  Version 0.90");
    EXPECT_STREQ(lines[2].pszLeft, "            Graphic");
    EXPECT_STREQ(lines[3].pszLeft, "            Program");
    EXPECT_STREQ(lines[4].pszLeft, "            Thanks");
    EXPECT_STREQ(lines[7].pszLeft, "     " ABOUT_NOTICE);
    // A short array takes only what fits.
    EXPECT_EQ(LayOutCredits(12, lines, 3), 3);
}

TEST(StaffCredits, SecondColumnAtFortyPercentPlusTheMargin)
{
    for (auto c : {std::pair{264, 125}, {0, 20}, {99, 59}, {352, 160}})
        EXPECT_EQ(CreditRightX(c.first), c.second) << c.first;
}

// Pass n copies x = (y + n) mod 7, then every seventh column: after k passes exactly
// the pixels with (x - y) mod 7 < k are copied, each once.
TEST(Reveal, AfterKPassesExactlyTheStripesBelowKAreCopiedEachOnce)
{
    const int cx = 23, cy = 17;
    std::vector<int> copies(cx * cy, 0);
    for (int k = 0; k <= kRevealPasses; ++k) {
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x) {
                ASSERT_EQ(copies[y * cx + x], IsRevealed(x, y, k) ? 1 : 0) << x << "," << y << " after " << k;
                const int stripe = ((x - y) % 7 + 7) % 7;
                ASSERT_EQ(IsRevealed(x, y, k), stripe < k);
            }
        if (k == kRevealPasses)
            break;
        for (int y = 0; y < cy; ++y)
            for (int x = RevealFirstColumn(y, k); x < cx; x += kRevealPasses)
                ++copies[y * cx + x];
    }
}

}  // namespace
