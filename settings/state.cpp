// Run-time state globals.
#include "settings/state.h"

unsigned int uTimer1;
unsigned int uTimer2;
int nBlinkStep;
int bBlinkUnseen;
int32_t nWindowDpi = 96;
int32_t nWindowScale = 1;
int bDragging;
PlacePoint ptDragOffset;
PlacePoint ptDragStart;
int bChimeReady;
int bInProperty;
int bInAbout;
int bClockPageReady;
int bCharaPageReady;
int bSettingsLoaded;
