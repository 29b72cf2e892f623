// Launching vespin.exe, reading its registry store and working its sheet from outside.
#include "tests/e2e/e2e_harness.h"

#include <commctrl.h>

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

std::map<std::string, std::string> StoredValues()
{
    std::map<std::string, std::string> values;
    for (int i = 0; i < kRecordFieldCount; ++i) {
        const SettingField &field = SettingFields[i];
        DWORD dw = 0;
        if (field.kind == kSettingString)
            ReadString(field.pszName, &values[field.pszName]);
        else if (ReadDword(field.pszName, &dw))
            values[field.pszName] = std::to_string(dw);
    }
    values.erase("nHourOld");
    values.erase("nMinuteOld");
    return values;
}

HWND FindVespinWindow()
{
    return FindWindowA(kAppClassName, kAppTitle);
}

std::wstring Wide(const char *psz)
{
    wchar_t sz[600] = L"";
    MultiByteToWideChar(932, 0, psz, -1, sz, 600);
    return sz;
}

std::string Narrow(const wchar_t *psz)
{
    char sz[1200] = "";
    WideCharToMultiByte(932, 0, psz, -1, sz, sizeof(sz), nullptr, nullptr);
    return sz;
}

// A visible top-level window of process dwPid with this class and title (null: any title).
static HWND FindOwnWindow(DWORD dwPid, const char *pszClass, const char *pszTitle)
{
    const std::wstring className = Wide(pszClass);
    std::wstring title;
    if (pszTitle)
        title = Wide(pszTitle);
    const wchar_t *pszWideTitle = pszTitle ? title.c_str() : nullptr;
    DWORD dwOwner = 0;
    for (HWND hWnd = FindWindowExW(nullptr, nullptr, className.c_str(), pszWideTitle); hWnd;
         hWnd = FindWindowExW(nullptr, hWnd, className.c_str(), pszWideTitle))
        if (GetWindowThreadProcessId(hWnd, &dwOwner) && dwOwner == dwPid && IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

HWND FindMessageBox(DWORD dwProcessId)
{
    return FindOwnWindow(dwProcessId, "#32770", kAppTitle);
}

std::string MessageBoxText(HWND hBox)
{
    wchar_t text[512] = L"";
    GetDlgItemTextW(hBox, 0xFFFF, text, 512);
    return Narrow(text);
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
    hWnd = WaitForOwnWindow(*this, kAppClassName, kAppTitle);
    return hWnd != nullptr;
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

bool Xdotool(const char *pszArgs)
{
    std::string cmd = std::string("Z:\\usr\\bin\\xdotool ") + pszArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
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

HWND WaitForOwnWindow(const Vespin &app, const char *pszClass, const char *pszTitle)
{
    HWND hWnd = nullptr;
    WaitFor([&] { return (hWnd = FindOwnWindow(app.pi.dwProcessId, pszClass, pszTitle)) != nullptr; });
    return hWnd;
}

HWND OpenSheet(const Vespin &app)
{
    PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
    return WaitForOwnWindow(app, "#32770", "プロパティ");
}

bool CloseSheet(HWND hSheet, int nButton)
{
    PostMessageA(hSheet, PSM_PRESSBUTTON, nButton, 0);
    return WaitFor([&] { return !IsWindow(hSheet); });
}

std::string WindowText(HWND hWnd)
{
    wchar_t sz[600] = L"";
    SendMessageW(hWnd, WM_GETTEXT, 600, reinterpret_cast<LPARAM>(sz));
    return Narrow(sz);
}

void Page::Select(int id, int nIndex) const
{
    SendMessageA(Item(id), CB_SETCURSEL, nIndex, 0);
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
}

// Asked in UTF-16: Wine hands another process's ANSI request the item's UTF-16 text unconverted.
std::string Page::ComboText(int id, int nIndex) const
{
    if (nIndex < 0)
        nIndex = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
    wchar_t wide[256] = L"";
    SendMessageW(Item(id), CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(wide));
    return Narrow(wide);
}

void Page::SetText(int id, const char *psz) const
{
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(psz).c_str()));
}

Page ShowPage(HWND hSheet, int nIndex)
{
    SendMessageA(hSheet, PSM_SETCURSEL, nIndex, 0);
    return {reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0))};
}

}  // namespace e2e
