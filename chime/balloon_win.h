// The time signal's speech balloon: the character says the time beside herself for a few seconds.
#pragma once

#include <windows.h>

// Its class, by which tests and tools find it, and its one timer.
constexpr WCHAR kBalloonClassName[] = L"Vespin_Balloon";
constexpr UINT_PTR kBalloonTimerId = 1;

// Shows the time as the calendar page writes it ("3時です") beside hWndGadget's character, at the
// gadget's display scale and inside its monitor's work area, for kBalloonShowMs, in place of a
// balloon still shown. It takes neither focus nor activation; a click on it closes it. Nothing
// without a gadget window to stand beside.
void ShowTimeBalloon(HWND hWndGadget, int nHour, int nMinute);
