// CheckTimeSignal under Wine: which sound plays at the pinned moment, when the beep stands in,
// and that it remembers the time and rotates.
#include "base/wide_win.h"
#include "chime/chime_win.h"
#include "chime/sound_win.h"
#include "tests/win/render_fixture.h"

#include <mmsystem.h>

#include <fstream>
#include <string>
#include <tuple>

namespace {

std::string lastSound;
DWORD lastFlags;
BOOL playResult;
int nBeeps;
UINT uLastBeep;

BOOL WINAPI RecordPlay(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    // Vespin's own chime is named by its resource id.
    char sz[1024] = "";
    if (!IS_INTRESOURCE(pszSound))
        ToShiftJis(pszSound, sz, sizeof(sz));
    lastSound = sz;
    lastFlags = hModule == nullptr ? fdwSound : ~0u;
    return playResult;
}

BOOL WINAPI RecordBeep(UINT uType)
{
    ++nBeeps, uLastBeep = uType;
    return TRUE;
}

using TimeSignalTest = RenderTest;

// A real, silent wave file is started; then the sound calls are recorded.
TEST_F(TimeSignalTest, PlaysTheHourFileOnTheHourAndTheHalfHourFileOnTheHalfAndBeepsWhenPlayingFails)
{
    char szDir[MAX_PATH], szWave[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "vsp", 0, szWave);
    const DWORD header[] = {0x46464952, 36 + 400, 0x45564157, 0x20746D66, 16,  0x00010001,
                            8000,       8000,     0x00080001, 0x61746164, 400};
    std::ofstream(szWave, std::ios::binary)
        .write(reinterpret_cast<const char *>(header), sizeof(header))
        .write(std::string(400, '\x80').data(), 400);
    EXPECT_EQ(PlayTimeSignal(szWave), 1);
    PlaySoundA(nullptr, nullptr, 0);
    DeleteFileA(szWave);

    SetSoundCalls(RecordPlay, RecordBeep);
    lstrcpyA(Settings.szWave, "HourSound"), lstrcpyA(Settings.szWave30, "HalfSound");
    Settings.bAlarm = 1, Settings.bAlarm30 = 1, Settings.nChangeTiming = 6, Settings.nHourOld = 11, Settings.nMinuteOld = 59;
    bChimeReady = 0, nBeeps = 0;
    struct Step { WORD hour, minute, second; BOOL played; const char *sound; int beeps; int32_t drawChara; } steps[] = {
        {11, 59, 59, TRUE, "", 0, 0},           {12, 0, 0, TRUE, "HourSound", 0, 1}, {12, 0, 30, TRUE, "", 0, 1},
        {12, 30, 0, TRUE, "HalfSound", 0, 1}, {13, 0, 0, FALSE, "HourSound", 1, 2}, {13, 30, 0, FALSE, "HalfSound", 2, 2},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(testing::Message() << s.hour << ":" << s.minute << ":" << s.second);
        const SYSTEMTIME st = PinTime(2024, 6, 5, 3, s.hour, s.minute, s.second);
        lastSound.clear(), lastFlags = 0, playResult = s.played;
        CheckTimeSignal(st);
        EXPECT_EQ(lastSound, s.sound);
        EXPECT_EQ(lastFlags, *s.sound ? DWORD(SND_ASYNC) : 0u);
        EXPECT_EQ(std::pair(nBeeps, uLastBeep), std::pair(s.beeps, UINT(MB_OK)));
        EXPECT_EQ(Settings.nHourOld * 100 + Settings.nMinuteOld, s.hour * 100 + s.minute);
        EXPECT_EQ(Settings.nDrawChara, s.drawChara);
    }
    SetSoundCalls(nullptr, nullptr);
}

// Started at 11:59:59, the first paint is the first check: a tick at 12:00:01, a second late, still
// sounds the hour.
TEST_F(TimeSignalTest, TheFirstPaintIsTheFirstCheckSoAnHourJustAfterTheStartSounds)
{
    SetSoundCalls(RecordPlay, RecordBeep);
    lstrcpyA(Settings.szWave, "HourSound");
    Settings.bAlarm = 1, Settings.nHourOld = 3, bChimeReady = 0, playResult = TRUE;
    PinTime(2024, 6, 5, 3, 11, 59, 59);
    HWND hWnd = wintest::CreateMainWindow(300, 300);
    lastSound.clear();
    PinTime(2024, 6, 5, 3, 12, 0, 1);
    SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
    EXPECT_EQ(lastSound, "HourSound");
    wintest::DestroyMainWindow(hWnd);
    SetSoundCalls(nullptr, nullptr);
}

// No name plays Vespin's own chime (a sane WAVE of at most 40 KB in the resources); a file plays
// only when it exists and its header is sane; a system sound name goes to the player as it is.
TEST_F(TimeSignalTest, EachKindOfNameGoesToThePlayerOrTheBeep)
{
    HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDW_CHIME), "WAVE");
    ASSERT_NE(hrsrc, nullptr);
    const DWORD cbChime = SizeofResource(AppInfo.hInstance, hrsrc);
    EXPECT_LE(cbChime, 40u * 1024);
    char szDir[MAX_PATH], szSane[MAX_PATH], szHostile[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "vsp", 0, szSane);
    GetTempFileNameA(szDir, "vsp", 0, szHostile);
    const auto *pChime = static_cast<const char *>(LockResource(LoadResource(AppInfo.hInstance, hrsrc)));
    std::ofstream(szSane, std::ios::binary).write(pChime, cbChime);
    std::string hostile(pChime, 64);
    hostile[16] = '\xF0', hostile[17] = hostile[18] = hostile[19] = '\xFF';  // a fmt chunk of 0xFFFFFFF0 bytes
    std::ofstream(szHostile, std::ios::binary).write(hostile.data(), hostile.size());
    const std::string missing = std::string(szDir) + "vespin-no-such.wav";
    SetSoundCalls(RecordPlay, RecordBeep);
    const struct { const char *name; const char *played; DWORD flags; int beeps; } cases[] = {
        {"", "", ~0u, 0}, {szSane, szSane, SND_ASYNC, 0}, {szHostile, "", 0, 1}, {missing.c_str(), "", 0, 1},
        {"SystemAsterisk", "SystemAsterisk", SND_ASYNC, 0},
    };
    for (const auto &c : cases) {
        lastSound.clear(), lastFlags = 0, nBeeps = 0, playResult = TRUE;
        EXPECT_EQ(PlayTimeSignal(c.name), c.beeps ? 0 : 1) << c.name;
        EXPECT_EQ(std::tuple(lastSound, lastFlags, nBeeps), std::tuple(std::string(c.played), c.flags, c.beeps)) << c.name;
    }
    SetSoundCalls(nullptr, nullptr);
    DeleteFileA(szSane);
    DeleteFileA(szHostile);
}

}  // namespace
