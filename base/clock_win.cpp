// Local time reads, with a fixed time that tests may set.
#include "base/clock_win.h"

static SYSTEMTIME stOverride;
static BOOL bOverride;

void ReadLocalTime(SYSTEMTIME *pst)
{
    if (bOverride)
        *pst = stOverride;
    else
        GetLocalTime(pst);
}

void SetLocalTimeOverride(const SYSTEMTIME *pst)
{
    bOverride = pst != nullptr;
    if (pst)
        stOverride = *pst;
}
