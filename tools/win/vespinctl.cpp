// Sends commands to a running Vespin: "exit" ends it as its context menu would; "paint N"
// hands it N ticks of its one-second timer, each of which draws when the picture changed (the
// benchmark uses it).
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
        // Sent, not posted: each tick has been handled, and its drawing done, when the call returns.
        for (int i = std::atoi(argv[2]); i > 0; --i)
            SendMessageA(hWnd, WM_TIMER, TIMER_SECOND, 0);
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
