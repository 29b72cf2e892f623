// The aside rules: which window in front counts as full screen, and what the window becomes under
// the pointer: its click-through style and each step of the fade.
#include <gtest/gtest.h>

#include <tuple>

#include "app/aside.h"

namespace {

enum : unsigned { kShell = 1, kOwn = 2, kMinimised = 4, kMaximised = 8, kCaption = 16, kTool = 32, kUnread = 64, kNone = 128 };

struct Window {
    PlaceRect rc;
    unsigned flags;
};

WindowFacts Facts(const Window &w)
{
    return {w.rc, (w.flags & kShell) != 0, (w.flags & kOwn) != 0, !(w.flags & kUnread), (w.flags & kMinimised) != 0,
            (w.flags & kMaximised) != 0, (w.flags & kCaption) != 0, (w.flags & kTool) != 0};
}

// A 1920 x 1080 primary, a 1280 x 1024 second monitor to its right; the taskbar is 40 pixels high.
// The tick reads no styles of a window short of the monitor: they read as all clear.
TEST(FullScreen, AShownWindowOverTheWholeMonitorButNeverTheShellNorAMaximisedWindowWithATitleBar)
{
    constexpr PlaceRect kPrimary = {0, 0, 1920, 1080}, kSecond = {1920, 0, 3200, 1024}, kDialog = {800, 400, 1100, 600};
    const struct { const char *what; Window foreground, owner; PlaceRect monitor; bool bFullScreen; } cases[] = {
        {"a popup over the monitor", {kPrimary, 0}, {{}, kNone}, kPrimary, true},
        {"a pixel short", {{0, 0, 1920, 1079}, 0}, {{}, kNone}, kPrimary, false},
        {"maximised, the taskbar shown", {{-8, -8, 1928, 1048}, kMaximised | kCaption}, {{}, kNone}, kPrimary, false},
        {"maximised, the taskbar auto-hidden", {{-8, -8, 1928, 1088}, kMaximised | kCaption}, {{}, kNone}, kPrimary,
         false},
        {"maximised without a title bar", {kPrimary, kMaximised}, {{}, kNone}, kPrimary, true},
        {"over the other monitor", {kSecond, 0}, {{}, kNone}, kPrimary, false},
        {"over the gadget's second monitor", {kSecond, 0}, {{}, kNone}, kSecond, true},
        {"the desktop or a taskbar", {kPrimary, kShell}, {{}, kNone}, kPrimary, false},
        {"the gadget's own window", {kPrimary, kOwn}, {{}, kNone}, kPrimary, false},
        {"minimised", {kPrimary, kMinimised}, {{}, kNone}, kPrimary, false},
        {"a tool window over the monitor", {kPrimary, kTool}, {{}, kNone}, kPrimary, false},
        {"a dialog of a full-screen window, its styles unread", {kDialog, kUnread}, {kPrimary, 0}, kPrimary, true},
        {"a dialog of a maximised window", {kDialog, kCaption}, {kPrimary, kMaximised | kCaption}, kPrimary, false},
        {"a dialog of the shell", {kDialog, kCaption}, {kPrimary, kShell}, kPrimary, false},
    };
    for (const auto &c : cases) {
        const WindowFacts owner = Facts(c.owner);
        EXPECT_EQ(IsFullScreenForeground(Facts(c.foreground), c.owner.flags & kNone ? nullptr : &owner, c.monitor),
                  c.bFullScreen)
            << c.what;
    }
    for (const char *psz : {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Progman", "WorkerW"})
        EXPECT_TRUE(IsShellClassName(psz)) << psz;
    EXPECT_FALSE(IsShellClassName("Notepad"));
}

// Faded alphas: 50 % is 128, 90 % is 26. A whole fade takes 200 ms out and 300 ms back; Ctrl's
// return at once is the end-to-end run's.
TEST(HoverLook, ClicksPassUnlessCtrlIsHeldOverTheGadgetAndTheFadeStepsByTheTimePassed)
{
    enum : unsigned { kOver = 1, kCtrl = 2, kDrag = 4 };
    const struct {
        const char *what;
        int32_t bClickThrough, nFade;
        unsigned state;
        uint8_t nAlpha;
        uint32_t nElapsedMs;
        HoverLook look;
    } cases[] = {
        {"through, Ctrl over it", 1, 0, kOver | kCtrl, 255, 40, {true, false, 255, true}},
        {"through, Ctrl elsewhere", 1, 0, kCtrl, 255, 40, {true, true, 255, false}},
        {"through, its drag runs on", 1, 0, kDrag, 255, 40, {true, false, 255, true}},
        {"fade, one step out", 0, 50, kOver, 255, 40, {true, false, 229, true}},
        {"fade, out at 200 ms", 1, 90, kOver, 255, 200, {true, true, 26, true}},
        {"fade, one step back", 0, 50, 0, 128, 40, {true, false, 145, true}},
        {"fade, back at 300 ms", 0, 50, 0, 128, 300, {true, false, 255, false}},
    };
    for (const auto &c : cases) {
        const HoverLook look = LookUnderPointer({c.bClickThrough, c.nFade, (c.state & kOver) != 0,
                                                 (c.state & kCtrl) != 0, (c.state & kDrag) != 0, c.nAlpha,
                                                 c.nElapsedMs});
        EXPECT_EQ(std::tuple(look.bLayered, look.bTransparent, look.nAlpha, look.bKeepLooking),
                  std::tuple(c.look.bLayered, c.look.bTransparent, c.look.nAlpha, c.look.bKeepLooking))
            << c.what;
    }
}

}  // namespace
