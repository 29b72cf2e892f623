// The Japanese lunisolar calendar of 1980-2099 read from the table tools/lunargen.py writes.
#include "calendar/lunar.h"

#include "calendar/civildays.h"
#include "calendar/holiday.h"

namespace {

constexpr int kFirstLunarYear = 1979;
constexpr int kFirstSolarYear = 1980;
constexpr int kLastSolarYear = 2099;

// One word per lunar year from 1979; 2033 has a leap 11th month, where the plain rules break down.
const unsigned int kLunarYears[] = {
#include "calendar/lunartable.inc"
};
constexpr int kLunarYearCount = sizeof(kLunarYears) / sizeof(kLunarYears[0]);
static_assert(kLunarYearCount == kLastSolarYear - kFirstLunarYear + 1, "one entry per lunar year");

unsigned int LongMonthBits(unsigned int uEntry) { return uEntry & 0x1FFF; }
int LeapMonth(unsigned int uEntry) { return static_cast<int>((uEntry >> 13) & 0xF); }
long NewYearDay(int nLunarYear)
{
    const unsigned int uEntry = kLunarYears[nLunarYear - kFirstLunarYear];
    return DaysFromCivil(nLunarYear, 1, 1) + static_cast<long>((uEntry >> 17) & 0x3F);
}

}  // namespace

int GetLunarDate(int nYear, int nMonth, int nDay, LunarDate *pLunar)
{
    if (nYear < kFirstSolarYear || nYear > kLastSolarYear || !IsValidDate(nYear, nMonth, nDay))
        return 0;
    const long nDays = DaysFromCivil(nYear, nMonth, nDay);
    // Early in the solar year the date still lies in the lunar year before.
    const int nLunarYear = nDays >= NewYearDay(nYear) ? nYear : nYear - 1;
    const unsigned int uEntry = kLunarYears[nLunarYear - kFirstLunarYear];
    const int nLeap = LeapMonth(uEntry);
    long nOffset = nDays - NewYearDay(nLunarYear);
    const int nLastIndex = nLeap != 0 ? 12 : 11;
    int nIndex = 0;
    for (; nIndex < nLastIndex; ++nIndex) {
        const long nLength = (LongMonthBits(uEntry) >> nIndex & 1) ? 30 : 29;
        if (nOffset < nLength)
            break;
        nOffset -= nLength;
    }
    pLunar->nYear = nLunarYear;
    pLunar->nDay = static_cast<int>(nOffset) + 1;
    pLunar->bLeap = nLeap != 0 && nIndex == nLeap;
    pLunar->nMonth = nLeap != 0 && nIndex >= nLeap ? nIndex : nIndex + 1;
    return 1;
}

int GetLunarRokuyoIndex(int nYear, int nMonth, int nDay)
{
    LunarDate lunar;
    if (!GetLunarDate(nYear, nMonth, nDay, &lunar))
        return GetRokuyoIndex(nMonth, nDay);
    return GetRokuyoIndex(lunar.nMonth, lunar.nDay);
}

int ChooseRokuyoIndex(int bLunarRokuyo, int nYear, int nMonth, int nDay)
{
    return bLunarRokuyo ? GetLunarRokuyoIndex(nYear, nMonth, nDay) : GetRokuyoIndex(nMonth, nDay);
}
