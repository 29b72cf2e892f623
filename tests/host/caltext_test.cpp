// Clock text, full-width digits and the field texts, including hostile values and sizes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "calendar/caltext.h"
#include "settings/settings.h"

namespace {

struct ClockCase {
    int hour, minute, second;
    bool b24, bSecond;
    const char *expected;
};

TEST(ClockText, TwelveAndTwentyFourHourWithBlinkingOrSteadySeparator)
{
    const ClockCase cases[] = {
        {0, 30, 0, false, false, " 0:30"},   {0, 30, 1, false, false, " 0 30"},
        {12, 5, 0, false, false, " 0:05"},   {12, 5, 1, false, false, " 0 05"},
        {21, 7, 0, false, false, " 9:07"},   {21, 7, 1, false, false, " 9 07"},
        {0, 15, 0, false, false, " 0:15"},   {13, 4, 9, false, true, " 1:04:09"},
        {21, 7, 1, false, true, " 9:07:01"}, {9, 5, 3, true, true, " 9:05:03"},
        {23, 59, 59, true, true, "23:59:59"}, {9, 5, 7, true, false, " 9 05"},
        {9, 5, 8, true, false, " 9:05"},     {23, 59, 58, true, false, "23:59"},
    };
    for (const ClockCase &c : cases) {
        char text[kFieldTextSize];
        ComposeClockText(c.hour, c.minute, c.second, c.b24, c.bSecond, text, sizeof(text));
        EXPECT_STREQ(text, c.expected) << c.hour << ":" << c.minute << ":" << c.second
                                       << " b24=" << c.b24 << " bSecond=" << c.bSecond;
    }
}

TEST(ClockText, FollowsTheSettings)
{
    const SettingsRecord saved = Settings;
    Settings.b24 = 1;
    Settings.bSecond = 0;
    EXPECT_STREQ(FormatClockText(13, 4, 1).sz, "13 04");
    Settings.b24 = 0;
    Settings.bSecond = 1;
    EXPECT_STREQ(FormatClockText(13, 4, 1).sz, " 1:04:01");
    Settings = saved;
}

// Writes with cbOut = 16 into a larger buffer and checks nothing beyond 16 bytes changed.
template <typename Format>
void ExpectStaysInside16Bytes(Format format)
{
    char buffer[64];
    std::memset(buffer, '#', sizeof(buffer));
    format(buffer, kFieldTextSize);
    EXPECT_LT(std::strlen(buffer), kFieldTextSize);
    for (size_t i = kFieldTextSize; i < sizeof(buffer); ++i)
        ASSERT_EQ(buffer[i], '#') << "byte " << i;
}

TEST(ClockText, OutOfRangeValuesStayInsideTheBuffer)
{
    for (int value : {INT_MIN, -1, 100, INT_MAX}) {
        ExpectStaysInside16Bytes([value](char *p, size_t cb) {
            ComposeClockText(value, value, value, true, true, p, cb);
        });
        ExpectStaysInside16Bytes([value](char *p, size_t cb) {
            ComposeClockText(value, value, value, false, false, p, cb);
        });
    }
    char small[4];
    ComposeClockText(23, 59, 59, true, true, small, sizeof(small));
    EXPECT_STREQ(small, "23:");
}

TEST(FieldText, MonthAndDayBelowTenAreFullWidth)
{
    const struct { int value; const char *month, *day; } cases[] = {
        {1, "１月", "１"}, {3, "３月", "３"}, {5, "５月", "５"}, {9, "９月", "９"},
        {10, "10月", "10"}, {12, "12月", "12"}, {31, "31月", "31"},
    };
    for (const auto &c : cases) {
        char text[kFieldTextSize];
        FormatMonthText(c.value, text, sizeof(text));
        EXPECT_STREQ(text, c.month) << c.value;
        FormatDayText(c.value, text, sizeof(text));
        EXPECT_STREQ(text, c.day) << c.value;
    }
}

TEST(FieldText, YearAndOverlayDateAreNeverConverted)
{
    char text[kFieldTextSize];
    FormatYearText(1998, text, sizeof(text));
    EXPECT_STREQ(text, "1998年");
    const struct { int month, day; const char *expected; } dates[] = {
        {1, 5, " 1/ 5"}, {12, 24, "12/24"}, {12, 6, "12/ 6"},
    };
    for (const auto &d : dates) {
        FormatOverlayDateText(d.month, d.day, text, sizeof(text));
        EXPECT_STREQ(text, d.expected);
    }
}

TEST(FieldText, OutOfRangeValuesStayInsideTheBuffer)
{
    for (int value : {INT_MIN, -1, 0, INT_MAX}) {
        ExpectStaysInside16Bytes([value](char *p, size_t cb) { FormatYearText(value, p, cb); });
        ExpectStaysInside16Bytes([value](char *p, size_t cb) { FormatMonthText(value, p, cb); });
        ExpectStaysInside16Bytes([value](char *p, size_t cb) { FormatDayText(value, p, cb); });
        ExpectStaysInside16Bytes(
            [value](char *p, size_t cb) { FormatOverlayDateText(value, value, p, cb); });
    }
}

TEST(WeekdayLabels, BracketedKanjiFromSundayAndNothingOutside)
{
    const char *expected[7] = {"（日）", "（月）", "（火）", "（水）", "（木）", "（金）", "（土）"};
    for (int weekday = 0; weekday < 7; ++weekday)
        EXPECT_STREQ(GetWeekdayLabel(weekday), expected[weekday]);
    EXPECT_STREQ(GetWeekdayLabel(-1), "");
    EXPECT_STREQ(GetWeekdayLabel(7), "");
}

// Converts in a heap block of exactly cbBuffer bytes, so any stray access trips the sanitizer.
std::string Convert(const std::string &input, size_t cbBuffer)
{
    std::vector<char> block(cbBuffer);
    std::memcpy(block.data(), input.data(), std::min(input.size() + 1, cbBuffer));
    ToFullWidthDigits(block.data(), cbBuffer);
    return std::string(block.data());
}

TEST(FullWidthDigits, DigitsAndBlanksWidenOtherBytesStay)
{
    const struct { std::string input; size_t cb; std::string expected; } cases[] = {
        {"3月", 16, "３月"},
        {" 9", 16, "　９"},
        {"1234567890", 32, "１２３４５６７８９０"},
        {"a-Z/ｱ", 16, "a-Z/ｱ"},
        {"表1", 16, "表１"},
        {"", 16, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Convert(c.input, c.cb), c.expected) << c.input;
}

TEST(FullWidthDigits, NeverWritesOrReadsOutsideEitherBuffer)
{
    const struct { const char *why; std::string input; size_t cb; std::string expected; } cases[] = {
        {"cut to the buffer", "123456789012345", 16, "１２３４５６７"},
        {"only blanks", "        ", 9, "　　　　"},
        {"only blanks, room for all", "        ", 17, "　　　　　　　　"},
        {"lone lead byte at the end", "1\x82", 3, "１"},
        {"lone lead byte kept when it fits", "1\x82", 4, "１\x82"},
        {"a double-byte character is never split", "1表", 4, "１"},
        {"no terminator inside the buffer", "12345", 5, "１２"},
        {"a buffer of one byte", "1", 1, ""},
        {"longer than the work buffer", std::string(300, 'a'), 301, std::string(255, 'a')},
        {"long digits", std::string(200, '7'), 401, [] {
             std::string s;
             for (int i = 0; i < 127; ++i)
                 s += "７";
             return s;
         }()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Convert(c.input, c.cb), c.expected) << c.why;
    ToFullWidthDigits(nullptr, 16);
    char untouched = '5';
    ToFullWidthDigits(&untouched, 0);
    EXPECT_EQ(untouched, '5');
}

}  // namespace
