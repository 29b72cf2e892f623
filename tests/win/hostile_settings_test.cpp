// A thousand seeded hostile records in the real key: load, paint with the page shown and hidden,
// toggle, save. Nothing may crash, every saved value must be in range and of its type, and
// the warnings must be exactly those of the failed saves. A failure names the seed and the record.
#include <cstdio>
#include <cstring>

#include "app/mainwnd.h"
#include "chime/sound_win.h"
#include "settings/registry_win.h"
#include "tests/common/hostile_settings.h"
#include "tests/win/render_fixture.h"

namespace {

BOOL WINAPI QuietPlay(LPCWSTR, HMODULE, DWORD) { return TRUE; }
BOOL WINAPI QuietBeep(UINT) { return TRUE; }

using HostileSettingsTest = PaintWindowTest;

// VESPIN_HOSTILE_SEED and VESPIN_HOSTILE_RECORDS choose another run.
TEST_F(HostileSettingsTest, EveryRecordLoadsPaintsTogglesAndSavesInRange)
{
    const uint32_t seed = hostile::SeedFromEnvironment();
    const int nRecords = hostile::RecordCountFromEnvironment(1000);
    SetSoundCalls(QuietPlay, QuietBeep);
    PinTime(2024, 1, 31, 3, 12, 0);
    TestImage image(240, 320);
    int nDone = 0, nLoaded = 0, nLocked = 0;
    for (int i = 0; i < nRecords && !HasFailure(); ++i, ++nDone) {
        const hostile::Record rec = hostile::MakeRecord(seed, i, true);
        hostile::WriteRecord(rec);
        const bool bAllRead = hostile::ExpectAllRead(rec);
        wintest::MessageBoxCatcher boxes;
        std::memset(&Settings, 0x5A, sizeof(Settings));
        EXPECT_EQ(LoadSettings(hWnd_), bAllRead ? 1 : 0);
        EXPECT_EQ(hostile::CheckRecordRanges(Settings), "") << "loaded";
        // Painted as loaded, toggled, painted the other way, toggled back. (A double click would save
        // at once, which the locked key's warnings below do not count.)
        for (int pass = 0; pass < 2; ++pass) {
            Paint(image);
            ToggleCalendarPage();
        }
        EXPECT_EQ(SaveSettings(hWnd_), rec.bReadOnly ? 0 : 1);
        // A locked key fails the save of the defaults path too.
        EXPECT_EQ(boxes.texts.size(), rec.bReadOnly ? (bAllRead ? 1u : 2u) : 0u);
        if (rec.bReadOnly)
            hostile::SetKeyWritable(true);
        else
            EXPECT_EQ(hostile::CheckStoredKey(), "") << "saved";
        nLoaded += bAllRead, nLocked += rec.bReadOnly;
        if (HasFailure())
            ADD_FAILURE() << hostile::Describe(rec);
    }
    std::printf("%d records from seed %u: %d loaded as stored, %d reset to the defaults, %d with a read-only key\n",
                nDone, seed, nLoaded, nDone - nLoaded, nLocked);
    SetSoundCalls(nullptr, nullptr);
    bSettingsLoaded = 0;
    hostile::SetKeyWritable(true);
    wintest::DeleteSettingsKey();
}

}  // namespace
