// The property sheet and the About box of vespin.exe open inside the screen beside the gadget.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <prsht.h>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

// The gadget (240 x 160) in each corner. Left of the middle the dialog stands at its right edge,
// right of it at its left edge; its top or bottom lines up with the gadget's as the work area allows.
// The staff box, taller than the About box it is centred over, still stands inside the work area.
TEST(DialogPlacement, SheetAndAboutBoxOpenInsideTheScreenBesideTheGadgetInEveryCorner)
{
    RECT work, gadget, rc;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // Placed as it shows: waits for it to stand inside the work area clear of the gadget.
    auto besideGadget = [&](HWND hDlg) {
        return e2e::WaitFor([&] {
            RECT both, inside;
            GetWindowRect(hDlg, &rc);
            return !IntersectRect(&both, &rc, &gadget) && IntersectRect(&inside, &rc, &work) && EqualRect(&inside, &rc);
        }, 3000);
    };
    for (int nWindowPos : {1, 2, 3, 4}) {
        SCOPED_TRACE(testing::Message() << "corner " << nWindowPos);
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
        e2e::WriteDword("nWindowPos", nWindowPos);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        GetWindowRect(app.hWnd, &gadget);
        const bool bLeft = nWindowPos % 2 == 1, bTop = nWindowPos <= 2;
        const LONG nSide = bLeft ? gadget.right : gadget.left, nLine = bTop ? gadget.top : std::min(gadget.bottom, work.bottom);
        HWND hSheet = e2e::OpenSheet(app);
        EXPECT_TRUE(besideGadget(hSheet));
        EXPECT_EQ(std::pair(bLeft ? rc.left : rc.right, bTop ? rc.top : rc.bottom), std::pair(nSide, nLine));
        ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_CANCEL));
        PostMessageA(app.hWnd, WM_COMMAND, IDM_ABOUT, 0);
        HWND hAbout = e2e::WaitForOwnWindow(app, "#32770", "バージョン情報");
        ASSERT_NE(hAbout, nullptr) << "found by its title, read in UTF-16";
        EXPECT_TRUE(besideGadget(hAbout));
        EXPECT_EQ(std::pair(bLeft ? rc.left : rc.right, bTop ? rc.top : rc.bottom), std::pair(nSide, nLine));
        RECT rcIcon;
        GetWindowRect(GetDlgItem(hAbout, IDC_ABOUTICON), &rcIcon);
        MapWindowPoints(nullptr, hAbout, reinterpret_cast<POINT *>(&rcIcon), 2);
        PostMessageA(hAbout, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcIcon.left + 2, rcIcon.top + 2));
        HWND hStaff = e2e::WaitForOwnWindow(app, "#32770", "Staff(Vespin)");
        ASSERT_NE(hStaff, nullptr);
        RECT inside;
        GetWindowRect(hStaff, &rc);
        EXPECT_TRUE(IntersectRect(&inside, &rc, &work) && EqualRect(&inside, &rc));
        PostMessageA(hStaff, WM_COMMAND, IDCANCEL, 0);
        e2e::WaitFor([&] { return !IsWindow(hStaff); }, 3000);
        PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(app.Exit(), 0);
    }
    e2e::DeleteSettingsKey();
}

}  // namespace
