// Shared helpers for the in-process Win32 tests: the settings key, message
// boxes answered by a hook, a real window run by MainWndProc, and real mouse input.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "render/canvas_win.h"
#include "render/panel_win.h"

#include "tests/common/settings_store.h"

namespace wintest {

// A 24-bit top-down image selected into its own memory DC.
class TestImage {
public:
    TestImage(int cx, int cy) : cx_(cx), cy_(cy)
    {
        HDC hdcScreen = GetDC(nullptr);
        hbm_ = CreateRgbDib(hdcScreen, cx, cy, reinterpret_cast<void **>(&bits_));
        hdc_ = CreateCompatibleDC(hdcScreen);
        ReleaseDC(nullptr, hdcScreen);
        hOld_ = SelectObject(hdc_, hbm_);
    }
    ~TestImage()
    {
        SelectObject(hdc_, hOld_);
        DeleteDC(hdc_);
        DeleteObject(hbm_);
    }
    TestImage(const TestImage &) = delete;
    TestImage &operator=(const TestImage &) = delete;
    HDC dc() const { return hdc_; }
    HBITMAP bitmap() const { return hbm_; }
    // blue + 256 green + 65536 red, as the key colours are written.
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        const uint8_t *p = bits_ + static_cast<size_t>(y) * Stride() + x * 3;
        return p[0] | p[1] << 8 | p[2] << 16;
    }
    COLORREF ColorAt(int x, int y) const
    {
        const uint32_t bgr = At(x, y);
        return RGB(bgr >> 16, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    void Fill(uint8_t value) { memset(bits_, value, static_cast<size_t>(Stride()) * cy_); }
    void FillColor(COLORREF cr)
    {
        HBRUSH hbr = CreateSolidBrush(cr);
        const RECT rc = {0, 0, cx_, cy_};
        FillRect(hdc_, &rc, hbr);
        DeleteObject(hbr);
    }
    int Stride() const { return (cx_ * 3 + 3) & ~3; }

private:
    int cx_, cy_;
    HBITMAP hbm_;
    HDC hdc_;
    HGDIOBJ hOld_;
    uint8_t *bits_ = nullptr;
};


using teststore::CountSettingsValues;
using teststore::DeleteSettingsKey;
using teststore::SetValue;
inline bool GetDword(const char *pszName, DWORD *pdwValue) { return teststore::ReadDword(pszName, pdwValue); }

// While alive, every message box this thread opens is recorded and closed with OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    std::vector<std::string> texts;

private:
    HHOOK hHook;
};

// Dispatches everything queued for this thread (a WM_QUIT is dropped).
void PumpMessages();


// A borderless tool window of a class with CS_DBLCLKS whose procedure is
// MainWndProc; shown, painted once and with its queue emptied.
HWND CreateMainWindow(int x, int y);
// Destroys it and drops the WM_QUIT its WM_DESTROY posts.
void DestroyMainWindow(HWND hWnd);

// Called with the menu window whenever an open popup menu of the window goes
// idle (WM_ENTERIDLE); null for none.
void SetMenuIdleHandler(std::function<void(HWND hWndMenu)> handler);

// Sends a menu command that runs a modal dialog; while it runs, act is called every 10 ms from a
// thread timer, which every modal loop dispatches, a sheet's own too. Returns the command's result.
LRESULT RunModalCommand(HWND hWnd, WORD wCommand, std::function<void()> act);
// The visible dialog of this thread owned by hOwner, or null.
HWND FindOwnedDialog(HWND hOwner);
// Opens the property sheet from the menu, hands it to inspect once, then presses nButton
// (PSBTN_OK or PSBTN_CANCEL); false when no sheet came.
bool RunPropertySheet(HWND hWnd, int nButton, const std::function<void(HWND hSheet)> &inspect = nullptr);

// Mouse input through the hardware path: a move to a screen point, a button.
void MouseMoveTo(int x, int y);
void MouseButton(DWORD dwFlags);

// How many more pens (GDI objects) or popup menus (USER objects) the process can make now.
// GetGuiResources is a stub under Wine: a leak of n objects shows as a capacity n smaller.
int GdiCapacity();
int MenuCapacity();

}  // namespace wintest
