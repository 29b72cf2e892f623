// Helpers for the in-process Win32 tests.
#include "tests/win/win_test_util.h"

#include <commctrl.h>

#include "base/appinfo_win.h"
#include "app/mainwnd_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace wintest {

static MessageBoxCatcher *activeCatcher;

static LRESULT CALLBACK CatchBoxProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && activeCatcher) {
        HWND hBox = reinterpret_cast<HWND>(wParam);
        char cls[32];
        if (GetClassNameA(hBox, cls, sizeof(cls)) && lstrcmpA(cls, "#32770") == 0) {
            char caption[64], text[512] = "";
            GetWindowTextA(hBox, caption, sizeof(caption));
            GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
            activeCatcher->texts.push_back(std::string(caption) + "|" + text);
            PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher()
{
    activeCatcher = this;
    hHook = SetWindowsHookExA(WH_CBT, CatchBoxProc, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(hHook);
    activeCatcher = nullptr;
}

namespace {

const wchar_t kClassName[] = L"VespinTestMainWindow";
std::function<void(HWND)> menuIdleHandler;

LRESULT CALLBACK TestWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_ENTERIDLE && wParam == MSGF_MENU && menuIdleHandler) {
        menuIdleHandler(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return MainWndProc(hWnd, uMsg, wParam, lParam);
}

void RegisterTestClass()
{
    // A Unicode window, as the program's own is.
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(AppInfo.hInstance, kClassName, &wc))
        return;
    wc.style = CS_DBLCLKS | CS_NOCLOSE;
    wc.lpfnWndProc = TestWndProc;
    wc.hInstance = AppInfo.hInstance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

void SendMouse(LONG dx, LONG dy, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = dwFlags;
    SendInput(1, &in, sizeof(in));
    PumpMessages();
}

}  // namespace

HWND CreateMainWindow(int x, int y)
{
    RegisterTestClass();
    // A window of a test must never write the developer's stored settings on its way out.
    bSettingsLoaded = 0;
    HWND hWnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"VespinTest", WS_POPUP, x, y, 120, 160, nullptr,
                                nullptr, AppInfo.hInstance, nullptr);
    ShowWindow(hWnd, SW_SHOWNORMAL);
    UpdateWindow(hWnd);
    PumpMessages();
    return hWnd;
}

void DestroyMainWindow(HWND hWnd)
{
    menuIdleHandler = nullptr;
    DestroyWindow(hWnd);
    PumpMessages();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void SetMenuIdleHandler(std::function<void(HWND)> handler)
{
    menuIdleHandler = std::move(handler);
}

static std::function<void()> modalAct;

static void CALLBACK ModalTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (modalAct)
        modalAct();
}

LRESULT RunModalCommand(HWND hWnd, WORD wCommand, std::function<void()> act)
{
    modalAct = std::move(act);
    const UINT_PTR uTimer = SetTimer(nullptr, 0, 10, ModalTick);
    const LRESULT lResult = SendMessageA(hWnd, WM_COMMAND, wCommand, 0);
    KillTimer(nullptr, uTimer);
    modalAct = nullptr;
    return lResult;
}

struct OwnedDialogSearch {
    HWND hOwner;
    HWND hFound;
};

static BOOL CALLBACK MatchOwnedDialog(HWND hWnd, LPARAM lParam)
{
    auto *pSearch = reinterpret_cast<OwnedDialogSearch *>(lParam);
    char szClass[8];
    if (GetWindow(hWnd, GW_OWNER) != pSearch->hOwner || !IsWindowVisible(hWnd) ||
        !GetClassNameA(hWnd, szClass, sizeof(szClass)) || lstrcmpA(szClass, "#32770") != 0)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

HWND FindOwnedDialog(HWND hOwner)
{
    OwnedDialogSearch search = {hOwner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

bool RunPropertySheet(HWND hWnd, int nButton, const std::function<void(HWND)> &inspect)
{
    bool bPressed = false;
    RunModalCommand(hWnd, IDM_PROPERTY, [&] {
        HWND hSheet = FindOwnedDialog(hWnd);
        if (!hSheet || bPressed)
            return;
        if (inspect)
            inspect(hSheet);
        PostMessageA(hSheet, PSM_PRESSBUTTON, nButton, 0);
        bPressed = true;
    });
    return bPressed;
}

void MouseMoveTo(int x, int y)
{
    // Absolute input is in 1/65536 of the screen and scaled back with truncation:
    // round up so it lands on the pixel itself.
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    SendMouse((x * 65536 + cx - 1) / cx, (y * 65536 + cy - 1) / cy, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
}

void MouseButton(DWORD dwFlags)
{
    SendMouse(0, 0, dwFlags);
}

int GdiCapacity()
{
    std::vector<HPEN> pens;
    while (HPEN hPen = CreatePen(PS_SOLID, 1, 0))
        pens.push_back(hPen);
    for (HPEN hPen : pens)
        DeleteObject(hPen);
    return static_cast<int>(pens.size());
}

int MenuCapacity()
{
    std::vector<HMENU> menus;
    while (HMENU hMenu = CreatePopupMenu())
        menus.push_back(hMenu);
    for (HMENU hMenu : menus)
        DestroyMenu(hMenu);
    return static_cast<int>(menus.size());
}

}  // namespace wintest
