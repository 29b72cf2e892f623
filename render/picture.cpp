// The key of what the window shows: layout, face, panel and page, each compared on its own.
#include "render/picture.h"

#include <cstddef>
#include <cstring>

#include "render/sheet.h"
#include "settings/settings.h"

PictureKey MakePictureKey(const SettingsRecord &settings, int nBlinkStep, const ShownTime &t)
{
    // Zeroed whole, so keys compare byte for byte.
    PictureKey key;
    std::memset(&key, 0, sizeof(key));
    key.layout = LayoutPanels(settings.bStatus, settings.nCalendarPos);
    std::strncpy(key.szFont, settings.szFont, sizeof(key.szFont));
    char szTime[kFieldTextSize];
    ComposeClockText(t.nHour, t.nMinute, t.nSecond, settings.b24 != 0, settings.bSecond != 0, szTime,
                     sizeof(szTime));

    PanelKey &panel = key.panel;
    panel.nPatch = BlinkPatchFor(nBlinkStep, settings.nDrawChara);
    panel.nTransparent = settings.nTransparent;
    panel.nTransparentCal = settings.bStatus ? 100 : settings.nTransparentCal;
    if (panel.nTransparentCal < 100) {
        panel.nMonth = t.nMonth, panel.nDay = t.nDay;
        std::strncpy(panel.szTime, szTime, sizeof(panel.szTime));
    }
    if (settings.bStatus) {
        PageKey &page = key.page;
        page.nYear = t.nYear, page.nMonth = t.nMonth, page.nDay = t.nDay, page.nWeekday = t.nWeekday;
        page.b6 = settings.b6, page.bHolidayLaw = settings.bHolidayLaw, page.bLunarRokuyo = settings.bLunarRokuyo;
        std::strncpy(page.szTime, szTime, sizeof(page.szTime));
    }
    return key;
}

bool SameLayout(const PictureKey &a, const PictureKey &b)
{
    return std::memcmp(&a.layout, &b.layout, sizeof(a.layout)) == 0 &&
           std::memcmp(a.szFont, b.szFont, sizeof(a.szFont)) == 0;
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
