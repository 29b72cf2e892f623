// The property sheet's rules that need no window: its pages made all or none, and where a dialog
// template in memory keeps its font, for the sheet to match its pages.
#pragma once

#include <cstddef>
#include <cstdint>

struct TemplateFont {
    size_t iPointSize;  // word index of the point size, 0 when the template names no font
    size_t iFace;       // word index of the face name (UTF-16, NUL-terminated)
};

// pwTemplate: a DLGTEMPLATE or DLGTEMPLATEEX, read word by word.
TemplateFont FindTemplateFont(const uint16_t *pwTemplate);

// The smallest point size from nPoints up to nMaxPoints whose dialog units are at least
// the pages'; fnUnits(pt, &cx, &cy) measures the sheet's face at pt points.
template <typename Measure>
int FitPointSize(int nPoints, int nMaxPoints, int cxPage, int cyPage, Measure fnUnits)
{
    for (int pt = nPoints; pt < nMaxPoints; ++pt) {
        int cx = 0, cy = 0;
        fnUnits(pt, &cx, &cy);
        if (cx >= cxPage && cy >= cyPage)
            return pt;
    }
    return nMaxPoints;
}

// Makes nCount handles with create(i), in order. When one cannot be made, those
// already made are released with destroy, last first, and the answer is false.
template <typename Handle, typename Create, typename Destroy>
bool CreateAllOrNone(Handle *ahOut, int nCount, Create create, Destroy destroy)
{
    for (int i = 0; i < nCount; ++i) {
        ahOut[i] = create(i);
        if (!ahOut[i]) {
            while (i-- > 0)
                destroy(ahOut[i]);
            return false;
        }
    }
    return true;
}
