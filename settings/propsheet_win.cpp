// Property sheet: not yet present; reports that the sheet could not be made,
// so the caller restores its copy of the settings.
#include "settings/propsheet_win.h"

int ShowPropertySheet(HWND)
{
    return -1;
}
