// The Calendar page in the running program's sheet: the fourth tab, its boxes from the record,
// Cancel bringing the record back and OK saving it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

HWND FindSheet(const e2e::Vespin &app)
{
    HWND hWnd = nullptr;
    DWORD dwPid = 0;
    while ((hWnd = FindWindowExA(nullptr, hWnd, "#32770", "プロパティ")) != nullptr)
        if (GetWindowThreadProcessId(hWnd, &dwPid) && dwPid == app.pi.dwProcessId && IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

DWORD StoredOr(const char *pszName, DWORD dwAbsent)
{
    DWORD dw = 0;
    return e2e::ReadDword(pszName, &dw) ? dw : dwAbsent;
}

TEST(CalendarPage, FourthTabCancelRestoresAndOkSavesBothBoxes)
{
    e2e::DeleteSettingsKey();
    e2e::WriteDefaultSettings();
    e2e::WriteDword("bLunarRokuyo", 1);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
        HWND hSheet = nullptr;
        ASSERT_TRUE(e2e::WaitFor([&] { return (hSheet = FindSheet(app)) != nullptr; }));
        EXPECT_EQ(SendMessageA(GetDlgItem(hSheet, 0x3020), TCM_GETITEMCOUNT, 0, 0), 4);
        SendMessageA(hSheet, PSM_SETCURSEL, 3, 0);
        HWND hPage = reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        ASSERT_NE(hPage, nullptr);
        // The second round starts from what Cancel brought back.
        EXPECT_EQ(SendDlgItemMessageA(hPage, IDC_HOLIDAYLAW, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(SendDlgItemMessageA(hPage, IDC_LUNARROKUYO, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendDlgItemMessageA(hPage, IDC_HOLIDAYLAW, BM_CLICK, 0, 0);
        SendDlgItemMessageA(hPage, IDC_LUNARROKUYO, BM_CLICK, 0, 0);
        PostMessageA(hSheet, PSM_PRESSBUTTON, ok ? PSBTN_OK : PSBTN_CANCEL, 0);
        ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(hSheet); }));
        EXPECT_EQ(StoredOr("bHolidayLaw", 9), ok ? 1u : 9u);
        EXPECT_EQ(StoredOr("bLunarRokuyo", 9), ok ? 0u : 1u);
    }
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(StoredOr("bHolidayLaw", 9), 1u);
    EXPECT_EQ(StoredOr("bLunarRokuyo", 9), 0u);
}

}  // namespace
