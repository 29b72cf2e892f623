// Clock text, full-width digits and the field texts, including hostile values and sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "calendar/caltext.h"

namespace {

using Format = void (*)(int, char *, size_t);

TEST(ClockText, TwelveOrTwentyFourHoursWithSecondsOrASeparatorBlinkingOnOddSeconds)
{
    const struct { int hour, minute, second; bool b24, bSecond; const char *expected; } cases[] = {
        {0, 30, 0, false, false, " 0:30"},  {12, 5, 1, false, false, " 0 05"},   {21, 7, 0, false, false, " 9:07"},
        {13, 4, 9, false, true, " 1:04:09"}, {9, 5, 3, true, true, " 9:05:03"}, {23, 59, 59, true, true, "23:59:59"},
        {9, 5, 7, true, false, " 9 05"},    {23, 59, 58, true, false, "23:59"},
    };
    for (const auto &c : cases) {
        char text[kFieldTextSize];
        FormatClockText(c.hour, c.minute, c.second, c.b24, c.bSecond, text, sizeof(text));
        EXPECT_STREQ(text, c.expected) << c.hour << ":" << c.minute << ":" << c.second << " b24 " << c.b24;
    }
}

TEST(FieldText, MonthAndDayBelowTenFullWidthYearNot)
{
    const struct { Format format; int value; const char *expected; } cases[] = {
        {FormatMonthText, 1, "１月"}, {FormatMonthText, 9, "９月"}, {FormatMonthText, 10, "10月"},
        {FormatDayText, 1, "１"}, {FormatDayText, 9, "９"}, {FormatDayText, 12, "12"}, {FormatYearText, 1998, "1998年"},
    };
    for (const auto &c : cases) {
        char text[kFieldTextSize];
        c.format(c.value, text, sizeof(text));
        EXPECT_STREQ(text, c.expected) << c.value;
    }
    const char *weekdays[] = {"", "（日）", "（月）", "（火）", "（水）", "（木）", "（金）", "（土）", ""};
    for (int weekday = -1; weekday <= 7; ++weekday)
        EXPECT_STREQ(GetWeekdayLabel(weekday), weekdays[weekday + 1]) << weekday;
}

// Every text of out-of-range values ends inside a heap block of exactly 16 bytes, so any stray
// write trips the sanitizer.
TEST(FieldText, OutOfRangeValuesStayInside16Bytes)
{
    const Format formats[] = {
        [](int v, char *p, size_t cb) { FormatClockText(v, v, v, true, true, p, cb); },
        [](int v, char *p, size_t cb) { FormatClockText(v, v, v, false, false, p, cb); },
        FormatYearText, FormatMonthText, FormatDayText,
        [](int v, char *p, size_t cb) { FormatOverlayDateText(v, v, p, cb); },
    };
    for (const Format format : formats)
        for (int value : {INT_MIN, -1, 100, INT_MAX}) {
            std::vector<char> block(kFieldTextSize);
            format(value, block.data(), block.size());
            EXPECT_LT(strnlen(block.data(), block.size()), kFieldTextSize) << value;
        }
}

std::string Repeat(const char *text, int n) { return n ? text + Repeat(text, n - 1) : ""; }

// Converts in a heap block of exactly cbBuffer bytes, so any stray access trips the sanitizer.
std::string Convert(const std::string &input, size_t cbBuffer)
{
    std::vector<char> block(cbBuffer);
    std::memcpy(block.data(), input.data(), std::min(input.size() + 1, cbBuffer));
    ToFullWidthDigits(block.data(), cbBuffer);
    return std::string(block.data());
}

TEST(FullWidthDigits, WidenDigitsAndBlanksOnlyAndNeverLeaveTheBuffer)
{
    const struct { std::string input; size_t cb; std::string expected; } cases[] = {
        {" 9", 16, "　９"}, {"a-Z/ｱ表1", 16, "a-Z/ｱ表１"}, {"        ", 9, "　　　　"},
        {"123456789012345", 16, "１２３４５６７"}, {"12345", 5, "１２"}, {"1", 1, ""},  // cut to the buffer
        {"1\x82", 3, "１"}, {"1\x82", 4, "１\x82"}, {"1表", 4, "１"},  // a lone lead byte at the end, no split character
        // Longer than the work buffer, before and after widening.
        {std::string(300, 'a'), 301, std::string(255, 'a')}, {std::string(200, '7'), 401, Repeat("７", 127)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Convert(c.input, c.cb), c.expected) << c.input.substr(0, 20) << " in " << c.cb;
    char untouched = '5';
    ToFullWidthDigits(&untouched, 0);
    EXPECT_EQ(untouched, '5');
}

}  // namespace
