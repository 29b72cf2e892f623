// Reads and writes the settings record in HKCU, all or nothing on load. The strings stay the
// Shift-JIS bytes they always were, through the A functions, so every earlier store loads unchanged.
#include "settings/registry_win.h"

#include "base/appinfo_win.h"
#include "base/wide_win.h"
#include "settings/journal.h"
#include "settings/settings.h"
#include "settings/state.h"

// Tests only: values a save writes before it stops as if killed; -1 never stops, -2 stops before
// even the journal.
static int nSaveStopsAfter = -1;

void SetSaveInterruption(int nValues)
{
    nSaveStopsAfter = nValues;
}

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

// Writes the fields abWrite marks, each attempted, into the open key; 1 when every one was written.
// A test may stop it after a number of values, as a kill would.
static int WriteFields(HKEY hKey, const SettingsRecord &rec, const bool *abWrite, bool bCountForStop)
{
    int bAllWritten = 1, nWritten = 0;
    for (int i = 0; i < kSettingFieldCount; ++i) {
        const SettingField &field = SettingFields[i];
        if (abWrite && !abWrite[i])
            continue;
        if (bCountForStop && nSaveStopsAfter >= 0 && nWritten == nSaveStopsAfter)
            return -1;
        LONG lResult;
        if (field.kind == kSettingString) {
            const char *psz = SettingString(&rec, field);
            lResult = RegSetValueExA(hKey, field.pszName, 0, REG_SZ, reinterpret_cast<const BYTE *>(psz),
                                     lstrlenA(psz) + 1);
        } else {
            const DWORD dwValue = static_cast<DWORD>(*SettingNumber(&rec, field));
            lResult = RegSetValueExA(hKey, field.pszName, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&dwValue),
                                     sizeof(dwValue));
        }
        bAllWritten = bAllWritten && lResult == ERROR_SUCCESS;
        ++nWritten;
    }
    return bAllWritten;
}

// A save cut short left its journal: the record it was writing is written whole before anything
// is read, so the store holds all of the new record, never part of it.
static void FinishInterruptedSave()
{
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &hKey) != ERROR_SUCCESS)
        return;
    uint8_t journal[kJournalMaxBytes];
    DWORD dwType = REG_NONE, cbJournal = sizeof(journal);
    if (RegQueryValueExA(hKey, kJournalValueName, nullptr, &dwType, journal, &cbJournal) == ERROR_SUCCESS) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        bool abFound[kSettingFieldCount];
        // A journal that does not read whole was never one this program wrote: it goes unused.
        const bool bRead = dwType == REG_BINARY && ReadJournal(journal, cbJournal, &rec, abFound);
        if (!bRead || WriteFields(hKey, rec, abFound, false) == 1)
            RegDeleteValueA(hKey, kJournalValueName);
    }
    RegCloseKey(hKey);
}

int LoadSettings(HWND hWndOwner)
{
    FinishInterruptedSave();
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

// The journal first, then the values, then the journal cleared: whenever the save stops, the
// next start finds either the old record whole or the new one in the journal.
static int SaveRecord(HWND hWndOwner, bool bWarn)
{
    HKEY hKey;
    if (nSaveStopsAfter == -2)
        return 0;
    int bSaved = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &hKey, nullptr) == ERROR_SUCCESS) {
        uint8_t journal[kJournalMaxBytes];
        const size_t cbJournal = WriteJournal(Settings, journal, sizeof(journal));
        const bool bJournal = cbJournal != 0 && RegSetValueExA(hKey, kJournalValueName, 0, REG_BINARY, journal,
                                                               static_cast<DWORD>(cbJournal)) == ERROR_SUCCESS;
        const int nWritten = WriteFields(hKey, Settings, nullptr, true);
        if (nWritten < 0) {
            RegCloseKey(hKey);
            return 0;  // stopped by a test, as if killed: no warning, the journal stays
        }
        bSaved = nWritten == 1;
        // A journal left by a failed write would only give the next start this record again.
        if (bSaved && bJournal)
            RegDeleteValueA(hKey, kJournalValueName);
        RegCloseKey(hKey);
    }
    if (!bSaved && bWarn)
        MessageBoxW(hWndOwner, WideText("レジストリ書き込みに失敗しました"), WideText(AppInfo.lpszTitle),
                    MB_ICONWARNING | MB_OK);
    return bSaved;
}

int SaveSettings(HWND hWndOwner)
{
    return SaveRecord(hWndOwner, true);
}

int SaveSettingsOnChange(HWND hWndOwner)
{
    // A failing store would otherwise warn at every drag.
    static bool bWarned;
    const int bSaved = SaveRecord(hWndOwner, !bWarned);
    bWarned = bWarned || !bSaved;
    return bSaved;
}
