// The one place the Win32 layer reads the local time, so tests can pin the date.
#pragma once

#include <windows.h>

void ReadLocalTime(SYSTEMTIME *pst);
// Tests only: every later read returns *pst (null goes back to the real clock).
void SetLocalTimeOverride(const SYSTEMTIME *pst);
