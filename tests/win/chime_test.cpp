// CheckTimeSignal under Wine: it plays, remembers the time and rotates at the pinned moment.
#include "chime/chime_win.h"
#include "tests/win/render_fixture.h"

#include <fstream>
#include <string>

namespace {

using TimeSignalTest = RenderTest;

TEST_F(TimeSignalTest, PlaysTheHourThenRemembersTheTimeAndRotatesInTurn)
{
    // A 0.05 s silent 8 kHz mono wave in the temporary directory.
    char szDir[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "vsp", 0, Settings.szWave);
    const DWORD header[] = {0x46464952, 36 + 400, 0x45564157, 0x20746D66, 16,  0x00010001,
                            8000,       8000,     0x00080001, 0x61746164, 400};
    std::ofstream(Settings.szWave, std::ios::binary)
        .write(reinterpret_cast<const char *>(header), sizeof(header))
        .write(std::string(400, '\x80').data(), 400);
    EXPECT_EQ(PlayTimeSignal(Settings.szWave), 1);

    Settings.bAlarm = 1, Settings.nChangeTiming = 6, Settings.nHourOld = 11, Settings.nMinuteOld = 59;
    bChimeReady = 0;
    struct Step { WORD hour, minute, second; int32_t drawChara; } steps[] = {
        {11, 59, 59, 0}, {12, 0, 0, 1}, {12, 0, 30, 1}, {13, 0, 0, 2}};
    for (const Step &s : steps) {
        CheckTimeSignal({2024, 6, 3, 5, s.hour, s.minute, s.second, 0});
        EXPECT_EQ(Settings.nHourOld * 100 + Settings.nMinuteOld, s.hour * 100 + s.minute);
        EXPECT_EQ(Settings.nDrawChara, s.drawChara) << s.hour << ":" << s.minute << ":" << s.second;
    }
    EXPECT_EQ(bChimeReady, 1);
    PlaySoundA(nullptr, nullptr, 0);
    DeleteFileA(Settings.szWave);
}

}  // namespace
