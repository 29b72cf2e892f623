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

// An option beside the 28 counts only as a 4-byte REG_DWORD; anything else is as if it were not
// stored, and it takes its default without touching the record.
static void ReadOptionBeside(const SettingField &field)
{
    DWORD dwValue = 0, dwType = REG_NONE, cbData = sizeof(dwValue);
    const LONG lResult = QueryRegValue(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, &dwType, &dwValue, &cbData);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && cbData == sizeof(dwValue))
        *SettingNumber(&Settings, field) = static_cast<int32_t>(dwValue);
    else
        SetDefaultField(&Settings, field);
}

static int ReadField(const SettingField &field)
{
    if (field.kind == kSettingString)
        return ReadRegString(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, SettingString(&Settings, field),
                             static_cast<DWORD>(field.cbSize));
    DWORD dwValue = 0;
    if (!ReadRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, &dwValue))
        return 0;
    *SettingNumber(&Settings, field) = static_cast<int32_t>(dwValue);
    return 1;
}

int LoadSettings(HWND hWndOwner)
{
    int bAllRead = 1;
    for (int i = 0; i < kRecordFieldCount; ++i)
        bAllRead = ReadField(SettingFields[i]) && bAllRead;
    bSettingsLoaded = 1;
    if (!bAllRead)
        SetDefaultSettings(&Settings);
    // Read after the defaults, which clear them: the options beside keep their stored values either way.
    for (int i = kRecordFieldCount; i < kSettingFieldCount; ++i)
        ReadOptionBeside(SettingFields[i]);
    MendSettings(&Settings);
    if (bAllRead)
        return 1;
    SaveSettings(hWndOwner);
    return 0;
}

int SaveSettings(HWND hWndOwner)
{
    int bAllWritten = 1;
    for (const SettingField &field : SettingFields) {
        const int bWritten =
            field.kind == kSettingString
                ? WriteRegString(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName, SettingString(&Settings, field))
                : WriteRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, field.pszName,
                                static_cast<DWORD>(*SettingNumber(&Settings, field)));
        bAllWritten = bAllWritten && bWritten;
    }
    if (!bAllWritten)
        MessageBoxA(hWndOwner, "レジストリ書き込みに失敗しました", AppInfo.lpszTitle, MB_ICONWARNING | MB_OK);
    return bAllWritten;
}
