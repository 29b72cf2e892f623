// The property sheet in-process, opened from the menu: what its openings leave behind, and
// whether every page fits the sheet at the display's scale (ctest runs it at 96 and 144 DPI).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tests/win/win_test_util.h"

namespace {

class PropertySheetTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.nWindowX = 300, Settings.nWindowY = 200, Settings.nChangeTiming = 13;
        hWnd = wintest::CreateMainWindow(300, 200);
    }
    void TearDown() override
    {
        wintest::DestroyMainWindow(hWnd);
        wintest::DeleteSettingsKey();  // OK saves
    }
    HWND hWnd = nullptr;
};

// A sheet given its icon by id loads a copy at every opening and never frees it: two GDI objects
// and a USER handle. The GDI count shows it at a fraction of the USER probe's time.
TEST_F(PropertySheetTest, OpeningsWithOkAndCancelLeaveNoGdiObjectBehind)
{
    EXPECT_TRUE(wintest::RunPropertySheet(hWnd, PSBTN_OK));
    const int nGdiBefore = wintest::GdiCapacity();
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(wintest::RunPropertySheet(hWnd, i % 2 ? PSBTN_OK : PSBTN_CANCEL));
    EXPECT_EQ(wintest::GdiCapacity(), nGdiBefore);
}

// The sheet sizes its page area in its own dialog units; a sheet font whose units are smaller
// than the pages' cuts their right edge off.
TEST_F(PropertySheetTest, EveryControlOfEveryPageLiesInsideThePageArea)
{
    if (const char *pszDpi = std::getenv("VESPIN_EXPECT_DPI")) {
        HDC hdc = GetDC(nullptr);
        EXPECT_EQ(GetDeviceCaps(hdc, LOGPIXELSY), std::atoi(pszDpi)) << "the prefix's display scale";
        ReleaseDC(nullptr, hdc);
    }
    std::vector<std::string> outside;
    int nPages = 0;
    RECT rcArea = {};
    EXPECT_TRUE(wintest::RunPropertySheet(hWnd, PSBTN_CANCEL, [&](HWND hSheet) {
        HWND hTab = PropSheet_GetTabControl(hSheet);
        GetWindowRect(hTab, &rcArea);
        TabCtrl_AdjustRect(hTab, FALSE, &rcArea);
        for (; nPages < TabCtrl_GetItemCount(hTab); ++nPages) {
            PropSheet_SetCurSel(hSheet, nullptr, nPages);
            HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
            for (HWND hItem = GetWindow(hPage, GW_CHILD); hItem; hItem = GetWindow(hItem, GW_HWNDNEXT)) {
                RECT rc, rcBoth;
                GetWindowRect(hItem, &rc);
                UnionRect(&rcBoth, &rc, &rcArea);
                if (!EqualRect(&rcBoth, &rcArea))
                    outside.push_back("page " + std::to_string(nPages) + ", control " +
                                      std::to_string(GetDlgCtrlID(hItem)) + ": right " + std::to_string(rc.right) +
                                      ", bottom " + std::to_string(rc.bottom));
            }
        }
    }));
    EXPECT_EQ(nPages, 6);
    EXPECT_EQ(outside, std::vector<std::string>{}) << "the page area ends at right " << rcArea.right << ", bottom "
                                                   << rcArea.bottom;
}

}  // namespace
