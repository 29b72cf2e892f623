// Shared helpers for the in-process Win32 tests: the settings key, message
// boxes answered by a hook, a real window run by MainWndProc, and real mouse input.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/common/settings_store.h"

namespace wintest {

using teststore::CountSettingsValues;
using teststore::DeleteSettingsKey;
using teststore::SetValue;
inline void SetDword(const char *pszName, DWORD dwValue) { teststore::WriteDword(pszName, dwValue); }
inline bool GetDword(const char *pszName, DWORD *pdwValue) { return teststore::ReadDword(pszName, pdwValue); }
// Writes every field of the current Settings record to the store.
void StoreSettingsRecord();

// While alive, every message box this thread opens is recorded and closed with OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    std::vector<std::string> texts;

private:
    HHOOK hHook;
};

// Dispatches everything queued for this thread (a WM_QUIT is dropped).
void PumpMessages();


// A borderless tool window of a class with CS_DBLCLKS whose procedure is
// MainWndProc; shown, painted once and with its queue emptied.
HWND CreateMainWindow(int x, int y);
// Destroys it and drops the WM_QUIT its WM_DESTROY posts.
void DestroyMainWindow(HWND hWnd);

// Called with the menu window whenever an open popup menu of the window goes
// idle (WM_ENTERIDLE); null for none.
void SetMenuIdleHandler(std::function<void(HWND hWndMenu)> handler);

// Mouse input through the hardware path: a move to a screen point, a button.
void MouseMoveTo(int x, int y);
void MouseButton(DWORD dwFlags);

// How many more pens (GDI objects) or popup menus (USER objects) the process can make now.
// GetGuiResources is a stub under Wine: a leak of n objects shows as a capacity n smaller.
int GdiCapacity();
int MenuCapacity();

}  // namespace wintest
