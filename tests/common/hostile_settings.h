// Seeded hostile settings records: written into the real key, described for a failure
// report, and the key checked afterwards for values of the right type and range.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct SettingsRecord;

namespace hostile {

// data: the raw bytes written, NUL included when there is one.
struct Value { bool present; DWORD dwType; std::string data; };
// values: one per settings field, in store order; bReadOnly: the key may be read but not written.
struct Record { uint32_t seed; int index; bool bReadOnly; std::vector<Value> values; };

// The same seed and index always give the same record; only with bAllowReadOnly may it lock the key.
Record MakeRecord(uint32_t seed, int index, bool bAllowReadOnly);
// Replaces the key with exactly the record's values, locked when the record says so.
void WriteRecord(const Record &rec);
// Everyone may read the key; only when writable may anyone write or delete it.
void SetKeyWritable(bool bWritable);
// Whether every value can be read: present and no larger than its field.
bool ExpectAllRead(const Record &rec);
// Seed, index and every value, enough to write the record again by hand.
std::string Describe(const Record &rec);

// Problems in the stored key (a value missing, of the wrong type or size, too long, out of
// range) or in a record in memory; empty when there are none.
std::string CheckStoredKey();
std::string CheckRecordRanges(const SettingsRecord &rec);

// The seed from VESPIN_HOSTILE_SEED, or the fixed default.
uint32_t SeedFromEnvironment();
// The number of records from VESPIN_HOSTILE_RECORDS, or nDefault.
int RecordCountFromEnvironment(int nDefault);

}  // namespace hostile
