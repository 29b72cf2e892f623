// Settings changes made by the main window that need no platform call.
#pragma once

// Flips bStatus and shifts the stored position so the character keeps its place on screen.
void ToggleCalendarPage();
