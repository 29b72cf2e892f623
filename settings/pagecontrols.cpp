// The percentage text and the list choice, as every page reads them.
#include "settings/pagecontrols.h"

bool ReadPercentText(const char *pszText, int32_t *pnValue)
{
    const char *p = pszText;
    while (*p == ' ')
        ++p;
    if (*pszText == '\0') {
        *pnValue = 0;
        return true;
    }
    if (*p == '\0')
        return false;
    int32_t value = 0;
    for (; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
        // Stop before the sum can overflow; anything past 100 is refused anyway.
        if (value > 100)
            return false;
    }
    *pnValue = value;
    return true;
}

bool IsListChoice(long nSel, int nCount)
{
    return nSel >= 0 && nSel < nCount;
}
