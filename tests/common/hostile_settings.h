// Seeded hostile settings records: written into the real key, described for a failure
// report, and the key checked afterwards for values of the right type and range.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct SettingsRecord;

namespace hostile {

struct Value {
    bool present;
    DWORD dwType;
    std::string data;  // the raw bytes written, NUL included when there is one
};

struct Record {
    uint32_t seed;
    int index;
    bool bReadOnly;  // the key may be read but not written
    std::vector<Value> values;  // one per settings field, in store order
};

// The index-th record of a seed; the same pair always gives the same record. bAllowReadOnly
// lets some records lock the key against writing.
Record MakeRecord(uint32_t seed, int index, bool bAllowReadOnly);

// Replaces the key with exactly the record's values (and locks it when the record says so).
void WriteRecord(const Record &rec);
// Lets the key be written and deleted again.
void UnlockKey();

// Whether every value can be read: present and no larger than its field.
bool ExpectAllRead(const Record &rec);

// Seed, index and every value, enough to write the record again by hand.
std::string Describe(const Record &rec);

// Problems found in the stored key: a value missing, of the wrong type or size, a string
// longer than its field, a number outside its field's range. Empty when there are none.
std::string CheckStoredKey();
// The same range rules over a record in memory.
std::string CheckRecordRanges(const SettingsRecord &rec);

// The seed from VESPIN_HOSTILE_SEED, or the fixed default.
uint32_t SeedFromEnvironment();

}  // namespace hostile
