// Reads and writes the settings record in HKCU, all or nothing on load.
#include "settings/registry_win.h"

#include "base/appinfo_win.h"
#include "settings/settings.h"
#include "settings/state.h"

// Reads ask for query rights only, so a key that may be read but not written still loads.
static LONG QueryRegValue(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD *pdwType, void *pData, DWORD *pcbData)
{
    HKEY hKey;
    LONG lResult = RegOpenKeyExA(hRoot, lpszSubKey, 0, KEY_QUERY_VALUE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    lResult = RegQueryValueExA(hKey, lpszName, nullptr, pdwType, static_cast<BYTE *>(pData), pcbData);
    RegCloseKey(hKey);
    return lResult;
}

int ReadRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD *pdwValue)
{
    // Read into a zeroed word: a value of fewer than 4 bytes must not leave stale bytes.
    DWORD dwValue = 0, dwType, cbData = sizeof(dwValue);
    if (QueryRegValue(hRoot, lpszSubKey, lpszName, &dwType, &dwValue, &cbData) != ERROR_SUCCESS)
        return 0;
    *pdwValue = dwValue;
    return 1;
}

int ReadRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPSTR lpszBuffer, DWORD cbBuffer)
{
    DWORD dwType, cbData = cbBuffer;
    if (QueryRegValue(hRoot, lpszSubKey, lpszName, &dwType, lpszBuffer, &cbData) != ERROR_SUCCESS) {
        lpszBuffer[0] = '\0';
        return 0;
    }
    TerminateStoredString(lpszBuffer, cbBuffer, cbData);
    return 1;
}

static int WriteRegValue(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD dwType, const void *pData, DWORD cbData)
{
    HKEY hKey;
    DWORD dwDisposition;
    if (RegCreateKeyExA(hRoot, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                        &dwDisposition) != ERROR_SUCCESS)
        return 0;
    LONG lResult = RegSetValueExA(hKey, lpszName, 0, dwType, static_cast<const BYTE *>(pData), cbData);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

int WriteRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD dwValue)
{
    return WriteRegValue(hRoot, lpszSubKey, lpszName, REG_DWORD, &dwValue, sizeof(dwValue));
}

int WriteRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPCSTR lpszValue)
{
    return WriteRegValue(hRoot, lpszSubKey, lpszName, REG_SZ, lpszValue, lstrlenA(lpszValue) + 1);
}

// A calendar flag counts only as a 4-byte REG_DWORD: it has no defaults path of its own.
static int32_t ReadCalendarFlag(LPCSTR lpszName)
{
    DWORD dwValue = 0, dwType = REG_NONE, cbData = sizeof(dwValue);
    const LONG lResult = QueryRegValue(HKEY_CURRENT_USER, kSettingsKeyPath, lpszName, &dwType, &dwValue, &cbData);
    const int bDword = lResult == ERROR_SUCCESS && dwType == REG_DWORD && cbData == sizeof(dwValue);
    return CalendarFlagFromStore(bDword, dwValue);
}

int LoadSettings(HWND hWndOwner)
{
    int bAllRead = 1;
    for (const SettingField &field : SettingFields) {
        int bRead;
        if (field.kind == kSettingNumber) {
            DWORD dwValue = 0;
            bRead = ReadRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, &dwValue);
            if (bRead)
                *SettingNumber(&Settings, field) = static_cast<int32_t>(dwValue);
        } else {
            bRead = ReadRegString(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, SettingString(&Settings, field),
                                  static_cast<DWORD>(field.cbSize));
        }
        bAllRead = bAllRead && bRead;
    }
    bSettingsLoaded = 1;
    if (bAllRead)
        MendSettings(&Settings);
    else
        SetDefaultSettings(&Settings);
    // Read after the defaults, which clear them: the flags keep their stored values either way.
    for (const SettingField &field : CalendarFlagFields)
        *SettingNumber(&Settings, field) = ReadCalendarFlag(field.pszName);
    if (bAllRead)
        return 1;
    SaveSettings(hWndOwner);
    return 0;
}

int SaveSettings(HWND hWndOwner)
{
    int bAllWritten = 1;
    for (const SettingField &field : SettingFields) {
        int bWritten;
        if (field.kind == kSettingNumber)
            bWritten = WriteRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName,
                                     static_cast<DWORD>(*SettingNumber(&Settings, field)));
        else
            bWritten = WriteRegString(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName,
                                      SettingString(&Settings, field));
        bAllWritten = bAllWritten && bWritten;
    }
    for (const SettingField &field : CalendarFlagFields) {
        const int bWritten = WriteRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName,
                                           static_cast<DWORD>(*SettingNumber(&Settings, field)));
        bAllWritten = bAllWritten && bWritten;
    }
    if (!bAllWritten)
        MessageBoxA(hWndOwner, "レジストリ書き込みに失敗しました", AppInfo.lpszTitle, MB_ICONWARNING | MB_OK);
    return bAllWritten;
}
