// Test entry for the in-process Win32 tests: the application record as WinMain fills it.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/appinfo_win.h"
#include "base/appnames.h"

int main(int argc, char **argv)
{
    AppInfo.lpszClassName = kAppClassName;
    AppInfo.lpszTitle = kAppTitle;
    AppInfo.hInstance = GetModuleHandleA(nullptr);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
