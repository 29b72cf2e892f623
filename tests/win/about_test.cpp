// The About box and the staff credits on real dialogs: opening from the menu, the
// link buttons and their questions, the icon as hot spot, the reveal pass by pass,
// the ways out, and nothing left behind after many openings.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "about/about_strings.h"
#include "about/about_text.h"
#include "about/about_win.h"
#include "about/pointfont_win.h"
#include "about/staff_win.h"
#include "base/appinfo_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

const char kAboutCaption[] = "バージョン情報";
const char kStaffCaption[] = "Staff(Vespin)";

std::string WindowText(HWND hWnd)
{
    char sz[256] = "";
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

// Client rectangle of a control in its dialog.
RECT ControlRect(HWND hDlg, int nId)
{
    RECT rc;
    GetWindowRect(GetDlgItem(hDlg, nId), &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// Real input, queued without pumping: the modal loop that is running takes it.
void ClickAt(POINT ptScreen)
{
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT &i : in)
        i.type = INPUT_MOUSE;
    in[0].mi.dx = (ptScreen.x * 65536 + cx - 1) / cx;
    in[0].mi.dy = (ptScreen.y * 65536 + cy - 1) / cy;
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

void PressEscape()
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// Every time a dialog's modal loop runs dry, the handler gets that dialog; a
// thread timer keeps the loops waking. Message boxes send no idle message: the
// handler gets each when it is activated.
std::function<void(HWND)> idleHandler;
int nIdleCalls;

LRESULT CALLBACK IdleHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *p = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (nCode == HC_ACTION && p->message == WM_ENTERIDLE && p->wParam == MSGF_DIALOGBOX && idleHandler) {
        HWND hDlg = reinterpret_cast<HWND>(p->lParam);
        // A script gone wrong ends its dialogs rather than hanging the run.
        if (++nIdleCalls > 20000) {
            ADD_FAILURE() << "dialog script did not finish: " << WindowText(hDlg);
            EndDialog(hDlg, 0);
        } else {
            idleHandler(hDlg);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK ActivateHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_ACTIVATE && idleHandler && GetDlgItem(hWnd, 0xFFFF) != nullptr)
        idleHandler(hWnd);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// A message box as seen while it waits: its text, its buttons, its icon.
struct BoxSeen {
    std::string caption, text;
    bool yes, no, ok, cancel;
    HICON hIcon;
};

bool IsMessageBox(HWND hDlg)
{
    return WindowText(hDlg) == AppInfo.lpszTitle && GetDlgItem(hDlg, 0xFFFF) != nullptr;
}

BoxSeen ReadBox(HWND hBox)
{
    char sz[256] = "";
    GetDlgItemTextA(hBox, 0xFFFF, sz, sizeof(sz));
    return {WindowText(hBox),
            sz,
            GetDlgItem(hBox, IDYES) != nullptr,
            GetDlgItem(hBox, IDNO) != nullptr,
            GetDlgItem(hBox, IDOK) != nullptr,
            GetDlgItem(hBox, IDCANCEL) != nullptr,
            reinterpret_cast<HICON>(SendDlgItemMessageA(hBox, 0x0440, STM_GETICON, 0, 0))};
}

class AboutTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        bInAbout = 0;
        // Clear of Wine's tray window in the screen's top-left corner.
        Settings.nWindowX = 300;
        Settings.nWindowY = 200;
        hWnd = wintest::CreateMainWindow(300, 200);
        ASSERT_NE(hWnd, nullptr);
        nIdleCalls = 0;
        hHook = SetWindowsHookExA(WH_CALLWNDPROC, IdleHookProc, nullptr, GetCurrentThreadId());
        hActivateHook = SetWindowsHookExA(WH_CBT, ActivateHookProc, nullptr, GetCurrentThreadId());
        uHeartbeat = SetTimer(nullptr, 0, 5, nullptr);
    }
    void TearDown() override
    {
        KillTimer(nullptr, uHeartbeat);
        UnhookWindowsHookEx(hHook);
        UnhookWindowsHookEx(hActivateHook);
        idleHandler = nullptr;
        pfnReadSystemDirectory = GetSystemDirectoryA;
        pfnStartStaffTimer = SetTimer;
        wintest::DestroyMainWindow(hWnd);
    }
    // The menu command, with handler answering the dialogs it opens.
    LRESULT AboutFromMenu(std::function<void(HWND)> handler)
    {
        idleHandler = std::move(handler);
        const LRESULT lResult = SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0);
        idleHandler = nullptr;
        return lResult;
    }

    HWND hWnd = nullptr;
    HHOOK hHook = nullptr, hActivateHook = nullptr;
    UINT_PTR uHeartbeat = 0;
};

struct CaptionCount {
    const char *pszCaption;
    int n;
};

BOOL CALLBACK CountCaption(HWND hWnd, LPARAM lParam)
{
    CaptionCount *pCount = reinterpret_cast<CaptionCount *>(lParam);
    pCount->n += IsWindowVisible(hWnd) && WindowText(hWnd) == pCount->pszCaption;
    return TRUE;
}

// This thread's visible top-level windows with the caption.
int CountWindows(const char *pszCaption)
{
    CaptionCount count = {pszCaption, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountCaption, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

TEST_F(AboutTest, OpensFromTheMenuOnceWithLiveLinksAndTheIconFramed)
{
    int nAboutIdles = 0;
    const LRESULT lResult = AboutFromMenu([&](HWND hDlg) {
        if (WindowText(hDlg) != kAboutCaption || nAboutIdles++ > 0)
            return;
        EXPECT_EQ(bInAbout, 1);
        EXPECT_EQ(SendMessageA(hWnd, WM_COMMAND, IDM_ABOUT, 0), 1) << "a second command is still handled";
        EXPECT_EQ(CountWindows(kAboutCaption), 1) << "and opens nothing";
        EXPECT_EQ(GetWindow(hDlg, GW_OWNER), hWnd);
        // The prefix has url.dll in its system directory.
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_HOMEPAGE)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_MAILTO)));
        EXPECT_EQ(WindowText(GetDlgItem(hDlg, IDC_HOMEPAGE)), ABOUT_HOMEPAGE_URL);
        EXPECT_EQ(WindowText(GetDlgItem(hDlg, IDC_MAILTO)), ABOUT_MAILTO_URL);
        const RECT rcIcon = ControlRect(hDlg, IDC_ABOUTICON), rcFrame = ControlRect(hDlg, IDC_ICONFRAME);
        EXPECT_TRUE(rcFrame.left == rcIcon.left - 2 && rcFrame.top == rcIcon.top - 2 &&
                    rcFrame.right == rcIcon.right + 2 && rcFrame.bottom == rcIcon.bottom + 2);
        PressEscape();
    });
    EXPECT_EQ(lResult, 1);
    EXPECT_GT(nAboutIdles, 0);
    EXPECT_EQ(bInAbout, 0);
    EXPECT_EQ(CountWindows(kAboutCaption), 0);
}

TEST_F(AboutTest, OkEscapeAndTheCloseBoxEndBothBoxesWithOne)
{
    // Each way acts once and says so; OK of the staff box waits for the end of the reveal.
    const std::function<bool(HWND)> ways[] = {
        [](HWND hDlg) {
            if (!IsWindowVisible(GetDlgItem(hDlg, IDOK)))
                return false;
            PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
            return true;
        },
        [](HWND) { return PressEscape(), true; },
        [](HWND hDlg) { return PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0), true; },
    };
    for (int nBox : {IDD_ABOUT, IDD_STAFF})
        for (const auto &way : ways) {
            bool bDone = false;
            idleHandler = [&](HWND hDlg) { bDone = bDone || way(hDlg); };
            const DLGPROC proc = nBox == IDD_ABOUT ? AboutDlgProc : StaffDlgProc;
            EXPECT_EQ(DialogBoxParamA(AppInfo.hInstance, MAKEINTRESOURCEA(nBox), hWnd, proc, 0), 1) << nBox;
        }
}

// Stands in for GetSystemDirectoryA, with its rules: the length, or the size needed when it does not fit.
std::string fakeSystemDirectory;
UINT WINAPI ReadFakeSystemDirectory(LPSTR lpBuffer, UINT uSize)
{
    if (fakeSystemDirectory.empty())
        return 0;
    if (fakeSystemDirectory.size() >= uSize)
        return static_cast<UINT>(fakeSystemDirectory.size() + 1);
    lstrcpyA(lpBuffer, fakeSystemDirectory.c_str());
    return static_cast<UINT>(fakeSystemDirectory.size());
}

std::string TempDirectory()
{
    char sz[MAX_PATH];
    GetTempPathA(sizeof(sz), sz);
    return sz;
}

TEST_F(AboutTest, LinkButtonsFollowTheUrlDllInTheSystemDirectory)
{
    char szSystem[MAX_PATH];
    GetSystemDirectoryA(szSystem, sizeof(szSystem));
    // A folder whose name ends in 表 (95 5C): its last byte is no separator.
    const std::string dbcs = TempDirectory() + "vespin表";
    CreateDirectoryA(dbcs.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((std::string(szSystem) + "\\url.dll").c_str(), (dbcs + "\\url.dll").c_str(), FALSE));
    const struct {
        const char *what;
        std::string directory;
        bool present;
    } cases[] = {
        {"system directory", szSystem, true},
        {"ending in a double-byte character with a 5C trail byte", dbcs, true},
        {"no url.dll there", TempDirectory(), false},
        {"the read fails", "", false},
        {"too long for the backslash and url.dll", std::string("C:\\") + std::string(250, 'a'), false},
        {"longer than the buffer", std::string("C:\\") + std::string(300, 'a'), false},
    };
    pfnReadSystemDirectory = ReadFakeSystemDirectory;
    for (const auto &c : cases) {
        fakeSystemDirectory = c.directory;
        EXPECT_EQ(IsUrlDllPresent(), c.present ? 1 : 0) << c.what;
        bool bSeen = false;
        AboutFromMenu([&](HWND hDlg) {
            if (bSeen)
                return;
            bSeen = true;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, IDC_HOMEPAGE)) != FALSE, c.present) << c.what;
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(hDlg, IDC_MAILTO)) != FALSE, c.present) << c.what;
            PressEscape();
        });
    }
    DeleteFileA((dbcs + "\\url.dll").c_str());
    RemoveDirectoryA(dbcs.c_str());
}

// Points the URL schemes of this prefix at a command for as long as it lives.
class SchemeCommands {
public:
    explicit SchemeCommands(const std::string &command)
    {
        for (Scheme &scheme : schemes) {
            HKEY hKey;
            RegCreateKeyExA(HKEY_CLASSES_ROOT, scheme.key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                            &hKey, nullptr);
            char sz[512];
            DWORD cb = sizeof(sz);
            if (RegQueryValueExA(hKey, nullptr, nullptr, nullptr, reinterpret_cast<BYTE *>(sz), &cb) == ERROR_SUCCESS)
                scheme.saved.assign(sz, cb ? cb - 1 : 0), scheme.hadValue = true;
            RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1));
            RegCloseKey(hKey);
        }
    }
    ~SchemeCommands()
    {
        for (const Scheme &scheme : schemes) {
            HKEY hKey;
            if (RegOpenKeyExA(HKEY_CLASSES_ROOT, scheme.key, 0, KEY_SET_VALUE, &hKey) != ERROR_SUCCESS)
                continue;
            if (scheme.hadValue)
                RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(scheme.saved.c_str()),
                               static_cast<DWORD>(scheme.saved.size() + 1));
            else
                RegDeleteValueA(hKey, nullptr);
            RegCloseKey(hKey);
        }
    }

private:
    struct Scheme {
        const char *key;
        std::string saved;
        bool hadValue;
    } schemes[2] = {{"https\\shell\\open\\command", "", false}, {"mailto\\shell\\open\\command", "", false}};
};

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Both links: the question with Yes and No; No opens nothing; Yes opens the URL
// itself through the shell; a shell that cannot start the program says so.
TEST_F(AboutTest, EachLinkAsksFirstOpensOnlyOnYesAndReportsAShellThatCannotOpen)
{
    const struct {
        int nButton;
        const char *url, *question, *failure;
    } links[] = {
        {IDC_HOMEPAGE, ABOUT_HOMEPAGE_URL, "Brimholt のホームページにアクセスしますか？", "ブラウザの起動に失敗しました"},
        {IDC_MAILTO, ABOUT_MAILTO_URL, "Brimholt にお便りを送りますか？", "メーラの起動に失敗しました"},
    };
    const HICON hQuestion = LoadIconA(nullptr, IDI_QUESTION), hError = LoadIconA(nullptr, IDI_HAND);
    const std::string record = TempDirectory() + "vespin-opened.txt";
    for (const auto &link : links) {
        DeleteFileA(record.c_str());
        std::vector<BoxSeen> boxes;
        // Presses the button, answers the question with each answer in turn, then closes the About box.
        auto run = [&](std::vector<int> answers) {
            boxes.clear();
            size_t nPressed = 0;
            AboutFromMenu([&](HWND hDlg) {
                if (IsMessageBox(hDlg)) {
                    boxes.push_back(ReadBox(hDlg));
                    const bool bQuestion = boxes.back().yes;
                    PostMessageA(hDlg, WM_COMMAND, bQuestion ? answers[nPressed - 1] : IDOK, 0);
                    SetWindowTextA(hDlg, "answered");  // read once
                } else if (WindowText(hDlg) == kAboutCaption) {
                    if (nPressed < answers.size()) {
                        PostMessageA(GetDlgItem(hDlg, link.nButton), BM_CLICK, 0, 0);
                        ++nPressed;
                    } else if (nPressed == answers.size()) {
                        PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
                        nPressed = answers.size() + 1;
                    }
                }
            });
        };
        {
            // The recorder appends what it was given; nothing else of the user's is started.
            SchemeCommands recorder("C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + record + "\"");
            run({IDNO, IDYES});
            ASSERT_EQ(boxes.size(), 2u) << link.url << ": No and Yes show nothing more than the question";
            for (const BoxSeen &box : boxes) {
                EXPECT_EQ(box.caption, "Vespin");
                EXPECT_EQ(box.text, link.question);
                EXPECT_TRUE(box.yes && box.no && !box.ok && !box.cancel) << link.url;
                EXPECT_EQ(box.hIcon, hQuestion);
            }
            // The shell starts the recorder and returns; wait for it to write.
            for (int i = 0; i < 500 && ReadFile(record).empty(); ++i)
                Sleep(20);
            EXPECT_EQ(ReadFile(record), std::string(link.url) + "\r\n") << "opened once, for the Yes";
        }
        {
            SchemeCommands broken("\"C:\\no such folder\\nothing.exe\" \"%1\"");
            run({IDYES});
            ASSERT_EQ(boxes.size(), 2u) << link.url;
            EXPECT_EQ(boxes[1].caption, "Vespin");
            EXPECT_EQ(boxes[1].text, link.failure);
            EXPECT_TRUE(boxes[1].ok && !boxes[1].yes && !boxes[1].no) << link.url;
            EXPECT_EQ(boxes[1].hIcon, hError);
        }
    }
    DeleteFileA(record.c_str());
}

// Real clicks, each far from the one before, so none is taken for a double click.
TEST_F(AboutTest, AClickInsideTheIconOpensTheStaffBoxEveryTimeAndJustOutsideDoesNot)
{
    // {x, y} from the icon's left or right edge and top or bottom edge, and whether it opens.
    struct Click {
        bool bFromRight;
        int x;
        bool bFromBottom;
        int y;
        bool opens;
    };
    const Click clicks[] = {
        {false, 0, false, 0, true},   {true, -1, true, -1, true},  {false, -1, false, 0, false},
        {true, 0, false, 0, false},   {false, 0, false, 0, true},  {false, 0, true, 0, false},
        {false, 10, false, 10, true}, {false, 0, false, -1, false}, {true, -1, true, -1, true},
    };
    size_t nNext = 0;
    bool bStaffSeen = false;
    std::vector<bool> opened;
    std::vector<int> passesAtEscape;
    RECT rcStaff = {}, rcAbout = {};
    POINT ptAboutClient = {0, 0}, ptStaffClient = {0, 0};
    AboutFromMenu([&](HWND hDlg) {
        if (WindowText(hDlg) == kStaffCaption) {
            if (!bStaffSeen) {
                passesAtEscape.push_back(StaffBox.nPass);
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDOK)));
                GetWindowRect(hDlg, &rcStaff);
                ptStaffClient = {0, 0};
                ClientToScreen(hDlg, &ptStaffClient);
                PressEscape();
            }
            bStaffSeen = true;
            return;
        }
        if (WindowText(hDlg) != kAboutCaption || nNext > std::size(clicks))
            return;
        if (nNext > 0)
            opened.push_back(bStaffSeen);
        bStaffSeen = false;
        if (nNext++ == std::size(clicks)) {
            PressEscape();
            return;
        }
        const Click &c = clicks[nNext - 1];
        RECT rc;
        GetWindowRect(GetDlgItem(hDlg, IDC_ABOUTICON), &rc);
        GetWindowRect(hDlg, &rcAbout);
        ptAboutClient = {0, 0};
        ClientToScreen(hDlg, &ptAboutClient);
        ClickAt({(c.bFromRight ? rc.right : rc.left) + c.x, (c.bFromBottom ? rc.bottom : rc.top) + c.y});
    });
    ASSERT_EQ(opened.size(), std::size(clicks));
    for (size_t i = 0; i < opened.size(); ++i)
        EXPECT_EQ(opened[i], clicks[i].opens) << "click " << i;
    // Esc ended each staff box during its reveal.
    for (int nPass : passesAtEscape)
        EXPECT_LT(nPass, kRevealPasses);
    EXPECT_TRUE(StaffBox.hdcPicture == nullptr && StaffBox.uTimer == 0);
    // The system puts the box's client area at the About box's client origin; from
    // there it moves by half the difference of the two sizes.
    const int cxStaff = rcStaff.right - rcStaff.left, cyStaff = rcStaff.bottom - rcStaff.top;
    const POINT ptFirst = {ptAboutClient.x - (ptStaffClient.x - rcStaff.left),
                           ptAboutClient.y - (ptStaffClient.y - rcStaff.top)};
    EXPECT_EQ(rcStaff.left, ptFirst.x + (rcAbout.right - rcAbout.left - cxStaff) / 2);
    EXPECT_EQ(rcStaff.top, ptFirst.y + (rcAbout.bottom - rcAbout.top - cyStaff) / 2);
}

// The box is driven here paint by paint, not by its timer: shown, its screen
// painted magenta, then one paint per pass, read back from the screen each time.
class StaffRevealTest : public AboutTest {
protected:
    HWND Open()
    {
        HWND hDlg = CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(IDD_STAFF), hWnd, StaffDlgProc, 0);
        ShowWindow(hDlg, SW_SHOW);
        ValidateRect(hDlg, nullptr);
        GetClientRect(hDlg, &rcClient);
        HDC hdc = GetDC(hDlg);
        HBRUSH hbr = CreateSolidBrush(kMagenta);
        FillRect(hdc, &rcClient, hbr);
        DeleteObject(hbr);
        ReleaseDC(hDlg, hdc);
        return hDlg;
    }
    void PaintOnce(HWND hDlg)
    {
        InvalidateRect(hDlg, nullptr, FALSE);
        UpdateWindow(hDlg);
    }
    // A visible OK covers its part of the picture: there the two are not compared.
    static RECT OkRect(HWND hDlg)
    {
        return IsWindowVisible(GetDlgItem(hDlg, IDOK)) ? ControlRect(hDlg, IDOK) : RECT{};
    }
    // The client area as on the screen (bScreen) or the off-screen picture, 0 inside rcSkip.
    std::vector<COLORREF> Read(HWND hDlg, bool bScreen, const RECT &rcSkip = {})
    {
        wintest::TestImage image(rcClient.right, rcClient.bottom);
        HDC hdc = bScreen ? GetDC(hDlg) : StaffBox.hdcPicture;
        BitBlt(image.dc(), 0, 0, rcClient.right, rcClient.bottom, hdc, 0, 0, SRCCOPY);
        if (bScreen)
            ReleaseDC(hDlg, hdc);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < rcClient.bottom; ++y)
            for (int x = 0; x < rcClient.right; ++x)
                pixels.push_back(PtInRect(&rcSkip, {x, y}) ? 0 : image.ColorAt(x, y));
        return pixels;
    }

    static constexpr COLORREF kMagenta = RGB(255, 0, 255);
    RECT rcClient = {};
};

TEST_F(StaffRevealTest, OkHiddenUntilTheSeventhPassThenThePicturePixelForPixelAndEachOpeningStartsAfresh)
{
    // The second opening follows a close in the middle of the first reveal.
    for (int nOpening = 0; nOpening < 2; ++nOpening) {
        HWND hDlg = Open();
        ASSERT_NE(hDlg, nullptr);
        EXPECT_EQ(StaffBox.nPass, 0) << nOpening;
        EXPECT_NE(StaffBox.uTimer, 0u);
        ASSERT_NE(StaffBox.hdcPicture, nullptr);
        const std::vector<COLORREF> picture = Read(hDlg, false);
        const int cx = rcClient.right;
        for (int k = 1; k <= (nOpening == 0 ? 3 : kRevealPasses); ++k) {
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDOK))) << "before pass " << k;
            PaintOnce(hDlg);
            const RECT rcOk = OkRect(hDlg);
            const std::vector<COLORREF> screen = Read(hDlg, true, rcOk);
            int nWrong = 0;
            for (size_t i = 0; i < screen.size(); ++i) {
                const int x = static_cast<int>(i) % cx, y = static_cast<int>(i) / cx;
                if (!PtInRect(&rcOk, {x, y}))
                    nWrong += screen[i] != (IsRevealed(x, y, k) ? picture[i] : kMagenta);
            }
            EXPECT_EQ(nWrong, 0) << "after pass " << k;
            EXPECT_EQ(StaffBox.nPass, k);
        }
        if (nOpening == 1) {
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(hDlg, IDOK)));
            EXPECT_EQ(StaffBox.uTimer, 0u) << "the timer stops with the reveal";
            // From now on each paint is the whole picture.
            PaintOnce(hDlg);
            EXPECT_EQ(Read(hDlg, true, OkRect(hDlg)), Read(hDlg, false, OkRect(hDlg)));
            // The credits are on it: ink in both columns, none above the first row.
            int nInkLeft = 0, nInkRight = 0, nInkAbove = 0;
            for (size_t i = 0; i < picture.size(); ++i) {
                if (picture[i] != RGB(192, 192, 192)) {
                    const int x = static_cast<int>(i) % cx, y = static_cast<int>(i) / cx;
                    (y < kCreditTop ? nInkAbove : x < CreditRightX(cx) ? nInkLeft : nInkRight)++;
                }
            }
            EXPECT_GT(nInkLeft, 100);
            EXPECT_GT(nInkRight, 100);
            EXPECT_EQ(nInkAbove, 0);
        }
        DestroyWindow(hDlg);
        EXPECT_TRUE(StaffBox.hdcPicture == nullptr && StaffBox.hbmPicture == nullptr && StaffBox.uTimer == 0);
    }
}

UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC)
{
    return 0;
}

TEST_F(StaffRevealTest, WithoutATimerTheWholePictureShowsAtOnceWithOk)
{
    pfnStartStaffTimer = NoTimer;
    HWND hDlg = Open();
    EXPECT_EQ(StaffBox.nPass, kRevealPasses);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(hDlg, IDOK)));
    ASSERT_NE(StaffBox.hdcPicture, nullptr);
    PaintOnce(hDlg);
    EXPECT_EQ(Read(hDlg, true, OkRect(hDlg)), Read(hDlg, false, OkRect(hDlg)));
    DestroyWindow(hDlg);
}

TEST(PointFont, HeightInTenthsOfAPointBecomesTheCharacterHeightInLogicalUnits)
{
    HDC hdcScreen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(hdcScreen, LOGPIXELSY), 96);
    HDC hdcScaled = CreateCompatibleDC(hdcScreen);
    // Two logical units to a pixel.
    SetMapMode(hdcScaled, MM_ANISOTROPIC);
    SetWindowExtEx(hdcScaled, 2, 2, nullptr);
    SetViewportExtEx(hdcScaled, 1, 1, nullptr);
    const struct {
        HDC hdc;
        int nTenths;
        LONG lfHeight;
    } cases[] = {{hdcScreen, 90, -12}, {nullptr, 90, -12}, {nullptr, 120, -16}, {hdcScaled, 90, -24}};
    for (const auto &c : cases) {
        HFONT hFont = CreateFontByPoints(c.hdc, c.nTenths, "ＭＳ Ｐゴシック");
        LOGFONTA lf = {};
        ASSERT_EQ(GetObjectA(hFont, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
        EXPECT_EQ(lf.lfHeight, c.lfHeight) << c.nTenths;
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_STREQ(lf.lfFaceName, "ＭＳ Ｐゴシック");
        DeleteObject(hFont);
    }
    DeleteDC(hdcScaled);
    ReleaseDC(nullptr, hdcScreen);
}

// Fifty openings of the About box, each with the staff box: every other one
// closed in the middle of its reveal, the rest after it.
TEST_F(AboutTest, FiftyOpeningsLeaveNoGdiOrUserObjectBehind)
{
    auto openAndClose = [&](bool bCloseDuringReveal) {
        enum { kClickIcon, kStaffOpen, kStaffClosed, kAboutClosing } state = kClickIcon;
        AboutFromMenu([&](HWND hDlg) {
            const std::string caption = WindowText(hDlg);
            if (caption == kAboutCaption && state == kClickIcon) {
                const RECT rc = ControlRect(hDlg, IDC_ABOUTICON);
                PostMessageA(hDlg, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 5, rc.top + 5));
                state = kStaffOpen;
            } else if (caption == kStaffCaption && state == kStaffOpen) {
                if (bCloseDuringReveal) {
                    EXPECT_LT(StaffBox.nPass, kRevealPasses);
                    PressEscape();
                } else if (StaffBox.nPass == kRevealPasses) {
                    PostMessageA(GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
                } else {
                    return;
                }
                state = kStaffClosed;
            } else if (caption == kAboutCaption && state == kStaffClosed) {
                PressEscape();
                state = kAboutClosing;
            }
        });
        EXPECT_EQ(state, kAboutClosing);
    };
    openAndClose(false);
    const int nGdiBefore = wintest::GdiCapacity(), nUserBefore = wintest::MenuCapacity();
    for (int i = 0; i < 50; ++i)
        openAndClose(i % 2 == 1);
    EXPECT_EQ(wintest::GdiCapacity(), nGdiBefore);
    EXPECT_EQ(wintest::MenuCapacity(), nUserBefore);
}

}  // namespace
