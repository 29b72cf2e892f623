// Launching vespin.exe and reading its registry store from outside.
#include "tests/e2e/e2e_harness.h"

#include "base/appnames.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace e2e {

bool WaitFor(const std::function<bool()> &pred, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (pred())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

void WriteDefaultSettings()
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    teststore::StoreRecord(rec);
}

HWND FindVespinWindow()
{
    return FindWindowA(kAppClassName, kAppTitle);
}

struct BoxSearch {
    DWORD dwProcessId;
    HWND hFound;
};

static BOOL CALLBACK FindBoxProc(HWND hWnd, LPARAM lParam)
{
    BoxSearch *search = reinterpret_cast<BoxSearch *>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    char cls[64], title[64];
    const int cchClass = GetClassNameA(hWnd, cls, sizeof(cls));
    GetWindowTextA(hWnd, title, sizeof(title));
    if (pid == search->dwProcessId && cchClass != 0 && lstrcmpA(cls, "#32770") == 0 && lstrcmpA(title, kAppTitle) == 0 &&
        IsWindowVisible(hWnd)) {
        search->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindMessageBox(DWORD dwProcessId)
{
    BoxSearch search = {dwProcessId, nullptr};
    EnumWindows(FindBoxProc, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

std::string MessageBoxText(HWND hBox)
{
    char text[512] = "";
    GetDlgItemTextA(hBox, 0xFFFF, text, sizeof(text));
    return text;
}

std::string ExePath(const char *pszName)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string dir(path);
    dir.erase(dir.find_last_of('\\') + 1);
    return dir + pszName;
}

Vespin::~Vespin()
{
    if (Running()) {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    if (pi.hProcess) {
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
}

bool Vespin::Start(bool waitForWindow)
{
    std::string cmd = "\"" + ExePath("vespin.exe") + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (!waitForWindow)
        return true;
    return WaitFor([this] {
        HWND h = FindVespinWindow();
        DWORD pid = 0;
        if (h)
            GetWindowThreadProcessId(h, &pid);
        if (h && pid == pi.dwProcessId && IsWindowVisible(h)) {
            hWnd = h;
            return true;
        }
        return false;
    });
}

bool Vespin::Running() const
{
    return pi.hProcess && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
}

int Vespin::WaitExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return static_cast<int>(code);
}

void DoubleClickAt(int x, int y)
{
    // Absolute input is in 1/65536 of the screen, scaled back with truncation: round up.
    const LONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[5] = {};
    for (INPUT &i : in)
        i.type = INPUT_MOUSE;
    in[0].mi.dx = (x * 65536 + cx - 1) / cx;
    in[0].mi.dy = (y * 65536 + cy - 1) / cy;
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = in[3].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = in[4].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(5, in, sizeof(INPUT));
}

int Vespin::Exit()
{
    PostMessageA(hWnd, WM_COMMAND, IDM_EXIT, 0);
    return WaitExit();
}

}  // namespace e2e
