// Helpers for driving the real vespin.exe from a test process: launch, find its
// window, read its settings from the registry, answer its message boxes, work its sheet.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
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
// The 28 stored values as text, but the time check's own two, which a paint may move on.
std::map<std::string, std::string> StoredValues();

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

// X's own pointer, buttons and keys, as a hand gives them: xdotool with these arguments, started
// and not waited for (Wine cannot wait for a Linux program).
bool Xdotool(const char *pszArgs);

// A visible top-level window of app's process with this class and title (null: any title),
// waited for; null if none came.
HWND WaitForOwnWindow(const Vespin &app, const char *pszClass, const char *pszTitle);

// Opens the property sheet by the posted menu command (a sent one would wait in its modal loop).
HWND OpenSheet(const Vespin &app);
// PSBTN_OK or PSBTN_CANCEL; true once the sheet has gone.
bool CloseSheet(HWND hSheet, int nButton);

// The test's texts are Shift-JIS literals; windows are asked in UTF-16 and answered through code
// page 932, so a test reads the same whatever the system's code page.
std::wstring Wide(const char *psz);
std::string Narrow(const wchar_t *psz);

// Another process's window text: GetWindowTextA gets nothing from its edit boxes.
std::string WindowText(HWND hWnd);

// A page of the open sheet, worked as another process can.
struct Page {
    HWND hWnd;
    HWND Item(int id) const { return GetDlgItem(hWnd, id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    // The edit box then notifies EN_CHANGE, as when typed.
    void SetText(int id, const char *psz) const;
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // As the combo box reports a user's choice; -1 leaves nothing selected.
    void Select(int id, int nIndex) const;
    // Item nIndex of a combo box, or its selection.
    std::string ComboText(int id, int nIndex = -1) const;
};
// Switches the sheet to page nIndex.
Page ShowPage(HWND hSheet, int nIndex);

}  // namespace e2e
