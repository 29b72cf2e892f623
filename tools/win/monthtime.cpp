// Measures the time from the month calendar's menu command to its painted window on screen, over
// several openings of a copy of vespin.exe it starts; prints the median. Usage: monthtime [runs].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/monthwnd.h"
#include "base/appnames.h"
#include "res/resource.h"


static std::string SiblingPath(const char *pszName)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + pszName;
}

// Shown and painted: a point of the title band beside the buttons is the band's colour.
static bool MonthPainted(HWND hMonth)
{
    RECT rc;
    if (!hMonth || !IsWindowVisible(hMonth) || !GetWindowRect(hMonth, &rc))
        return false;
    const int nScale = (rc.right - rc.left) / kMonthPictureWidth;
    HDC hdc = GetDC(nullptr);
    const COLORREF cr = GetPixel(hdc, rc.left + 32 * nScale, rc.top + 6 * nScale);
    ReleaseDC(nullptr, hdc);
    return cr == kMonthBand;
}

static double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, const LARGE_INTEGER &freq)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(freq.QuadPart);
}

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    std::string cmd = "\"" + SiblingPath("vespin.exe") + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi;
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 1;
    HWND hWnd = nullptr;
    for (int spin = 0; spin < 1000 && !(hWnd = FindWindowA(kAppClassName, kAppTitle)); ++spin)
        Sleep(10);
    Sleep(500);  // its start-up settles
    LARGE_INTEGER freq, start, now;
    QueryPerformanceFrequency(&freq);
    std::vector<double> times;
    // The first opening loads code and fonts: not counted.
    for (int i = 0; hWnd && i <= runs; ++i) {
        QueryPerformanceCounter(&start);
        PostMessageA(hWnd, WM_COMMAND, IDM_MONTHCALENDAR, 0);
        HWND hMonth = nullptr;
        for (int spin = 0; spin < 5000 && !MonthPainted(hMonth); ++spin) {
            hMonth = FindWindowA(kMonthClassName, nullptr);
            Sleep(hMonth ? 0 : 1);
        }
        QueryPerformanceCounter(&now);
        if (i > 0)
            times.push_back(Milliseconds(start, now, freq));
        PostMessageA(hWnd, WM_COMMAND, IDM_MONTHCALENDAR, 0);
        for (int spin = 0; spin < 5000 && FindWindowA(kMonthClassName, nullptr); ++spin)
            Sleep(1);
        Sleep(50);
    }
    if (hWnd)
        PostMessageA(hWnd, WM_COMMAND, IDM_EXIT, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    if (times.empty())
        return 1;
    std::sort(times.begin(), times.end());
    std::printf("menu command to the painted month calendar over %d openings: median %.1f ms (min %.1f, max %.1f)\n",
                runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
