// CheckTimeSignal under Wine: it plays, remembers the time and rotates at the pinned moment.
#include "chime/chime_win.h"
#include "tests/win/render_fixture.h"

#include <string>

namespace {

// A 0.05 s silent 8 kHz mono wave in the temporary directory.
std::string WriteSilentWave()
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "vsp", 0, szPath);
    const DWORD cbData = 400;
    const DWORD header[] = {0x46464952, 36 + cbData, 0x45564157, 0x20746D66, 16, 0x00010001, 8000, 8000, 0x00080001,
                            0x61746164, cbData};
    HANDLE h = CreateFileA(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(h, header, sizeof(header), &written, nullptr);
    std::string silence(cbData, '\x80');
    WriteFile(h, silence.data(), cbData, &written, nullptr);
    CloseHandle(h);
    return szPath;
}

using TimeSignalTest = RenderTest;

TEST_F(TimeSignalTest, PlaysAnExistingWaveAsynchronously)
{
    const std::string wave = WriteSilentWave();
    EXPECT_EQ(PlayTimeSignal(wave.c_str()), 1);
    PlaySoundA(nullptr, nullptr, 0);
    DeleteFileA(wave.c_str());
}

TEST_F(TimeSignalTest, HourPassedRemembersTheTimeAndRotatesInTurn)
{
    const std::string wave = WriteSilentWave();
    lstrcpyA(Settings.szWave, wave.c_str());
    Settings.bAlarm = 1, Settings.nChangeTiming = 6, Settings.bRandom = 0;
    Settings.bChara0 = Settings.bChara1 = Settings.bChara2 = 1;
    Settings.nDrawChara = 0;
    Settings.nHourOld = 11, Settings.nMinuteOld = 59;
    bChimeReady = 1;
    struct Step {
        WORD hour, minute, second;
        int32_t drawChara;
    } steps[] = {{11, 59, 59, 0}, {12, 0, 0, 1}, {12, 0, 30, 1}, {13, 0, 0, 2}};
    for (const Step &s : steps) {
        PinTime(2024, 6, 5, 3, s.hour, s.minute, s.second);
        CheckTimeSignal();
        EXPECT_EQ(Settings.nHourOld, s.hour);
        EXPECT_EQ(Settings.nMinuteOld, s.minute);
        EXPECT_EQ(Settings.nDrawChara, s.drawChara) << s.hour << ":" << s.minute;
    }
    PlaySoundA(nullptr, nullptr, 0);
    DeleteFileA(wave.c_str());
}

TEST_F(TimeSignalTest, FirstCheckArmsTheSignal)
{
    bChimeReady = 0;
    PinTime(2024, 6, 5, 3, 12, 0, 30);
    CheckTimeSignal();
    EXPECT_EQ(bChimeReady, 1);
}

TEST_F(TimeSignalTest, HandEditedCharacterIndexEndsInRange)
{
    Settings.nChangeTiming = 0, Settings.bRandom = 0;
    Settings.bChara0 = Settings.bChara1 = Settings.bChara2 = 1;
    Settings.nHourOld = 10, Settings.nMinuteOld = 0;
    Settings.nDrawChara = -5;
    PinTime(2024, 6, 5, 3, 10, 1, 0);
    CheckTimeSignal();
    EXPECT_EQ(Settings.nDrawChara, 2);  // -5 is 1 in range; the next is 2
}

}  // namespace
