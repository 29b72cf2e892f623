// What the window shows, reduced to what can change while the program runs: the key from which
// the picture is drawn, and nothing else. Two moments with the same key look the same.
#pragma once

#include <cstdint>

#include "base/layout.h"
#include "calendar/caltext.h"

struct SettingsRecord;

// The local time as the paint reads it; weekday 0 is Sunday.
struct ShownTime {
    int32_t nYear, nMonth, nDay, nWeekday, nHour, nMinute, nSecond;
};

// The character panel: the blink patch (-1 for the eyes as stored), the character's
// transparency and, while the page is hidden and the overlay not wholly transparent, the
// overlay's text; its transparency is 100 and its text empty otherwise.
struct PanelKey {
    int32_t nPatch;
    int32_t nTransparent;
    int32_t nTransparentCal;
    int32_t nMonth, nDay;
    char szTime[kFieldTextSize];
};

// The calendar page; all zero while it is hidden. The time comes last: the day is what lies
// before it.
struct PageKey {
    int32_t bShown;
    int32_t nYear, nMonth, nDay, nWeekday;
    uint32_t crDay;   // the ink of month, day and weekday, as 0x00BBGGRR
    int32_t nRokuyo;  // the label's index, -1 when none is shown
    char szTime[kFieldTextSize];
};

struct PictureKey {
    PanelLayout layout;
    char szFace[256];  // of every text on the picture
    PanelKey panel;
    PageKey page;
};

PictureKey MakePictureKey(const SettingsRecord &settings, int nBlinkStep, const ShownTime &t);

bool SameLayout(const PictureKey &a, const PictureKey &b);  // the layout and the face
bool SamePanel(const PictureKey &a, const PictureKey &b);
bool SamePage(const PictureKey &a, const PictureKey &b);
// The page but its time: the day and how it is shown.
bool SamePageDay(const PictureKey &a, const PictureKey &b);
