// The property sheet and the About box of the running vespin.exe open inside the screen, beside
// the gadget, wherever the gadget stands.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <prsht.h>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

using Rect = std::array<LONG, 4>;
Rect WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

bool Inside(const Rect &rc, const RECT &area)
{
    return rc[0] >= area.left && rc[1] >= area.top && rc[2] <= area.right && rc[3] <= area.bottom;
}

bool Clear(const Rect &rc, const Rect &other)
{
    return rc[2] <= other[0] || rc[0] >= other[2] || rc[3] <= other[1] || rc[1] >= other[3];
}

// The dialog is placed as it shows: waits until it stands inside the work area clear of the gadget.
Rect SettledBeside(HWND hDlg, const Rect &gadget, const RECT &work)
{
    e2e::WaitFor([&] { return Inside(WindowRect(hDlg), work) && Clear(WindowRect(hDlg), gadget); }, 3000);
    return WindowRect(hDlg);
}

// The gadget (page shown on the left, 240 x 160) in each corner of the screen. Left of the screen's
// middle the dialog stands at the gadget's right edge, right of it at its left edge; its top or bottom
// lines up with the gadget's as far as the work area allows.
TEST(DialogPlacement, SheetAndAboutBoxOpenInsideTheScreenBesideTheGadgetInEveryCorner)
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    for (DWORD nWindowPos : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(testing::Message() << "corner " << nWindowPos);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
        e2e::WriteDword("nWindowPos", nWindowPos);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        const Rect gadget = WindowRect(app.hWnd);
        const bool bLeft = nWindowPos == 1 || nWindowPos == 3, bTop = nWindowPos <= 2;

        HWND hSheet = e2e::OpenSheet(app);
        ASSERT_NE(hSheet, nullptr);
        const Rect sheet = SettledBeside(hSheet, gadget, work);
        EXPECT_TRUE(Inside(sheet, work) && Clear(sheet, gadget));
        EXPECT_EQ(bLeft ? sheet[0] : sheet[2], bLeft ? gadget[2] : gadget[0]);
        EXPECT_EQ(bTop ? sheet[1] : sheet[3], bTop ? gadget[1] : std::min(gadget[3], work.bottom));
        ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_CANCEL));

        PostMessageA(app.hWnd, WM_COMMAND, IDM_ABOUT, 0);
        HWND hAbout = e2e::WaitForOwnWindow(app, "#32770", "バージョン情報");
        ASSERT_NE(hAbout, nullptr);
        const Rect about = SettledBeside(hAbout, gadget, work);
        EXPECT_TRUE(Inside(about, work) && Clear(about, gadget));
        EXPECT_EQ(bLeft ? about[0] : about[2], bLeft ? gadget[2] : gadget[0]);
        EXPECT_EQ(bTop ? about[1] : about[3], bTop ? gadget[1] : std::min(gadget[3], work.bottom));
        PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hAbout); }));
        EXPECT_EQ(app.Exit(), 0);
    }
    e2e::DeleteSettingsKey();
}

}  // namespace
