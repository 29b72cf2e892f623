// The fonts of every calendar and clock text: one recipe, kept per height while the face stays.
#pragma once

#include <windows.h>

// The one recipe: pszFace at that height, heavy, Shift-JIS. The caller deletes it.
HFONT CreateTextFont(const char *pszFace, int nHeight);
// CreateTextFont's font of that face and height, kept until another face is asked for; the
// caller selects it and never deletes it.
HFONT GetTextFont(const char *pszFace, int nHeight);
// Deletes the kept fonts (none may be selected into a device context).
void ReleaseTextFonts();
