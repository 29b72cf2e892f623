// The month calendar window's content, computed on day numbers so the weeks run across month ends.
#include "calendar/month.h"

#include <cstdio>
#include <cstring>

#include "base/sjis.h"
#include "calendar/civildays.h"
#include "calendar/holidayname.h"
#include "calendar/lunar.h"

namespace {

bool IsShownMonth(int nYear, int nMonth)
{
    return nYear >= kFirstMonthYear && nYear <= kLastMonthYear && nMonth >= 1 && nMonth <= 12;
}

// Copies whole characters of pszText that fit with the terminator.
void CopyWhole(const char *pszText, char *pszOut, size_t cbOut)
{
    if (pszOut == nullptr || cbOut == 0)
        return;
    const size_t cb = WholeCharacterBytes(pszText, cbOut - 1);
    std::memcpy(pszOut, pszText, cb);
    pszOut[cb] = '\0';
}

}  // namespace

int MakeMonthGrid(int nYear, int nMonth, MonthGrid *pGrid)
{
    if (pGrid == nullptr)
        return 0;
    *pGrid = MonthGrid{};
    if (!IsShownMonth(nYear, nMonth))
        return 0;
    pGrid->nYear = nYear;
    pGrid->nMonth = nMonth;
    const long nFirst = DaysFromCivil(nYear, nMonth, 1);
    const long nStart = nFirst - WeekdayFromDays(nFirst);
    for (int i = 0; i < kMonthGridCells; ++i) {
        const CivilDate date = CivilFromDays(nStart + i);
        pGrid->aCells[i] = {date.nYear, date.nMonth, date.nDay, i % 7, date.nMonth == nMonth};
    }
    return 1;
}

void StepMonth(int *pnYear, int *pnMonth, int nDelta)
{
    if (pnYear == nullptr || pnMonth == nullptr)
        return;
    // Months since year 0 in 64 bits: any int year, month and delta add up without overflow.
    const long long nFirst = kFirstMonthYear * 12LL;
    const long long nLast = kLastMonthYear * 12LL + 11;
    long long nIndex = *pnYear * 12LL + (*pnMonth - 1LL);
    nIndex = nIndex < nFirst ? nFirst : nIndex > nLast ? nLast : nIndex;
    nIndex += nDelta;
    nIndex = nIndex < nFirst ? nFirst : nIndex > nLast ? nLast : nIndex;
    *pnYear = static_cast<int>(nIndex / 12);
    *pnMonth = static_cast<int>(nIndex % 12) + 1;
}

int ListMonthHolidays(int nYear, int nMonth, int bHolidayLaw, MonthHoliday *pOut, int nMax)
{
    if (pOut == nullptr)
        return 0;
    int nCount = 0;
    for (int nDay = 1; nDay <= DaysInMonth(nYear, nMonth) && nCount < nMax; ++nDay) {
        if (const char *pszName = GetHolidayName(nYear, nMonth, nDay, bHolidayLaw))
            pOut[nCount++] = {nDay, pszName};
    }
    return nCount;
}

void FormatMonthHolidayLine(int nMonth, const MonthHoliday &holiday, char *pszOut, size_t cbOut)
{
    // Room for two ints and any of the names; a longer name is cut whole by CopyWhole.
    char szLine[80];
    std::snprintf(szLine, sizeof(szLine), "%d月%d日 %s", nMonth, holiday.nDay,
                  holiday.pszName != nullptr ? holiday.pszName : "");
    CopyWhole(szLine, pszOut, cbOut);
}

int FormatLunarDateText(int nYear, int nMonth, int nDay, char *pszOut, size_t cbOut)
{
    LunarDate lunar;
    char szText[40] = "";
    const int bFound = GetLunarDate(nYear, nMonth, nDay, &lunar);
    if (bFound)
        std::snprintf(szText, sizeof(szText), "旧暦%s%d月%d日", lunar.bLeap ? "閏" : "", lunar.nMonth, lunar.nDay);
    CopyWhole(szText, pszOut, cbOut);
    return bFound;
}
