// Clock text, full-width digits and the field texts, including hostile values and sizes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "calendar/caltext.h"
#include "settings/settings.h"

namespace {

TEST(ClockText, TwelveOrTwentyFourHoursWithSecondsOrASeparatorBlinkingOnOddSeconds)
{
    const struct { int hour, minute, second; bool b24, bSecond; const char *expected; } cases[] = {
        {0, 30, 0, false, false, " 0:30"},  {12, 5, 1, false, false, " 0 05"},   {21, 7, 0, false, false, " 9:07"},
        {13, 4, 9, false, true, " 1:04:09"}, {9, 5, 3, true, true, " 9:05:03"}, {23, 59, 59, true, true, "23:59:59"},
        {9, 5, 7, true, false, " 9 05"},    {23, 59, 58, true, false, "23:59"},
    };
    for (const auto &c : cases) {
        char text[kFieldTextSize];
        ComposeClockText(c.hour, c.minute, c.second, c.b24, c.bSecond, text, sizeof(text));
        EXPECT_STREQ(text, c.expected) << c.hour << ":" << c.minute << ":" << c.second << " b24 " << c.b24;
    }
    const SettingsRecord saved = Settings;
    Settings.b24 = 1;
    Settings.bSecond = 0;
    EXPECT_STREQ(FormatClockText(13, 4, 1).sz, "13 04");
    Settings.b24 = 0;
    Settings.bSecond = 1;
    EXPECT_STREQ(FormatClockText(13, 4, 1).sz, " 1:04:01");
    Settings = saved;
}

TEST(FieldText, MonthAndDayBelowTenFullWidthYearAndOverlayDateNot)
{
    const struct { int value; const char *month, *day; } cases[] = {
        {1, "１月", "１"}, {9, "９月", "９"}, {10, "10月", "10"}, {12, "12月", "12"}, {31, "31月", "31"},
    };
    char text[kFieldTextSize];
    for (const auto &c : cases) {
        FormatMonthText(c.value, text, sizeof(text));
        EXPECT_STREQ(text, c.month) << c.value;
        FormatDayText(c.value, text, sizeof(text));
        EXPECT_STREQ(text, c.day) << c.value;
    }
    FormatYearText(1998, text, sizeof(text));
    EXPECT_STREQ(text, "1998年");
    FormatOverlayDateText(1, 5, text, sizeof(text));
    EXPECT_STREQ(text, " 1/ 5");
    FormatOverlayDateText(12, 24, text, sizeof(text));
    EXPECT_STREQ(text, "12/24");
    const char *weekdays[] = {"", "（日）", "（月）", "（火）", "（水）", "（木）", "（金）", "（土）", ""};
    for (int weekday = -1; weekday <= 7; ++weekday)
        EXPECT_STREQ(GetWeekdayLabel(weekday), weekdays[weekday + 1]) << weekday;
}

// Every text of out-of-range values, written with cbOut 16 into a larger buffer, ends inside it.
TEST(FieldText, OutOfRangeValuesStayInside16Bytes)
{
    using Format = std::function<void(int, char *, size_t)>;
    const Format formats[] = {
        [](int v, char *p, size_t cb) { ComposeClockText(v, v, v, true, true, p, cb); },
        [](int v, char *p, size_t cb) { ComposeClockText(v, v, v, false, false, p, cb); },
        FormatYearText, FormatMonthText, FormatDayText,
        [](int v, char *p, size_t cb) { FormatOverlayDateText(v, v, p, cb); },
    };
    for (const Format &format : formats) {
        for (int value : {INT_MIN, -1, 0, 100, INT_MAX}) {
            char buffer[64];
            std::memset(buffer, '#', sizeof(buffer));
            format(value, buffer, kFieldTextSize);
            EXPECT_LT(std::strlen(buffer), kFieldTextSize) << value;
            EXPECT_EQ(std::string(buffer + kFieldTextSize, sizeof(buffer) - kFieldTextSize), std::string(48, '#'));
        }
    }
    char small[4];
    ComposeClockText(23, 59, 59, true, true, small, sizeof(small));
    EXPECT_STREQ(small, "23:");
}

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
    std::string sevens;
    for (int i = 0; i < 127; ++i)
        sevens += "７";
    const struct { std::string input; size_t cb; std::string expected; } cases[] = {
        {" 9", 16, "　９"},
        {"a-Z/ｱ表1", 16, "a-Z/ｱ表１"},
        {"", 16, ""},
        {"123456789012345", 16, "１２３４５６７"},   // cut to the buffer
        {"        ", 9, "　　　　"},                 // only blanks
        {"        ", 17, "　　　　　　　　"},
        {"1\x82", 3, "１"},                          // a lone lead byte at the end
        {"1\x82", 4, "１\x82"},
        {"1表", 4, "１"},                            // a double-byte character is never split
        {"12345", 5, "１２"},                        // no terminator inside the buffer
        {"1", 1, ""},
        {std::string(300, 'a'), 301, std::string(255, 'a')},  // longer than the work buffer
        {std::string(200, '7'), 401, sevens},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Convert(c.input, c.cb), c.expected) << c.input.substr(0, 20) << " in " << c.cb;
    ToFullWidthDigits(nullptr, 16);
    char untouched = '5';
    ToFullWidthDigits(&untouched, 0);
    EXPECT_EQ(untouched, '5');
}

}  // namespace
