// Shared helpers for the in-process Win32 tests: the settings key, message
// boxes answered by a hook, and pumping the message queue.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

void DeleteSettingsKey();
int CountSettingsValues();
void SetValue(const char *pszName, DWORD dwType, const void *pData, DWORD cbData);
void SetDword(const char *pszName, DWORD dwValue);
bool GetDword(const char *pszName, DWORD *pdwValue);
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

// Dispatches everything queued for this thread.
void PumpMessages();

}  // namespace wintest
