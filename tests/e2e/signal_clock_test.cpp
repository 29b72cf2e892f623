// The real vespin.exe at three in the afternoon, its clock set by the preloaded shim that
// scripts/wine-clock-run.sh builds: a signal in quiet hours stays silent, one outside them sounds and
// the character says the time. Run only by that script (ctest's TimeSignalAtThreeOClock).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "chime/balloon_win.h"
#include "tests/e2e/e2e_harness.h"

namespace {

// The sounds Wine's trace says were played so far, from the log the script names.
int CountPlayedSounds()
{
    const char *pszLog = std::getenv("VESPIN_SOUND_LOG");
    std::string path = std::string("Z:") + (pszLog ? pszLog : "");
    for (char &ch : path)
        ch = ch == '/' ? '\\' : ch;
    std::ifstream log(path);
    int n = 0;
    for (std::string line; std::getline(log, line);)
        n += line.find("MULTIMEDIA_PlaySound") != std::string::npos;
    return n;
}

TEST(ClockShifted, AtThreeQuietHoursKeepTheSignalSilentAndOutsideThemTheCharacterSaysTheTime)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    ASSERT_EQ(st.wHour * 100 + st.wMinute, 1459) << "the clock must start at 14:59:57 (scripts/wine-clock-run.sh)";
    ASSERT_NE(std::getenv("VESPIN_SOUND_LOG"), nullptr);
    const struct { const char *what; DWORD quietFrom, quietTo; bool bSays; } runs[] = {
        {"quiet from 15 to 16", 15, 16, false},
        {"quiet from 22 to 7", 22, 7, true},
    };
    for (const auto &r : runs) {
        SCOPED_TRACE(r.what);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        for (const auto &[name, value] : {std::pair("bAlarm", 1ul), std::pair("nChangeTiming", 13ul),
                                          std::pair("bSignalBalloon", 1ul), std::pair("nQuietFrom", r.quietFrom),
                                          std::pair("nQuietTo", r.quietTo)})
            e2e::WriteDword(name, value);
        const int nSoundsBefore = CountPlayedSounds();
        // Each process's clock starts at 14:59:57: the hour comes about three seconds in.
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        HWND hBalloon = nullptr;
        const auto Shown = [&] {
            return (hBalloon = FindWindowW(kBalloonClassName, nullptr)) != nullptr && IsWindowVisible(hBalloon);
        };
        EXPECT_EQ(e2e::WaitFor(Shown, 8000), r.bSays);
        if (hBalloon) {
            WCHAR szText[32] = L"";
            GetWindowTextW(hBalloon, szText, ARRAYSIZE(szText));
            EXPECT_STREQ(szText, L"3時です");
            EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hBalloon); }, 10000)) << "it goes after its time";
        }
        EXPECT_EQ(app.Exit(), 0);
        DWORD dwHour = 0;
        EXPECT_TRUE(e2e::ReadDword("nHourOld", &dwHour) && dwHour == 15) << "the check of 15:00 ran: " << dwHour;
        EXPECT_EQ(CountPlayedSounds() - nSoundsBefore, r.bSays ? 1 : 0);
    }
    e2e::DeleteSettingsKey();
}

}  // namespace
