// The Clock and Chara pages in-process: what a page leaves behind when destroyed,
// the wave paths cut to their fields, and the time signal playing what the Clock page stored.
#include "settings/pages_win.h"

#include <commctrl.h>

#include <string>

#include "chime/chime_win.h"
#include "tests/win/render_fixture.h"

namespace {

std::string sPlayed;

BOOL WINAPI RecordPlaySound(LPCSTR pszSound, HMODULE, DWORD)
{
    sPlayed = pszSound ? pszSound : "";
    return TRUE;
}

// Points this module's import of winmm's PlaySoundA at pfnNew; returns the old target.
ULONG_PTR RedirectPlaySound(ULONG_PTR pfnNew)
{
    BYTE *pBase = reinterpret_cast<BYTE *>(GetModuleHandleA(nullptr));
    const auto *pNt = reinterpret_cast<IMAGE_NT_HEADERS *>(pBase + reinterpret_cast<IMAGE_DOS_HEADER *>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *pImp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(pBase + dir.VirtualAddress); pImp->Name; ++pImp) {
        if (lstrcmpiA(reinterpret_cast<char *>(pBase + pImp->Name), "winmm.dll") != 0)
            continue;
        auto *pName = reinterpret_cast<IMAGE_THUNK_DATA *>(pBase + pImp->OriginalFirstThunk);
        auto *pAddr = reinterpret_cast<IMAGE_THUNK_DATA *>(pBase + pImp->FirstThunk);
        for (; pName->u1.AddressOfData; ++pName, ++pAddr) {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) ||
                lstrcmpA(reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(pBase + pName->u1.AddressOfData)->Name, "PlaySoundA"))
                continue;
            DWORD dwOld;
            VirtualProtect(&pAddr->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &dwOld);
            const ULONG_PTR pfnOld = pAddr->u1.Function;
            pAddr->u1.Function = pfnNew;
            VirtualProtect(&pAddr->u1.Function, sizeof(ULONG_PTR), dwOld, &dwOld);
            return pfnOld;
        }
    }
    return 0;
}

class PageTest : public RenderTest {
protected:
    void SetUp() override { RenderTest::SetUp(); bClockPageReady = bCharaPageReady = 0; }
    HWND Open(int nTemplate, DLGPROC pfnProc)
    {
        return CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(nTemplate), nullptr, pfnProc, 0);
    }
    static void Notify(HWND hPage, UINT code)
    {
        NMHDR nm = {GetParent(hPage), 0, code};
        SendMessageA(hPage, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    }
};

// A sheet cancelled from another page sends this one no notification: destroying it must
// still clear its flag, or the next sheet's page takes writes made before its set-up.
TEST_F(PageTest, ADestroyedPageLeavesItsFlagClear)
{
    const struct { int nTemplate; DLGPROC pfnProc; int *pbReady; } pages[] = {
        {IDD_CLOCKPAGE, ClockPageProc, &bClockPageReady}, {IDD_CHARAPAGE, CharaPageProc, &bCharaPageReady}};
    for (const auto &p : pages) {
        HWND hPage = Open(p.nTemplate, p.pfnProc);
        ASSERT_NE(hPage, nullptr);
        EXPECT_EQ(*p.pbReady, 1);
        DestroyWindow(hPage);
        EXPECT_EQ(*p.pbReady, 0) << p.nTemplate;
    }
}

TEST_F(PageTest, AnUnselectedTimingListStoresNothing)
{
    Settings.nChangeTiming = 7;
    HWND hPage = Open(IDD_CHARAPAGE, CharaPageProc);
    SendDlgItemMessageA(hPage, IDC_CHANGETIMING, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(IDC_CHANGETIMING, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(hPage, IDC_CHANGETIMING)));
    EXPECT_EQ(Settings.nChangeTiming, 7);
    DestroyWindow(hPage);
}

// Typed paths are limited to 259 characters; a path of two-byte characters that fits
// the box but not the 260-byte field loses whole characters only.
TEST_F(PageTest, WavePathsAreLimitedAndCutOnACharacterBoundary)
{
    HWND hPage = Open(IDD_CLOCKPAGE, ClockPageProc);
    std::wstring wide(300, L'\x8868');  // 表: 95 5C in Shift-JIS
    SendDlgItemMessageW(hPage, IDC_WAVE, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(hPage, IDC_WAVE)), 259);
    SetDlgItemTextA(hPage, IDC_WAVE30, "C:\\short.wav");
    Notify(hPage, PSN_APPLY);
    std::string expected;
    for (int i = 0; i < 129; ++i)
        expected += "表";
    EXPECT_EQ(Settings.szWave, expected);
    EXPECT_STREQ(Settings.szWave30, "C:\\short.wav");
    DestroyWindow(hPage);
}

// What OK on the Clock page stores is what sounds: the hour file on the hour, the other on the half hour.
TEST_F(PageTest, TheTimeSignalPlaysTheFilesTheClockPageStored)
{
    HWND hPage = Open(IDD_CLOCKPAGE, ClockPageProc);
    SendDlgItemMessageA(hPage, IDC_ALARM30, BM_CLICK, 0, 0);
    SetDlgItemTextA(hPage, IDC_WAVE, "C:\\chimes\\hour.wav");
    SetDlgItemTextA(hPage, IDC_WAVE30, "C:\\chimes\\half.wav");
    Notify(hPage, PSN_APPLY);
    DestroyWindow(hPage);
    Settings.bAlarm = 1;
    const ULONG_PTR pfnReal = RedirectPlaySound(reinterpret_cast<ULONG_PTR>(RecordPlaySound));
    ASSERT_NE(pfnReal, 0u);
    const struct { WORD hour, minute; const char *pszPlayed; } steps[] = {
        {11, 59, ""}, {12, 0, "C:\\chimes\\hour.wav"}, {12, 29, ""}, {12, 30, "C:\\chimes\\half.wav"}};
    bChimeReady = 0;
    for (const auto &s : steps) {
        sPlayed.clear();
        PinTime(2024, 6, 5, 3, s.hour, s.minute);
        CheckTimeSignal();
        EXPECT_EQ(sPlayed, s.pszPlayed) << s.hour << ":" << s.minute;
    }
    RedirectPlaySound(pfnReal);
}

}  // namespace
