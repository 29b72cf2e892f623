// The time-signal and rotation check run at the start of every paint.
#pragma once

void CheckTimeSignal();
