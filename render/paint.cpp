// The key of what the window shows: every decision the drawing needs is made here, once.
#include "render/paint.h"

#include <cstddef>
#include <cstring>

#include "calendar/holidaylaw.h"
#include "calendar/lunar.h"
#include "render/panel.h"
#include "settings/settings.h"

PictureKey MakePictureKey(const SettingsRecord &settings, int nBlinkStep, const ShownTime &t)
{
    // Zeroed whole, so keys compare byte for byte.
    PictureKey key;
    std::memset(&key, 0, sizeof(key));
    key.layout = LayoutPanels(settings.bStatus, settings.nCalendarPos);
    std::strncpy(key.szFace, TextFaceFor(settings.szFont), sizeof(key.szFace) - 1);
    // Zeroed past its end too: the key is compared byte for byte.
    char szTime[kFieldTextSize] = {};
    FormatClockText(t.nHour, t.nMinute, t.nSecond, settings.b24 != 0, settings.bSecond != 0, szTime, sizeof(szTime));

    PanelKey &panel = key.panel;
    panel.nPatch = BlinkPatchFor(nBlinkStep, settings.nDrawChara);
    panel.nTransparent = settings.nTransparent;
    // At 100 the blend leaves the panel as it is: no overlay to draw.
    panel.nTransparentCal = settings.bStatus || settings.nTransparentCal >= 100 ? 100 : settings.nTransparentCal;
    if (panel.nTransparentCal < 100) {
        panel.nMonth = t.nMonth, panel.nDay = t.nDay;
        std::memcpy(panel.szTime, szTime, sizeof(panel.szTime));
    }
    if (settings.bStatus) {
        PageKey &page = key.page;
        page.bShown = 1;
        page.nYear = t.nYear, page.nMonth = t.nMonth, page.nDay = t.nDay, page.nWeekday = t.nWeekday;
        page.crDay = ChooseDayColor(settings.bHolidayLaw, t.nYear, t.nMonth, t.nDay, t.nWeekday);
        page.nRokuyo = settings.b6 ? ChooseRokuyoIndex(settings.bLunarRokuyo, t.nYear, t.nMonth, t.nDay) : -1;
        std::memcpy(page.szTime, szTime, sizeof(page.szTime));
    }
    return key;
}

bool SameLayout(const PictureKey &a, const PictureKey &b)
{
    return std::memcmp(&a.layout, &b.layout, sizeof(a.layout)) == 0 &&
           std::memcmp(a.szFace, b.szFace, sizeof(a.szFace)) == 0;
}

bool SamePanel(const PictureKey &a, const PictureKey &b)
{
    return std::memcmp(&a.panel, &b.panel, sizeof(a.panel)) == 0;
}

bool SamePage(const PictureKey &a, const PictureKey &b)
{
    return std::memcmp(&a.page, &b.page, sizeof(a.page)) == 0;
}

bool SamePageDay(const PictureKey &a, const PictureKey &b)
{
    return std::memcmp(&a.page, &b.page, offsetof(PageKey, szTime)) == 0;
}
