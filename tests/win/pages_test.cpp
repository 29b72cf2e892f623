// The Clock and Chara pages in-process: a first write before a page's set-up, and the
// time signal playing what the Clock page stored.
#include "settings/charapage_win.h"
#include "settings/clockpage_win.h"

#include <commctrl.h>

#include <string>

#include "base/wide_win.h"
#include "chime/chime_win.h"
#include "chime/sound_win.h"
#include "tests/win/render_fixture.h"

namespace {

std::string sPlayed;

BOOL WINAPI RecordPlaySound(LPCWSTR pszSound, HMODULE, DWORD)
{
    char sz[1024] = "";
    ToShiftJis(pszSound, sz, sizeof(sz));
    sPlayed = sz;
    return TRUE;
}

class PageTest : public RenderTest {
protected:
    void SetUp() override { RenderTest::SetUp(); bClockPageReady = bCharaPageReady = 0; }
    static HWND Open(int nTemplate, DLGPROC pfnProc)
    {
        return CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(nTemplate), nullptr, pfnProc, 0);
    }
};

// Windows' up-down control writes its buddy when it is created, before the page's set-up
// (this Wine's does not): the hook does it for it.
LRESULT CALLBACK WriteBuddyOnCreate(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *pcwp = reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    char szClass[32] = "";
    if (nCode == HC_ACTION && pcwp->message == WM_CREATE && GetClassNameA(pcwp->hwnd, szClass, sizeof(szClass)) &&
        lstrcmpiA(szClass, UPDOWN_CLASSA) == 0)
        SetWindowTextA(GetWindow(pcwp->hwnd, GW_HWNDPREV), "0");
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// A sheet cancelled from another page sends this one no notification: destroying it must
// still clear its flag, or the next page takes its up-down control's first write as typed.
TEST_F(PageTest, AFirstWriteBeforeSetUpChangesNoTransparency)
{
    const struct { int nTemplate; DLGPROC pfnProc; int32_t *pnValue; } pages[] = {
        {IDD_CLOCKPAGE, ClockPageProc, &Settings.nTransparentCal},
        {IDD_CHARAPAGE, CharaPageProc, &Settings.nTransparent}};
    HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, WriteBuddyOnCreate, nullptr, GetCurrentThreadId());
    for (const auto &p : pages) {
        *p.pnValue = 40;
        DestroyWindow(Open(p.nTemplate, p.pfnProc));  // visited, then the sheet went without a word
        HWND hPage = Open(p.nTemplate, p.pfnProc);
        EXPECT_EQ(*p.pnValue, 40) << p.nTemplate;
        EXPECT_EQ(GetDlgItemInt(hPage, 1025, nullptr, FALSE), 40u);
        DestroyWindow(hPage);
    }
    UnhookWindowsHookEx(hHook);
}

// What OK on the Clock page stores is what sounds: the hour file on the hour, the other on the half hour.
TEST_F(PageTest, TheTimeSignalPlaysTheFilesTheClockPageStored)
{
    HWND hPage = Open(IDD_CLOCKPAGE, ClockPageProc);
    SendDlgItemMessageA(hPage, IDC_ALARM30, BM_CLICK, 0, 0);
    SetDlgItemTextA(hPage, IDC_WAVE, "HourChime");
    SetDlgItemTextA(hPage, IDC_WAVE30, "HalfChime");
    // Apply leaves the page reading its boxes; OK stores the paths.
    PSHNOTIFY apply = {{GetParent(hPage), 0, PSN_APPLY}, FALSE};
    SendMessageA(hPage, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&apply));
    SetDlgItemTextA(hPage, IDC_CALTRANS_EDIT, "77");
    EXPECT_EQ(Settings.nTransparentCal, 77);
    PSHNOTIFY ok = {{GetParent(hPage), 0, PSN_APPLY}, TRUE};
    SendMessageA(hPage, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ok));
    DestroyWindow(hPage);
    Settings.bAlarm = 1;
    SetSoundCalls(RecordPlaySound, nullptr);
    const struct { WORD hour, minute; const char *pszPlayed; } steps[] = {
        {11, 59, ""}, {12, 0, "HourChime"}, {12, 29, ""}, {12, 30, "HalfChime"}};
    bChimeReady = 0;
    for (const auto &s : steps) {
        sPlayed.clear();
        const SYSTEMTIME st = PinTime(2024, 6, 5, 3, s.hour, s.minute);
        CheckTimeSignal(st);
        EXPECT_EQ(sPlayed, s.pszPlayed) << s.hour << ":" << s.minute;
    }
    SetSoundCalls(nullptr, nullptr);
}

}  // namespace
