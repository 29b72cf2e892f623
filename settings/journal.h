// The whole record in one value, written before a save and cleared after it: a save cut short
// at any moment leaves a store that the next start makes whole, all old or all new.
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings/settings.h"

// The value's name, in the settings key beside the record's values while a save runs.
extern const char kJournalValueName[];
// Every record fits.
constexpr size_t kJournalMaxBytes = 4096;

// Writes every field of rec, by name, with a check sum; returns the bytes written, 0 if
// cbOut is too small.
size_t WriteJournal(const SettingsRecord &rec, uint8_t *pOut, size_t cbOut);

// Reads a journal into *pRec: each field it names takes the journal's value, and abFound[i] tells
// which. False, touching nothing, when the bytes are no whole journal (a cut, a wrong sum, a name
// or a size that does not fit its field).
bool ReadJournal(const uint8_t *p, size_t cb, SettingsRecord *pRec, bool abFound[kSettingFieldCount]);
