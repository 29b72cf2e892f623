// The settings key read and written with the registry API.
#include "tests/common/settings_store.h"

#include "settings/settings.h"

namespace teststore {

void DeleteSettingsKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brimholt");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brimholt");
}

bool SettingsKeyExists()
{
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
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

static bool IsTextType(DWORD dwType) { return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ; }

void SetValueIn(HKEY hKey, const char *pszName, DWORD dwType, const void *pData, DWORD cbData)
{
    if (!IsTextType(dwType)) {
        RegSetValueExA(hKey, pszName, 0, dwType, static_cast<const BYTE *>(pData), cbData);
        return;
    }
    // Both calls add a NUL the text lacks whenever the next character in memory is one; the wide
    // call, given a character after the text that is none, stores exactly what it is given. The
    // bytes are read in the system's code page, as the program's own ANSI writes are.
    WCHAR szName[64], wsz[1024];
    MultiByteToWideChar(CP_ACP, 0, pszName, -1, szName, 64);
    const int cch = MultiByteToWideChar(CP_ACP, 0, static_cast<const char *>(pData), static_cast<int>(cbData), wsz, 1023);
    wsz[cch] = L'x';
    RegSetValueExW(hKey, szName, 0, dwType, reinterpret_cast<const BYTE *>(wsz), cch * sizeof(WCHAR));
}

void SetValue(const char *pszName, DWORD dwType, const void *pData, DWORD cbData)
{
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return;
    SetValueIn(hKey, pszName, dwType, pData, cbData);
    RegCloseKey(hKey);
}

void WriteDword(const char *pszName, DWORD dwValue)
{
    SetValue(pszName, REG_DWORD, &dwValue, sizeof(dwValue));
}

void WriteString(const char *pszName, const char *pszValue)
{
    SetValue(pszName, REG_SZ, pszValue, lstrlenA(pszValue) + 1);
}

bool ReadDword(const char *pszName, DWORD *pdwValue)
{
    DWORD cb = sizeof(*pdwValue);
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, pszName, RRF_RT_REG_DWORD, nullptr, pdwValue, &cb) ==
           ERROR_SUCCESS;
}

bool ReadString(const char *pszName, std::string *pText)
{
    char buffer[1024];
    DWORD cb = sizeof(buffer);
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, pszName, RRF_RT_REG_SZ, nullptr, buffer, &cb) !=
        ERROR_SUCCESS)
        return false;
    *pText = buffer;
    return true;
}

void StoreRecord(const SettingsRecord &rec)
{
    SettingsRecord copy = rec;
    for (int i = 0; i < kRecordFieldCount; ++i) {
        const SettingField &field = SettingFields[i];
        if (field.kind != kSettingString)
            WriteDword(field.pszName, static_cast<DWORD>(*SettingNumber(&copy, field)));
        else
            WriteString(field.pszName, SettingString(&copy, field));
    }
}

}  // namespace teststore
