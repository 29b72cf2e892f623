// Seeded hostile settings records, written into the real key, and the checks of what is stored afterwards.
#include "tests/common/hostile_settings.h"

#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "base/sjis.h"
#include "settings/settings.h"
#include "tests/common/settings_store.h"

namespace hostile {

namespace {

const uint32_t kDefaultSeed = 20261207;

// Problems of a number field's value; positions may hold anything.
std::string RangeProblem(const char *pszName, int32_t value)
{
    static const struct { const char *pszName; int32_t low, high; } kRanges[] = {
        {"nDrawChara", 0, 2},      {"nWindowPos", 0, 4},      {"nCalendarPos", 0, 3}, {"nTransparentCal", 0, 100},
        {"nChangeTiming", 0, 13},  {"nTransparent", 0, 100},  {"nHourOld", 0, 23},    {"nMinuteOld", 0, 59},
        {"nFadeOnHover", 0, 90},
        {"nQuietFrom", 0, 23},     {"nQuietTo", 0, 23},
    };
    int32_t low = 0, high = 1;
    bool bRanged = pszName[0] == 'b';
    for (const auto &r : kRanges)
        if (std::strcmp(r.pszName, pszName) == 0)
            low = r.low, high = r.high, bRanged = true;
    if (!bRanged || (value >= low && value <= high))
        return "";
    return std::string(pszName) + " = " + std::to_string(value) + " outside " + std::to_string(low) + ".." +
           std::to_string(high) + "; ";
}

class Generator {
public:
    Generator(uint32_t seed, int index)
    {
        std::seed_seq seq{seed, static_cast<uint32_t>(index)};
        rng_.seed(seq);
    }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    uint32_t Word() { return static_cast<uint32_t>(rng_()); }
    // Text survives the registry's conversion to Unicode and back with its length: printable
    // ASCII and two-byte hiragana.
    std::string Fill(size_t length, bool bText)
    {
        std::string s;
        while (s.size() < length) {
            if (!bText)
                s += static_cast<char>(Pick(256));
            else if (length - s.size() >= 2 && Pick(3) == 0)
                s += {'\x82', static_cast<char>(0x9F + Pick(0x50))};
            else
                s += static_cast<char>(0x20 + Pick(0x5F));
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

bool IsTextType(DWORD dwType) { return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ; }
std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char *>(&value), 4); }

Value MakeNumber(Generator &g, bool bFitting)
{
    static const uint32_t kExtremes[] = {0, 1, 2, 3, 4, 5, 13, 14, 23, 24, 59, 60, 100, 101, 0xFFFFFFFF,
                                         0x80000000, 0x7FFFFFFF, 0xFFFFFF88, 0xFFFFFF60};
    switch (g.Pick(bFitting ? 2 : 3)) {
    case 0:
        return {true, REG_DWORD, Dword(g.Pick(3) ? kExtremes[g.Pick(sizeof(kExtremes) / 4)] : g.Word())};
    case 1: {  // another type, at most 4 bytes: read as a number
        static const DWORD kTypes[] = {REG_BINARY, REG_SZ, REG_QWORD, REG_MULTI_SZ, REG_EXPAND_SZ, REG_NONE};
        const DWORD dwType = kTypes[g.Pick(6)];
        const size_t length = g.Pick(5);
        // Text with its NUL: how a text without one is read back differs between Wine's builds.
        const bool bText = IsTextType(dwType);
        return {true, dwType, bText && length ? g.Fill(length - 1, true) + '\0' : g.Fill(length, false)};
    }
    default: {  // more than 4 bytes
        static const DWORD kTypes[] = {REG_BINARY, REG_DWORD, REG_QWORD, REG_SZ};
        const DWORD dwType = kTypes[g.Pick(4)];
        const size_t length = 5 + g.Pick(296);
        return {true, dwType, g.Fill(length, dwType == REG_SZ)};
    }
    }
}

Value MakeString(Generator &g, size_t cbField, bool bFitting)
{
    const size_t lengths[] = {0, 1, cbField - 2, cbField - 1, cbField, static_cast<size_t>(g.Pick(int(cbField) + 1))};
    const size_t length = lengths[g.Pick(6)];
    switch (g.Pick(bFitting ? 3 : 4)) {
    case 0: {  // text, with its NUL or without
        const bool bNul = length > 0 && g.Pick(2);
        return {true, REG_SZ, g.Fill(length - bNul, true) + std::string(bNul, '\0')};
    }
    case 1: return {true, REG_DWORD, Dword(g.Word())};
    case 2: return {true, REG_BINARY, g.Fill(length, false)};
    default: {  // longer than the field
        const size_t cbLong = cbField + 1 + g.Pick(int(300 - cbField));
        const bool bText = g.Pick(2);
        return {true, bText ? DWORD(REG_SZ) : DWORD(REG_BINARY), g.Fill(cbLong, bText)};
    }
    }
}

const char *TypeName(DWORD dwType)
{
    static const char *const kNames[] = {"REG_NONE", "REG_SZ",       "REG_EXPAND_SZ", "REG_BINARY",
                                         "REG_DWORD", "REG_DWORD_BE", "REG_LINK",      "REG_MULTI_SZ",
                                         "?",         "?",            "?",             "REG_QWORD"};
    return dwType < 12 ? kNames[dwType] : "?";
}

std::string Misfit(const char *pszName, DWORD dwType, DWORD cbData)
{
    return std::string(pszName) + " of type " + TypeName(dwType) + ", " + std::to_string(cbData) + " bytes; ";
}

}  // namespace

Record MakeRecord(uint32_t seed, int index, bool bAllowReadOnly)
{
    Generator g(seed, index);
    // Half the records hold only values that can be read, so the loaded path is walked as often
    // as the reset; the rest may hold anything.
    const bool bFitting = g.Pick(2) == 0, bLock = g.Pick(16) == 0;  // drawn always: the same record either way
    Record rec = {seed, index, bAllowReadOnly && bLock, {}};
    for (const SettingField &field : SettingFields)
        rec.values.push_back(!bFitting && g.Pick(10) == 0       ? Value{false, REG_NONE, ""}
                             : field.kind != kSettingString ? MakeNumber(g, bFitting)
                                                            : MakeString(g, field.cbSize, bFitting));
    return rec;
}

void SetKeyWritable(bool bWritable)
{
    PSECURITY_DESCRIPTOR pSd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(bWritable ? "D:(A;;KA;;;WD)" : "D:(A;;KR;;;WD)",
                                                              SDDL_REVISION_1, &pSd, nullptr))
        return;
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, WRITE_DAC, &hKey) == ERROR_SUCCESS) {
        RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, pSd);
        RegCloseKey(hKey);
    }
    LocalFree(pSd);
}

void WriteRecord(const Record &rec)
{
    SetKeyWritable(true);
    teststore::DeleteSettingsKey();
    HKEY hKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < kSettingFieldCount; ++i)
        if (rec.values[i].present)
            teststore::SetValueIn(hKey, SettingFields[i].pszName, rec.values[i].dwType, rec.values[i].data.data(),
                                  static_cast<DWORD>(rec.values[i].data.size()));
    RegCloseKey(hKey);
    if (rec.bReadOnly)
        SetKeyWritable(false);
}

bool ExpectAllRead(const Record &rec)
{
    // The options beside the 28 are read on their own and never reset the record.
    for (int i = 0; i < kRecordFieldCount; ++i)
        if (!rec.values[i].present || rec.values[i].data.size() > SettingFields[i].cbSize)
            return false;
    return true;
}

std::string Describe(const Record &rec)
{
    std::string out = "seed " + std::to_string(rec.seed) + ", record " + std::to_string(rec.index) +
                      (rec.bReadOnly ? " (key read-only)" : "") + ":\n";
    char hex[4];
    for (int i = 0; i < kSettingFieldCount; ++i) {
        const Value &v = rec.values[i];
        out += std::string("  ") + SettingFields[i].pszName;
        if (v.present)
            out += std::string(" ") + TypeName(v.dwType) + ", " + std::to_string(v.data.size()) + " bytes:";
        for (unsigned char c : v.data)
            std::snprintf(hex, sizeof(hex), " %02X", c), out += hex;
        out += v.present ? "\n" : " missing\n";
    }
    return out;
}

std::string CheckStoredKey()
{
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return "no key";
    std::string problems;
    DWORD dwValues = 0;
    RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &dwValues, nullptr, nullptr,
                     nullptr, nullptr);
    if (dwValues != kSettingFieldCount)
        problems += std::to_string(dwValues) + " values; ";
    for (const SettingField &field : SettingFields) {
        char data[1024];
        DWORD dwType = REG_NONE, cbData = sizeof(data);
        if (RegQueryValueExA(hKey, field.pszName, nullptr, &dwType, reinterpret_cast<BYTE *>(data), &cbData) !=
            ERROR_SUCCESS) {
            problems += std::string(field.pszName) + " unreadable; ";
        } else if (field.kind != kSettingString) {
            int32_t value;
            std::memcpy(&value, data, 4);
            problems += dwType != REG_DWORD || cbData != 4 ? Misfit(field.pszName, dwType, cbData)
                                                           : RangeProblem(field.pszName, value);
        } else if (dwType != REG_SZ || cbData > field.cbSize) {
            // Bytes that are no Shift-JIS may come back changed from the store's Unicode, but
            // never longer than the field, so the next start still reads them.
            problems += Misfit(field.pszName, dwType, cbData);
        } else if (cbData == 0 || data[cbData - 1] != '\0' || WholeCharacterBytes(data, cbData) != cbData - 1) {
            problems += std::string(field.pszName) + " not whole characters and their NUL; ";
        }
    }
    RegCloseKey(hKey);
    return problems;
}

std::string CheckRecordRanges(const SettingsRecord &rec)
{
    SettingsRecord copy = rec;
    std::string problems;
    for (const SettingField &field : SettingFields) {
        if (field.kind != kSettingString)
            problems += RangeProblem(field.pszName, *SettingNumber(&copy, field));
        else if (std::memchr(SettingString(&copy, field), '\0', field.cbSize) == nullptr)
            problems += std::string(field.pszName) + " unterminated; ";
    }
    return problems;
}

uint32_t SeedFromEnvironment()
{
    const char *psz = std::getenv("VESPIN_HOSTILE_SEED");
    return psz && *psz ? static_cast<uint32_t>(std::strtoul(psz, nullptr, 10)) : kDefaultSeed;
}

int RecordCountFromEnvironment(int nDefault)
{
    const char *psz = std::getenv("VESPIN_HOSTILE_RECORDS");
    return psz && *psz ? std::atoi(psz) : nDefault;
}

}  // namespace hostile
