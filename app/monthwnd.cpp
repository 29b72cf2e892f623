// The month calendar window's layout, hit test, view and click rule, as plain arithmetic and text.
#include "app/monthwnd.h"

#include <cstdio>
#include <cstring>

#include "calendar/caltext.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"
#include "calendar/holidayname.h"
#include "calendar/lunar.h"

namespace {

constexpr int kButtonSize = 20;

bool Inside(const PlaceRect &rc, PlacePoint pt)
{
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

// Two thirds of the way to white: another month's day keeps its colour, faintly.
uint32_t Pale(uint32_t cr)
{
    uint32_t out = 0;
    for (int nShift = 0; nShift < 24; nShift += 8) {
        const uint32_t c = (cr >> nShift) & 0xFF;
        out |= (c + 2 * (255 - c) / 3) << nShift;
    }
    return out;
}

void MakePointerLines(const MonthCell &cell, const MonthViewInput &in, MonthView *pView)
{
    const char *pszName = GetHolidayName(cell.nYear, cell.nMonth, cell.nDay, in.bHolidayLaw);
    std::snprintf(pView->aszPointer[0], kMonthTextSize, "%d月%d日%s %s", cell.nMonth, cell.nDay,
                  GetWeekdayLabel(cell.nWeekday), pszName != nullptr ? pszName : "");
    char szLunar[24] = "";  // "旧暦閏12月30日" and its terminator with room
    if (in.bLunarRokuyo)
        FormatLunarDateText(cell.nYear, cell.nMonth, cell.nDay, szLunar, sizeof(szLunar));
    std::snprintf(pView->aszPointer[1], kMonthTextSize, "%s%s%s",
                  GetRokuyoLabel(ChooseRokuyoIndex(in.bLunarRokuyo, cell.nYear, cell.nMonth, cell.nDay)),
                  szLunar[0] != '\0' ? " " : "", szLunar);
}

}  // namespace

PlaceRect MonthTitleRect()
{
    return {kMonthMargin, kMonthMargin, kMonthPictureWidth - kMonthMargin, kMonthMargin + kMonthTitleHeight};
}

PlaceRect MonthButtonRect(int nDirection)
{
    const int32_t nTop = kMonthMargin + (kMonthTitleHeight - kButtonSize) / 2;
    const int32_t nLeft = nDirection < 0 ? kMonthMargin + 2 : kMonthPictureWidth - kMonthMargin - 2 - kButtonSize;
    return {nLeft, nTop, nLeft + kButtonSize, nTop + kButtonSize};
}

PlaceRect MonthHeaderRect(int nWeekday)
{
    const int32_t nLeft = kMonthMargin + nWeekday * kMonthCellSize;
    return {nLeft, kMonthMargin + kMonthTitleHeight, nLeft + kMonthCellSize, kMonthGridTop};
}

PlaceRect MonthCellRect(int nCell)
{
    const int32_t nLeft = kMonthMargin + nCell % 7 * kMonthCellSize;
    const int32_t nTop = kMonthGridTop + nCell / 7 * kMonthCellSize;
    return {nLeft, nTop, nLeft + kMonthCellSize, nTop + kMonthCellSize};
}

// The number takes the upper 17 pixels of the cell, the rokuyo the 12 below; one for the rule.
PlaceRect MonthDayNumberRect(int nCell)
{
    const PlaceRect rc = MonthCellRect(nCell);
    return {rc.left, rc.top + 1, rc.right, rc.top + 18};
}

PlaceRect MonthRokuyoRect(int nCell)
{
    const PlaceRect rc = MonthCellRect(nCell);
    return {rc.left, rc.top + 17, rc.right, rc.bottom - 1};
}

PlaceRect MonthLineRect(int nLine)
{
    const int32_t nTop = nLine < kMonthPointerLines ? kMonthPointerTop + nLine * kMonthLineHeight
                                                    : kMonthHolidayTop + (nLine - kMonthPointerLines) * kMonthLineHeight;
    return {kMonthMargin + 2, nTop, kMonthPictureWidth - kMonthMargin - 2, nTop + kMonthLineHeight};
}

MonthHit HitTestMonth(PlacePoint pt, int *pnCell)
{
    *pnCell = -1;
    if (Inside(MonthButtonRect(-1), pt))
        return kMonthHitPrevious;
    if (Inside(MonthButtonRect(1), pt))
        return kMonthHitNext;
    const PlaceRect rcGrid = {kMonthMargin, kMonthGridTop, kMonthMargin + 7 * kMonthCellSize,
                              kMonthGridTop + kMonthGridWeeks * kMonthCellSize};
    if (!Inside(rcGrid, pt))
        return kMonthHitNone;
    *pnCell = (pt.y - rcGrid.top) / kMonthCellSize * 7 + (pt.x - rcGrid.left) / kMonthCellSize;
    return kMonthHitDay;
}

void FormatMonthWindowText(int nYear, int nMonth, char *pszOut)
{
    std::snprintf(pszOut, kMonthWindowTextSize, "月カレンダー %d年%d月", nYear, nMonth);
}

void MakeMonthView(const MonthViewInput &in, MonthView *pView)
{
    // Zeroed whole, padding too, so that equal views compare equal byte for byte.
    std::memset(pView, 0, sizeof(*pView));
    MonthGrid grid;
    if (!MakeMonthGrid(in.nYear, in.nMonth, &grid))
        return;
    pView->nYear = in.nYear;
    pView->nMonth = in.nMonth;
    pView->bPreviousShown = in.nYear > kFirstMonthYear || in.nMonth > 1;
    pView->bNextShown = in.nYear < kLastMonthYear || in.nMonth < 12;
    std::snprintf(pView->szTitle, kMonthTextSize, "%d年%d月", in.nYear, in.nMonth);
    for (int i = 0; i < kMonthGridCells; ++i) {
        const MonthCell &cell = grid.aCells[i];
        MonthDayView &day = pView->aDays[i];
        day.nDay = cell.nDay;
        const uint32_t cr = ChooseDayColor(in.bHolidayLaw, cell.nYear, cell.nMonth, cell.nDay, cell.nWeekday);
        day.crInk = cell.bInMonth ? cr : Pale(cr);
        day.crRokuyo = cell.bInMonth ? kDayColorBlack : Pale(kDayColorBlack);
        day.bToday = cell.nYear == in.nTodayYear && cell.nMonth == in.nTodayMonth && cell.nDay == in.nTodayDay;
        day.bPointer = i == in.nPointerCell;
        if (in.b6)
            day.pszRokuyo = GetRokuyoLabel(ChooseRokuyoIndex(in.bLunarRokuyo, cell.nYear, cell.nMonth, cell.nDay));
    }
    if (in.nPointerCell >= 0 && in.nPointerCell < kMonthGridCells)
        MakePointerLines(grid.aCells[in.nPointerCell], in, pView);
    MonthHoliday holidays[kMonthHolidayLines];
    pView->nHolidays = ListMonthHolidays(in.nYear, in.nMonth, in.bHolidayLaw, holidays, kMonthHolidayLines);
    for (int i = 0; i < pView->nHolidays; ++i)
        FormatMonthHolidayLine(in.nMonth, holidays[i], pView->aszHolidays[i], kMonthTextSize);
}

bool TrayPressFindsMonth(bool bOpen, bool bClosedByDeactivation, uint32_t dwClosedAt, uint32_t dwNow)
{
    return bOpen || (bClosedByDeactivation && dwNow - dwClosedAt < kTrayClickCloseMs);
}

uint32_t MillisecondsToMidnight(int nHour, int nMinute, int nSecond, int nMilliseconds)
{
    const int32_t nSince = ((nHour * 60 + nMinute) * 60 + nSecond) * 1000 + nMilliseconds;
    const int32_t nDay = 24 * 60 * 60 * 1000;
    return static_cast<uint32_t>(nSince >= 0 && nSince < nDay ? nDay - nSince : nDay);
}
