// The property sheet with its Window, Clock and Chara pages.
#pragma once

#include <windows.h>

// 1 when the user accepted the sheet, 0 when cancelled, -1 when it could not be made.
int ShowPropertySheet(HWND hWndOwner);
