// Shift-JIS and UTF-16 at the boundary with Windows: by code page 932 whatever the system's, and
// nothing Shift-JIS cannot spell ever stored half-converted.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "base/wide_win.h"

namespace {

TEST(WideText, NamesAndPathsGoThroughCodePage932AndWhatShiftJisLacksIsRefusedWhole)
{
    const struct { const wchar_t *wide; const char *sjis; } cases[] = {
        {L"ＭＳ ゴシック", "ＭＳ ゴシック"},
        {L"C:\\表\\ソ能.wav", "C:\\表\\ソ能.wav"},  // 0x5C as a second byte
        {L"①～－", "①～－"},                        // as code page 932 maps them
        {L"café.wav", nullptr},                     // Latin, emoji and Hangul have no Shift-JIS form
        {L"\U0001F600", nullptr},
        {L"한글", nullptr},
    };
    for (const auto &c : cases) {
        char sz[64];
        std::memset(sz, 'x', sizeof(sz));
        EXPECT_EQ(ToShiftJis(c.wide, sz, sizeof(sz)), c.sjis != nullptr);
        EXPECT_EQ(std::string(sz), c.sjis ? c.sjis : "") << "refused means empty";
        if (c.sjis) {
            EXPECT_EQ(std::wstring(WideText(c.sjis)), c.wide);
        }
    }
    char szShort[4] = "xxx";
    EXPECT_FALSE(ToShiftJis(L"あいう", szShort, sizeof(szShort)));
    EXPECT_STREQ(szShort, "") << "too long for the field is refused too";
}

}  // namespace
