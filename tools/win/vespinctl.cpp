// Sends a command to a running Vespin, as its context menu would: "exit" ends it.
#include <windows.h>

#include <cstring>

#include "base/appnames.h"
#include "res/resource.h"

int main(int argc, char **argv)
{
    if (argc != 2 || std::strcmp(argv[1], "exit") != 0)
        return 2;
    HWND hWnd = FindWindowA(kAppClassName, kAppTitle);
    if (!hWnd)
        return 1;
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
