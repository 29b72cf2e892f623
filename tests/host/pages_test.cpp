// The pages' rules: percentage text, Shift-JIS path cutting and the folder of a picked file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/clockpage.h"
#include "settings/pagecontrols.h"

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

// "表" is 95 5C and "ソ" 83 5C in Shift-JIS: their second byte is a backslash. Each buffer is
// exactly cbDest long, so a write past it shows under the sanitizer.
TEST(PathRules, CutNeverSplitsATwoByteCharacterAndTheFolderEndsAtTheLastRealBackslash)
{
    const std::string kHyo = "\x95\x5C", kSo = "\x83\x5C";
    const struct { std::string src; size_t cbDest; std::string cut; } cuts[] = {
        {"abc", 4, "abc"}, {"abcd", 4, "abc"}, {"a" + kHyo, 4, "a" + kHyo}, {"ab" + kHyo, 4, "ab"},
        {kHyo + kHyo + "x", 5, kHyo + kHyo}, {"x", 1, ""}, {"a\x95", 8, "a"},  // a lead byte with nothing after it
    };
    for (const auto &c : cuts) {
        std::vector<char> sz(c.cbDest);
        CopyPathCut(sz.data(), c.cbDest, c.src.c_str());
        EXPECT_EQ(sz.data(), c.cut) << c.src << " into " << c.cbDest;
    }
    const struct { std::string path; size_t cbDest; std::string folder; } folders[] = {
        {"C:\\wave\\chime.wav", 260, "C:\\wave"}, {"C:\\chime.wav", 260, "C:\\"},
        {"C:\\" + kHyo + "\\a.wav", 260, "C:\\" + kHyo}, {"C:\\" + kSo + kHyo + ".wav", 260, "C:\\"},
        {"\\\\host\\share\\a.wav", 260, "\\\\host\\share"}, {"chime.wav", 260, ""},
        {"C:" + kHyo + "\\a.wav", 4, "C:"},  // cut short on a character boundary
    };
    for (const auto &c : folders) {
        std::vector<char> sz(c.cbDest);
        FolderOfFile(sz.data(), c.cbDest, c.path.c_str());
        EXPECT_EQ(sz.data(), c.folder) << c.path << " into " << c.cbDest;
    }
}

}  // namespace
