// Measures the time from starting vespin.exe to its first painted panel on
// screen, over several runs; prints the median. Usage: launchtime [runs].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/appnames.h"
#include "res/resource.h"

static std::string SiblingPath(const char *pszName)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + pszName;
}

// The panel's bottom rows are the background's frame: neither the window's
// white class brush nor the bare screen.
static bool PanelPainted(HWND hWnd, COLORREF crBefore)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    HDC hdc = GetDC(nullptr);
    COLORREF cr = GetPixel(hdc, rc.left + 60, rc.top + 156);
    ReleaseDC(nullptr, hdc);
    return cr != CLR_INVALID && cr != RGB(255, 255, 255) && cr != crBefore;
}

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    std::vector<double> times;
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    for (int i = 0; i < runs; ++i) {
        HDC hdc = GetDC(nullptr);
        COLORREF crBefore = GetPixel(hdc, 60, 156);
        ReleaseDC(nullptr, hdc);
        std::string cmd = "\"" + SiblingPath("vespin.exe") + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi;
        LARGE_INTEGER start, now;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 1;
        HWND hWnd = nullptr;
        for (int spin = 0; spin < 20000; ++spin) {
            if (!hWnd)
                hWnd = FindWindowA(kAppClassName, kAppTitle);
            if (hWnd && IsWindowVisible(hWnd) && PanelPainted(hWnd, crBefore))
                break;
            Sleep(1);
        }
        QueryPerformanceCounter(&now);
        times.push_back(1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart));
        PostMessageA(hWnd, WM_COMMAND, IDM_EXIT, 0);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    std::sort(times.begin(), times.end());
    std::printf("launch to first paint over %d runs: median %.1f ms (min %.1f, max %.1f)\n", runs,
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
