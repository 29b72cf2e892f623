// The page rules: percentage text, Shift-JIS path cutting and the folder of a picked file.
#include <gtest/gtest.h>

#include <string>

#include "settings/page_rules.h"

namespace {

TEST(PercentText, OnlyZeroToOneHundredIsTakenAndEmptyMeansZero)
{
    const struct { const char *pszText; bool bTaken; int32_t nValue; } cases[] = {
        {"", true, 0}, {"0", true, 0}, {"100", true, 100}, {"007", true, 7}, {" 55", true, 55}, {"101", false, 7},
        {"4294967296", false, 7}, {"99999999999999999999", false, 7}, {"1a", false, 7}, {"-1", false, 7},
        {" ", false, 7}, {"5 ", false, 7},
    };
    for (const auto &c : cases) {
        int32_t value = 7;
        EXPECT_EQ(ReadPercentText(c.pszText, &value), c.bTaken) << '"' << c.pszText << '"';
        EXPECT_EQ(value, c.nValue) << '"' << c.pszText << '"';
    }
}

// "表" is 95 5C and "ソ" 83 5C in Shift-JIS: their second byte is a backslash.
const std::string kHyo = "\x95\x5C", kSo = "\x83\x5C";

TEST(PathCut, NeverSplitsATwoByteCharacter)
{
    const struct { std::string src; size_t cbDest; std::string expected; } cases[] = {
        {"abc", 4, "abc"}, {"abcd", 4, "abc"}, {"a" + kHyo, 4, "a" + kHyo}, {"ab" + kHyo, 4, "ab"},
        {kHyo + kHyo + "x", 5, kHyo + kHyo}, {"x", 1, ""},
        {"a\x95", 8, "a"},  // a lead byte with nothing after it
    };
    for (const auto &c : cases) {
        char sz[16];
        CopyPathCut(sz, c.cbDest, c.src.c_str());
        EXPECT_EQ(sz, c.expected) << c.src << " into " << c.cbDest;
    }
}

TEST(FolderOfFile, IsEverythingBeforeTheLastRealBackslash)
{
    const struct { std::string path; std::string folder; } cases[] = {
        {"C:\\wave\\chime.wav", "C:\\wave"}, {"C:\\chime.wav", "C:\\"}, {"C:\\" + kHyo + "\\a.wav", "C:\\" + kHyo},
        {"C:\\" + kSo + kHyo + ".wav", "C:\\"}, {"\\\\host\\share\\a.wav", "\\\\host\\share"}, {"chime.wav", ""},
    };
    for (const auto &c : cases) {
        char sz[260];
        FolderOfFile(sz, sizeof(sz), c.path.c_str());
        EXPECT_EQ(sz, c.folder) << c.path;
    }
    char szSmall[4];
    FolderOfFile(szSmall, sizeof(szSmall), ("C:" + kHyo + "\\a.wav").c_str());
    EXPECT_EQ(std::string(szSmall), "C:") << "cut short, on a character boundary";
}

}  // namespace
