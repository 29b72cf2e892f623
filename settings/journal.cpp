// The save's journal: "VSJ1", the count of entries, each entry as its name, kind, size and bytes,
// then an FNV-1a sum of all before it.
#include "settings/journal.h"

#include <cstring>

const char kJournalValueName[] = "SaveInProgress";

namespace {

constexpr uint8_t kMagic[4] = {'V', 'S', 'J', '1'};

uint32_t Sum(const uint8_t *p, size_t cb)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < cb; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

struct Writer {
    uint8_t *p;
    size_t cb, used;
    bool Put(const void *pData, size_t cbData)
    {
        if (cbData > cb - used)
            return false;
        std::memcpy(p + used, pData, cbData);
        used += cbData;
        return true;
    }
    bool Put32(uint32_t v)
    {
        const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        return Put(b, 4);
    }
};

struct Reader {
    const uint8_t *p;
    size_t cb, used;
    const uint8_t *Take(size_t n)
    {
        if (n > cb - used)
            return nullptr;
        used += n;
        return p + used - n;
    }
    bool Take32(uint32_t *pv)
    {
        const uint8_t *b = Take(4);
        if (b)
            *pv = b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24;
        return b != nullptr;
    }
};

}  // namespace

size_t WriteJournal(const SettingsRecord &rec, uint8_t *pOut, size_t cbOut)
{
    Writer w = {pOut, cbOut, 0};
    bool bOk = w.Put(kMagic, 4) && w.Put32(kSettingFieldCount);
    for (const SettingField &field : SettingFields) {
        const uint8_t cbName = static_cast<uint8_t>(std::strlen(field.pszName));
        const bool bString = field.kind == kSettingString;
        const char *pData = bString ? SettingString(&rec, field) : reinterpret_cast<const char *>(SettingNumber(&rec, field));
        const size_t cbData = bString ? strnlen(pData, field.cbSize) : 4;
        bOk = bOk && w.Put(&cbName, 1) && w.Put(field.pszName, cbName) && w.Put32(static_cast<uint32_t>(cbData)) &&
              w.Put(pData, cbData);
    }
    bOk = bOk && w.Put32(Sum(pOut, w.used));
    return bOk ? w.used : 0;
}

bool ReadJournal(const uint8_t *p, size_t cb, SettingsRecord *pRec, bool abFound[kSettingFieldCount])
{
    if (cb < 12 || std::memcmp(p, kMagic, 4) != 0)
        return false;
    Reader sum = {p + cb - 4, 4, 0};
    uint32_t nSum = 0;
    if (!sum.Take32(&nSum) || nSum != Sum(p, cb - 4))
        return false;
    Reader r = {p, cb - 4, 4};
    uint32_t nCount = 0;
    if (!r.Take32(&nCount))
        return false;
    SettingsRecord rec = *pRec;
    bool abSeen[kSettingFieldCount] = {};
    for (uint32_t n = 0; n < nCount; ++n) {
        const uint8_t *pcbName = r.Take(1);
        const uint8_t *pName = pcbName ? r.Take(*pcbName) : nullptr;
        uint32_t cbData = 0;
        const uint8_t *pData = pName && r.Take32(&cbData) ? r.Take(cbData) : nullptr;
        if (!pData)
            return false;
        // A name this version does not know was stored by another: it is passed over.
        for (int i = 0; i < kSettingFieldCount; ++i) {
            const SettingField &field = SettingFields[i];
            if (std::strlen(field.pszName) != *pcbName || std::memcmp(field.pszName, pName, *pcbName) != 0)
                continue;
            if (field.kind == kSettingString) {
                if (cbData >= field.cbSize)
                    return false;
                char *psz = SettingString(&rec, field);
                std::memset(psz, 0, field.cbSize);
                std::memcpy(psz, pData, cbData);
            } else {
                if (cbData != 4)
                    return false;
                std::memcpy(SettingNumber(&rec, field), pData, 4);
            }
            abSeen[i] = true;
        }
    }
    if (r.used != r.cb)
        return false;
    *pRec = rec;
    std::memcpy(abFound, abSeen, sizeof(abSeen));
    return true;
}
