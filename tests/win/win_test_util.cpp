// Helpers for the in-process Win32 tests.
#include "tests/win/win_test_util.h"

#include "settings/settings.h"

namespace wintest {

void DeleteSettingsKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brimholt");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brimholt");
}

int CountSettingsValues()
{
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return 0;
    DWORD dwValues = 0;
    RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &dwValues, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(hKey);
    return static_cast<int>(dwValues);
}

void SetValue(const char *pszName, DWORD dwType, const void *pData, DWORD cbData)
{
    HKEY hKey;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE *>(pData), cbData);
    RegCloseKey(hKey);
}

void SetDword(const char *pszName, DWORD dwValue)
{
    SetValue(pszName, REG_DWORD, &dwValue, sizeof(dwValue));
}

bool GetDword(const char *pszName, DWORD *pdwValue)
{
    DWORD cb = sizeof(*pdwValue);
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, pszName, RRF_RT_REG_DWORD, nullptr, pdwValue, &cb) ==
           ERROR_SUCCESS;
}

void StoreSettingsRecord()
{
    for (const SettingField &field : SettingFields) {
        if (field.kind == kSettingNumber) {
            SetDword(field.pszName, static_cast<DWORD>(*SettingNumber(&Settings, field)));
        } else {
            const char *psz = SettingString(&Settings, field);
            SetValue(field.pszName, REG_SZ, psz, lstrlenA(psz) + 1);
        }
    }
}

static MessageBoxCatcher *activeCatcher;

static LRESULT CALLBACK CatchBoxProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && activeCatcher) {
        HWND hBox = reinterpret_cast<HWND>(wParam);
        char cls[32];
        GetClassNameA(hBox, cls, sizeof(cls));
        if (lstrcmpA(cls, "#32770") == 0) {
            char caption[64], text[512] = "";
            GetWindowTextA(hBox, caption, sizeof(caption));
            GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
            activeCatcher->texts.push_back(std::string(caption) + "|" + text);
            PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher()
{
    activeCatcher = this;
    hHook = SetWindowsHookExA(WH_CBT, CatchBoxProc, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(hHook);
    activeCatcher = nullptr;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace wintest
