// The Clock page: clock options, the two time signals with their wave files,
// and the transparency of the clock overlay.
#include "settings/clockpage_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstddef>

#include "base/appinfo_win.h"
#include "base/dialog_place_win.h"
#include "base/wide_win.h"
#include "res/resource.h"
#include "settings/clockpage.h"
#include "settings/pagecontrols_win.h"
#include "settings/settings.h"
#include "settings/state.h"

// The first layout ends with lpTemplateName (OPENFILENAME_SIZE_VERSION_400W, as a constant).
constexpr DWORD kOpenFileV1Size = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
#ifndef _WIN64
static_assert(kOpenFileV1Size == 76, "the file dialog gets the first, 76-byte record");
#endif

namespace {

const PageControl kControls[] = {
    {kPageCheckBox, IDC_24HOUR, &Settings.b24, nullptr, 0, 0},
    {kPageCheckBox, IDC_SECOND, &Settings.bSecond, nullptr, 0, 0},
    {kPageCheckBox, IDC_ROKUYO, &Settings.b6, nullptr, 0, 0},
    {kPageCheckBox, IDC_ALARM, &Settings.bAlarm, nullptr, 0, 0},
    {kPageCheckBox, IDC_ALARM30, &Settings.bAlarm30, nullptr, 0, 0},
    {kPagePercent, IDC_CALTRANS_TRACK, &Settings.nTransparentCal, nullptr, IDC_CALTRANS_EDIT, IDC_CALTRANS_SPIN},
};
constexpr PageTable kPage = MakePageTable(kControls, &bClockPageReady);

// The three controls of each time signal, enabled together with its flag.
const int kHourGroup[] = {IDC_WAVE_LABEL, IDC_WAVE, IDC_BROWSEWAVE};
const int kHalfHourGroup[] = {IDC_WAVE30_LABEL, IDC_WAVE30, IDC_BROWSEWAVE30};

// What a picked file whose path cannot be stored gets.
const char kUnstorablePathText[] =
    "このファイルは使えません。パスにシフトJISで書けない文字が含まれているか、長すぎます。\n"
    "シフトJISの文字だけのフォルダとファイル名のファイルを選んでください。";

// 259 characters: the fields hold 260 bytes with the terminator.
constexpr int kWavePathLimit = sizeof(Settings.szWave) - 1;

void EnableGroup(HWND hDlg, const int (&aIds)[3], BOOL bEnable)
{
    for (int id : aIds)
        EnableWindow(GetDlgItem(hDlg, id), bEnable);
}

void InitWaveGroup(HWND hDlg, const int (&aIds)[3], const char *pszWave, int32_t bFlag)
{
    SendDlgItemMessageW(hDlg, aIds[1], EM_LIMITTEXT, kWavePathLimit, 0);
    SetDlgItemTextW(hDlg, aIds[1], WideText(pszWave));
    EnableGroup(hDlg, aIds, bFlag != 0);
}

// The text of an edit box in Shift-JIS, cut on a character boundary to the field. Twice the
// field is read, so whatever the read itself cuts lies beyond what is kept. Text Shift-JIS
// cannot spell leaves the field as it was: nothing is stored half-converted.
void ReadWavePath(HWND hDlg, int idEdit, char *pszField, size_t cbField)
{
    WCHAR szWide[2 * sizeof(Settings.szWave)] = L"";
    char szText[4 * sizeof(Settings.szWave)];
    GetDlgItemTextW(hDlg, idEdit, szWide, ARRAYSIZE(szWide));
    if (ToShiftJis(szWide, szText, sizeof(szText)))
        CopyPathCut(pszField, cbField, szText);
}

BOOL OnInitDialog(HWND hDlg)
{
    InitPageControls(hDlg, kPage);
    InitWaveGroup(hDlg, kHourGroup, Settings.szWave, Settings.bAlarm);
    InitWaveGroup(hDlg, kHalfHourGroup, Settings.szWave30, Settings.bAlarm30);
    return TRUE;
}

BOOL OnCommand(HWND hDlg, WORD wId, WORD wCode)
{
    switch (wId) {
    case IDC_BROWSEWAVE: BrowseWaveFile(hDlg, IDC_WAVE); break;
    case IDC_BROWSEWAVE30: BrowseWaveFile(hDlg, IDC_WAVE30); break;
    default:
        if (!ApplyPageControl(hDlg, kPage, wId, wCode))
            return FALSE;
        EnableGroup(hDlg, kHourGroup, Settings.bAlarm);
        EnableGroup(hDlg, kHalfHourGroup, Settings.bAlarm30);
        break;
    }
    RepaintMainWindow(hDlg);
    return TRUE;
}

// The wave paths are taken from their boxes only when the sheet is accepted.
INT_PTR OnNotify(HWND hDlg, const NMHDR *pnm)
{
    if (pnm->code == PSN_APPLY) {
        ReadWavePath(hDlg, IDC_WAVE, Settings.szWave, sizeof(Settings.szWave));
        ReadWavePath(hDlg, IDC_WAVE30, Settings.szWave30, sizeof(Settings.szWave30));
    }
    return OnPageNotify(kPage, pnm);
}

}  // namespace

void BrowseWaveFile(HWND hDlg, int idEdit)
{
    WCHAR szFile[260] = L"";
    WCHAR szTitle[260];
    const WideText title(AppInfo.lpszTitle), initialDir(Settings.szCurrentWave);
    wsprintfW(szTitle, L"%s(WAVファイルの参照)", title.get());
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = kOpenFileV1Size;
    ofn.hwndOwner = hDlg;
    ofn.lpstrFilter = L"wav file(*.wav)\0*.wav\0all files (*.*)\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = ARRAYSIZE(szFile) - 1;
    ofn.lpstrInitialDir = initialDir;
    ofn.lpstrTitle = szTitle;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    BOOL bPicked;
    {
        // The system makes and places the dialog; it is moved onto the sheet's work area as it shows.
        PlaceOnActivation keepInside(hDlg, KeepInsideWorkArea);
        bPicked = GetOpenFileNameW(&ofn);
    }
    if (!bPicked)
        return;
    // The store keeps paths in Shift-JIS: one it cannot spell, or too long for it, is refused whole.
    char szPath[sizeof(Settings.szWave)];
    if (!ToShiftJis(szFile, szPath, sizeof(szPath))) {
        MessageBoxW(hDlg, WideText(kUnstorablePathText), title, MB_ICONWARNING);
        return;
    }
    SetDlgItemTextW(hDlg, idEdit, szFile);
    // The picked file's own folder, not the process's current one, which the dialog may or may not move.
    FolderOfFile(Settings.szCurrentWave, sizeof(Settings.szCurrentWave), szPath);
}

INT_PTR CALLBACK ClockPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: return OnInitDialog(hDlg);
    case WM_COMMAND: return OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL: OnPageScroll(hDlg, kPage, wParam, lParam); return FALSE;
    case WM_NOTIFY: return OnNotify(hDlg, reinterpret_cast<const NMHDR *>(lParam));
    // A page left by Cancel on another page never saw PSN_QUERYCANCEL: the next sheet
    // must not find the flag set while its up-down control first writes the edit box.
    case WM_DESTROY: bClockPageReady = 0; return FALSE;
    default: return FALSE;
    }
}
