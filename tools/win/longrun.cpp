// A long run through the real window procedure: timer ticks with paints, blinks, time signals
// across midnight and a month end (the clock pinned and moved on), the menu, the page toggle, the
// property sheet and the About box with its staff reveal; GDI and USER capacity and resident
// memory before and after. Not a test: scripts/longrun.sh runs it.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "about/about.h"
#include "about/staff.h"
#include "about/staff_win.h"
#include "base/appinfo_win.h"
#include "base/appnames.h"
#include "base/clock_win.h"
#include "chime/sound_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

int nSounds, nBeeps, nMenus;

// The real calls, counted.
BOOL WINAPI CountingPlay(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound)
{
    ++nSounds;
    return PlaySoundW(pszSound, hModule, fdwSound);
}

BOOL WINAPI CountingBeep(UINT uType)
{
    ++nBeeps;
    return MessageBeep(uType);
}

// A 0.05 s silent 8 kHz mono wave.
void WriteSilentWave(const char *pszPath)
{
    const DWORD header[] = {0x46464952, 36 + 400, 0x45564157, 0x20746D66, 16,  0x00010001,
                            8000,       8000,     0x00080001, 0x61746164, 400};
    std::ofstream(pszPath, std::ios::binary)
        .write(reinterpret_cast<const char *>(header), sizeof(header))
        .write(std::string(400, '\x80').data(), 400);
}

// The local clock moved on by a number of 100 ns units; the weekday follows.
void Advance(SYSTEMTIME *pst, LONGLONG units)
{
    FILETIME ft;
    SystemTimeToFileTime(pst, &ft);
    ULARGE_INTEGER u = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    u.QuadPart += units;
    ft = {u.LowPart, u.HighPart};
    FileTimeToSystemTime(&ft, pst);
}

// Opens the About box, clicks its icon, lets the staff box reveal its picture, then closes both.
void ShowAboutAndStaff(HWND hWnd)
{
    enum { kClickIcon, kAwaitReveal, kCloseAbout, kClosed } step = kClickIcon;
    wintest::RunModalCommand(hWnd, IDM_ABOUT, [&] {
        HWND hAbout = wintest::FindOwnedDialog(hWnd);
        if (!hAbout)
            return;
        HWND hStaff = wintest::FindOwnedDialog(hAbout);
        if (step == kClickIcon) {
            RECT rc;
            GetWindowRect(GetDlgItem(hAbout, IDC_ABOUTICON), &rc);
            MapWindowPoints(nullptr, hAbout, reinterpret_cast<POINT *>(&rc), 2);
            PostMessageA(hAbout, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 5, rc.top + 5));
            step = kAwaitReveal;
        } else if (step == kAwaitReveal && hStaff && StaffBox.nPass == kRevealPasses) {
            PostMessageA(GetDlgItem(hStaff, IDOK), BM_CLICK, 0, 0);
            step = kCloseAbout;
        } else if (step == kCloseAbout && !hStaff) {
            PostMessageA(hAbout, WM_COMMAND, IDCANCEL, 0);
            step = kClosed;
        }
    });
}

SIZE_T ResidentKiB()
{
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof(pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize / 1024;
}

}  // namespace

int main(int argc, char **argv)
{
    const int nTicks = argc > 1 ? std::atoi(argv[1]) : 100000;
    AppInfo.lpszClassName = kAppClassName;
    AppInfo.lpszTitle = kAppTitle;
    AppInfo.hInstance = GetModuleHandleA(nullptr);

    char szDir[MAX_PATH], szWave[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "vsp", 0, szWave);
    WriteSilentWave(szWave);
    SetSoundCalls(CountingPlay, CountingBeep);

    // Every signal on, a new character every minute at random, the rokuyo shown.
    SetDefaultSettings(&Settings);
    Settings.bAlarm = Settings.bAlarm30 = 1;
    lstrcpyA(Settings.szWave, szWave);
    lstrcpyA(Settings.szWave30, szWave);
    Settings.nChangeTiming = 0, Settings.bRandom = 1, Settings.b6 = 1, Settings.nCalendarPos = 1;
    Settings.nWindowX = 300, Settings.nWindowY = 200;

    // An hour before the leap day ends: the run crosses midnight, 29 February and the month end.
    SYSTEMTIME st = {2024, 2, 3, 28, 23, 0, 0, 0};
    Advance(&st, 0);
    SetLocalTimeOverride(&st);
    HWND hWnd = wintest::CreateMainWindow(300, 200);
    wintest::SetMenuIdleHandler([](HWND) {
        ++nMenus;
        EndMenu();
    });

    int nBlinks = 0, nRotations = 0, nMidnights = 0, nMonthEnds = 0, nToggles = 0, nSheets = 0, nAbouts = 0;
    const auto tick = [&](int i) {
        const WORD wDay = st.wDay, wMonth = st.wMonth;
        const int32_t nChara = Settings.nDrawChara;
        if (uTimer2 != 0) {
            Advance(&st, 2000000);  // 200 ms
            SetLocalTimeOverride(&st);
            SendMessageA(hWnd, WM_TIMER, uTimer2, 0);
        } else {
            Advance(&st, 130000000);  // 13 s: a day in about 6,600 ticks
            SetLocalTimeOverride(&st);
            SendMessageA(hWnd, WM_TIMER, uTimer1, 0);
            nBlinks += nBlinkStep == 0;
        }
        nRotations += Settings.nDrawChara != nChara;
        nMidnights += st.wDay != wDay;
        nMonthEnds += st.wMonth != wMonth;
        if (i % 1000 == 999) {
            SendMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
        }
        if (i % 500 == 499) {
            SendMessageA(hWnd, WM_LBUTTONDBLCLK, 0, 0);
            ++nToggles;
        }
        // OK saves the record, Cancel restores it: both, in turn.
        if (i % 500 == 124)
            wintest::RunPropertySheet(hWnd, nSheets++ % 2 ? PSBTN_CANCEL : PSBTN_OK);
        if (i % 500 == 374) {
            ShowAboutAndStaff(hWnd);
            ++nAbouts;
        }
        wintest::PumpMessages();
    };

    // The first ticks load what is loaded once (fonts, code); capacity is measured after them.
    for (int i = 0; i < 1000; ++i)
        tick(i);
    const int nGdiBefore = wintest::GdiCapacity(), nUserBefore = wintest::MenuCapacity();
    const SIZE_T cbResidentBefore = ResidentKiB();
    nBlinks = nRotations = nMidnights = nMonthEnds = nToggles = nSheets = nAbouts = nSounds = nBeeps = nMenus = 0;
    const DWORD dwStart = GetTickCount();
    for (int i = 0; i < nTicks; ++i)
        tick(i);
    const DWORD dwElapsed = GetTickCount() - dwStart;
    const int nGdiAfter = wintest::GdiCapacity(), nUserAfter = wintest::MenuCapacity();
    const SIZE_T cbResidentAfter = ResidentKiB();

    std::printf("%d ticks in %.1f s, ending %04u-%02u-%02u %02u:%02u\n", nTicks, dwElapsed / 1000.0, st.wYear,
                st.wMonth, st.wDay, st.wHour, st.wMinute);
    std::printf("blinks started %d, time signals %d (beeps %d), characters changed %d, midnights %d, month ends %d,"
                " menus opened and closed %d, page toggles %d, property sheets %d (OK and Cancel in turn),"
                " About boxes with the staff reveal %d\n",
                nBlinks, nSounds, nBeeps, nRotations, nMidnights, nMonthEnds, nMenus, nToggles, nSheets, nAbouts);
    std::printf("GDI capacity %d before, %d after (%+d)\n", nGdiBefore, nGdiAfter, nGdiAfter - nGdiBefore);
    std::printf("USER capacity %d before, %d after (%+d)\n", nUserBefore, nUserAfter, nUserAfter - nUserBefore);
    std::printf("resident memory %lu KiB before, %lu KiB after (%+ld KiB)\n",
                static_cast<unsigned long>(cbResidentBefore), static_cast<unsigned long>(cbResidentAfter),
                static_cast<long>(cbResidentAfter) - static_cast<long>(cbResidentBefore));

    bSettingsLoaded = 0;  // nothing more of this run reaches the store
    wintest::DestroyMainWindow(hWnd);
    wintest::DeleteSettingsKey();  // what the sheet's OK saved
    SetSoundCalls(nullptr, nullptr);
    PlaySoundA(nullptr, nullptr, 0);
    DeleteFileA(szWave);
    const bool bClean = nGdiAfter == nGdiBefore && nUserAfter == nUserBefore;
    return bClean ? 0 : 1;
}
