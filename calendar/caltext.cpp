// Texts of the calendar page and of the clock overlay, formatted without any drawing.
#include "calendar/caltext.h"

#include <cstdio>
#include <cstring>

#include "base/sjis.h"

namespace {

const char *const kWeekdayLabels[7] = {
    "（日）", "（月）", "（火）", "（水）", "（木）", "（金）", "（土）",
};

// "０１２３４５６７８９　": digit d at byte 2d, the blank at byte 20.
const char kFullWidthDigits[] = "０１２３４５６７８９　";
constexpr size_t kFullWidthBlank = 20;

bool CanWrite(const char *pszOut, size_t cbOut)
{
    return pszOut != nullptr && cbOut != 0;
}

}  // namespace

const char *GetWeekdayLabel(int nWeekday)
{
    return nWeekday >= 0 && nWeekday < 7 ? kWeekdayLabels[nWeekday] : "";
}

void FormatClockText(int nHour, int nMinute, int nSecond, bool b24, bool bSecond, char *pszOut, size_t cbOut)
{
    if (!CanWrite(pszOut, cbOut))
        return;
    // Midnight and noon show 0 on the 12-hour clock; there is no AM/PM marker.
    unsigned uHour = b24 ? static_cast<unsigned>(nHour) : static_cast<unsigned>(nHour) % 12;
    if (bSecond) {
        std::snprintf(pszOut, cbOut, "%2u:%02u:%02u", uHour, static_cast<unsigned>(nMinute),
                      static_cast<unsigned>(nSecond));
    } else {
        // The page is repainted every second, so the separator blinks.
        char chSeparator = (nSecond % 2 == 0) ? ':' : ' ';
        std::snprintf(pszOut, cbOut, "%2u%c%02u", uHour, chSeparator,
                      static_cast<unsigned>(nMinute));
    }
}

void ToFullWidthDigits(char *pszText, size_t cbText)
{
    if (!CanWrite(pszText, cbText))
        return;
    char work[256];
    const size_t cbLimit = cbText < sizeof(work) ? cbText : sizeof(work);
    size_t in = 0;
    size_t out = 0;
    while (in < cbText && pszText[in] != '\0') {
        const unsigned char c = static_cast<unsigned char>(pszText[in]);
        const char *pSource = &pszText[in];
        size_t cbIn = 1;
        size_t cbOut = 1;
        if (IsShiftJisLeadByte(c)) {
            // A lead byte with nothing after it stays as it is; never step over the terminator.
            if (in + 1 < cbText && pszText[in + 1] != '\0')
                cbIn = cbOut = 2;
        } else if (c >= '0' && c <= '9') {
            pSource = &kFullWidthDigits[2 * (c - '0')];
            cbOut = 2;
        } else if (c == ' ') {
            pSource = &kFullWidthDigits[kFullWidthBlank];
            cbOut = 2;
        }
        if (out + cbOut >= cbLimit)
            break;
        std::memcpy(&work[out], pSource, cbOut);
        out += cbOut;
        in += cbIn;
    }
    work[out] = '\0';
    std::memcpy(pszText, work, out + 1);
}

void FormatYearText(int nYear, char *pszOut, size_t cbOut)
{
    if (CanWrite(pszOut, cbOut))
        std::snprintf(pszOut, cbOut, "%u%s", static_cast<unsigned>(nYear), "年");
}

void FormatMonthText(int nMonth, char *pszOut, size_t cbOut)
{
    if (!CanWrite(pszOut, cbOut))
        return;
    std::snprintf(pszOut, cbOut, "%u%s", static_cast<unsigned>(nMonth), "月");
    if (static_cast<unsigned>(nMonth) < 10)
        ToFullWidthDigits(pszOut, cbOut);
}

void FormatDayText(int nDay, char *pszOut, size_t cbOut)
{
    if (!CanWrite(pszOut, cbOut))
        return;
    std::snprintf(pszOut, cbOut, "%u", static_cast<unsigned>(nDay));
    if (static_cast<unsigned>(nDay) < 10)
        ToFullWidthDigits(pszOut, cbOut);
}

void FormatOverlayDateText(int nMonth, int nDay, char *pszOut, size_t cbOut)
{
    if (CanWrite(pszOut, cbOut))
        std::snprintf(pszOut, cbOut, "%2u/%2u", static_cast<unsigned>(nMonth),
                      static_cast<unsigned>(nDay));
}
