// The month calendar window: opened and closed from the tray icon and the context menu.
#pragma once

#include <windows.h>

// The month window's one timer: the next midnight, when the frame of today moves on.
#define TIMER_MONTH_MIDNIGHT 1

// Opens the month calendar beside hOwner (the gadget), or closes it when it is open.
void ToggleMonthCalendar(HWND hOwner);
// The gadget is going: the month closes and the tray's clicks are forgotten.
void EndMonthCalendar();
// The tray icon's left press (or second press of a double click) and release: a click opens
// the month or closes it; the click that closes it by taking the activation away opens nothing.
void OnMonthTrayPress();
void OnMonthTrayRelease(HWND hOwner);
// The open month window, or null.
HWND GetMonthWindow();
