// Sends commands to a running Vespin: "exit" ends it as its context menu would; "paint N"
// hands it N ticks of its one-second timer, each followed by a paint (the benchmark uses it).
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "base/appnames.h"
#include "res/resource.h"

int main(int argc, char **argv)
{
    const bool bExit = argc == 2 && std::strcmp(argv[1], "exit") == 0;
    const bool bPaint = argc == 3 && std::strcmp(argv[1], "paint") == 0;
    if (!bExit && !bPaint)
        return 2;
    HWND hWnd = FindWindowA(kAppClassName, kAppTitle);
    if (!hWnd)
        return 1;
    if (bPaint) {
        // Sent, not posted: each tick has been handled when the call returns. A tick repaints
        // only when the picture changed, so the paint is asked for as the system would ask.
        for (int i = std::atoi(argv[2]); i > 0; --i) {
            SendMessageA(hWnd, WM_TIMER, TIMER_SECOND, 0);
            RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return 0;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    HANDLE hProcess = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(hWnd, WM_COMMAND, IDM_EXIT, 0);
    if (hProcess) {
        WaitForSingleObject(hProcess, 10000);
        CloseHandle(hProcess);
    }
    return 0;
}
