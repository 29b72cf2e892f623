// Direct access to the settings key for tests in and outside the program.
#pragma once

#include <windows.h>

#include <string>

struct SettingsRecord;

namespace teststore {

void DeleteSettingsKey();
bool SettingsKeyExists();
int CountSettingsValues();
// Exactly these bytes, a text without its NUL too, under the settings key or into an open key.
void SetValue(const char *pszName, DWORD dwType, const void *pData, DWORD cbData);
void SetValueIn(HKEY hKey, const char *pszName, DWORD dwType, const void *pData, DWORD cbData);
void WriteDword(const char *pszName, DWORD dwValue);
void WriteString(const char *pszName, const char *pszValue);
bool ReadDword(const char *pszName, DWORD *pdwValue);
bool ReadString(const char *pszName, std::string *pText);
// The 28 fields of rec, as the program stores them; the options beside them are left alone.
void StoreRecord(const SettingsRecord &rec);

}  // namespace teststore
