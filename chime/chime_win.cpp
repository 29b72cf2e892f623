// Time signal and rotation: not yet present.
#include "chime/chime_win.h"

void CheckTimeSignal() {}
