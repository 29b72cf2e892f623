// Helpers for driving the real vespin.exe from a test process: launch, find its
// window, read its settings from the registry, answer its message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/common/settings_store.h"

namespace e2e {

// Polls pred every 20 ms until it holds or timeoutMs passes.
bool WaitFor(const std::function<bool()> &pred, DWORD timeoutMs = 10000);

using teststore::CountSettingsValues;
using teststore::DeleteSettingsKey;
using teststore::ReadDword;
using teststore::ReadString;
using teststore::SettingsKeyExists;
using teststore::WriteDword;
using teststore::WriteString;
// Stores the 28 defaults as a complete record.
void WriteDefaultSettings();

// Main window of a running copy, or null.
HWND FindVespinWindow();

// A message box (dialog class) with the caption "Vespin" owned by process pid.
HWND FindMessageBox(DWORD dwProcessId);
std::string MessageBoxText(HWND hBox);

class Vespin {
public:
    Vespin() = default;
    ~Vespin();
    Vespin(const Vespin &) = delete;
    Vespin &operator=(const Vespin &) = delete;

    // Starts vespin.exe; with waitForWindow, returns once its main window is shown.
    bool Start(bool waitForWindow = true);
    // Ends it through its own exit command; returns the exit code (or -1 on timeout).
    int Exit();
    // Waits for the process to end by itself; returns the exit code (or -1).
    int WaitExit(DWORD timeoutMs = 10000);
    bool Running() const;

    HWND hWnd = nullptr;
    PROCESS_INFORMATION pi = {};
};

std::string ExePath(const char *pszName);

// Moves the mouse to a screen point and clicks the left button twice, as hardware input.
void DoubleClickAt(int x, int y);

}  // namespace e2e
