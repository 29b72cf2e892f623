// What the window shows, reduced to what can change while the program runs: two moments
// with the same key look the same, so the second needs no drawing.
#pragma once

#include <cstdint>

#include "calendar/caltext.h"
#include "render/layout.h"

struct SettingsRecord;

// The local time as the paint reads it; weekday 0 is Sunday.
struct ShownTime {
    int32_t nYear, nMonth, nDay, nWeekday, nHour, nMinute, nSecond;
};

// The character panel: the blink patch, the character's transparency and, while the
// page is hidden and the overlay not wholly transparent, the overlay's text.
struct PanelKey {
    int32_t nPatch;
    int32_t nTransparent;
    int32_t nTransparentCal;  // 100 when no overlay is drawn
    int32_t nMonth, nDay;
    char szTime[kFieldTextSize];
};

// The calendar page; all zero while it is hidden. The time comes last: the day is what
// lies before it.
struct PageKey {
    int32_t nYear, nMonth, nDay, nWeekday;
    int32_t b6, bHolidayLaw, bLunarRokuyo;
    char szTime[kFieldTextSize];
};

struct PictureKey {
    PanelLayout layout;
    char szFont[256];
    PanelKey panel;
    PageKey page;
};

PictureKey MakePictureKey(const SettingsRecord &settings, int nBlinkStep, const ShownTime &t);

bool SameLayout(const PictureKey &a, const PictureKey &b);  // the layout and the face
bool SamePanel(const PictureKey &a, const PictureKey &b);
bool SamePage(const PictureKey &a, const PictureKey &b);
// The page but its time: the day and how it is shown.
bool SamePageDay(const PictureKey &a, const PictureKey &b);
