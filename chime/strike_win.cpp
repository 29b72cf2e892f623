// Strikes of the hour: the sound's length from its header, then a timer on a window of its own
// that plays it again and ends itself with the last strike.
#include "chime/strike_win.h"

#include <cstring>

#include "base/appinfo_win.h"
#include "chime/sound_win.h"
#include "chime/signal_rules.h"
#include "chime/wave.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

// A timer falls due at the first system tick after its period: one tick less keeps each gap
// within kStrikeGapMs.
constexpr UINT kTimerTickMs = 16;

HWND hStrikeWnd;
char szStrikeSound[sizeof(SettingsRecord::szWave)];
int nStrikesLeft;

struct ResourceBytes {
    const char *p;
    uint64_t cb;
};

bool ReadResource(void *pContext, uint64_t offset, void *pBuffer, size_t cb)
{
    const auto *pBytes = static_cast<const ResourceBytes *>(pContext);
    if (offset > pBytes->cb || cb > pBytes->cb - offset)
        return false;
    std::memcpy(pBuffer, pBytes->p + offset, cb);
    return true;
}

// The header of Vespin's own chime, read as a file's would be.
WaveInfo ReadChimeHeader()
{
    HRSRC hrsrc = FindResourceW(AppInfo.hInstance, MAKEINTRESOURCEW(IDW_CHIME), L"WAVE");
    HGLOBAL hData = hrsrc ? LoadResource(AppInfo.hInstance, hrsrc) : nullptr;
    const void *pData = hData ? LockResource(hData) : nullptr;
    if (!pData)
        return {};
    ResourceBytes bytes = {static_cast<const char *>(pData), SizeofResource(AppInfo.hInstance, hrsrc)};
    return CheckWaveHeader({&bytes, bytes.cb, ReadResource});
}

// 0 when it cannot be known: a sound the system plays by name, or a file that is not played.
uint32_t SoundLengthMs(const char *pszSound)
{
    WaveInfo info = {};
    switch (ClassifySoundName(pszSound)) {
    case kSoundBuiltIn: info = ReadChimeHeader(); break;
    case kSoundFile: ReadWaveFile(pszSound, &info); break;
    case kSoundAlias: break;
    }
    return info.bPlayable ? info.nDurationMs : 0;
}

void OnStrikeTimer(HWND hWnd)
{
    if (nStrikesLeft > 0 && Settings.bAlarm && Settings.bStrikeHours) {
        PlayTimeSignal(szStrikeSound);
        --nStrikesLeft;
    } else {
        nStrikesLeft = 0;
    }
    if (nStrikesLeft == 0)
        KillTimer(hWnd, kStrikeTimerId);
}

LRESULT CALLBACK StrikeWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_TIMER:
        if (wParam == kStrikeTimerId)
            OnStrikeTimer(hWnd);
        return 0;
    case WM_NCDESTROY: hStrikeWnd = nullptr; return 0;
    default: return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}

// Made at the first strike and kept: without a timer it costs nothing between signals.
HWND StrikeWindow()
{
    if (hStrikeWnd)
        return hStrikeWnd;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(AppInfo.hInstance, kStrikeClassName, &wc)) {
        wc.lpfnWndProc = StrikeWndProc;
        wc.hInstance = AppInfo.hInstance;
        wc.lpszClassName = kStrikeClassName;
        if (!RegisterClassExW(&wc))
            return nullptr;
    }
    hStrikeWnd = CreateWindowExW(0, kStrikeClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, AppInfo.hInstance,
                                 nullptr);
    return hStrikeWnd;
}

}  // namespace

int SoundTimeSignal(const char *pszSound, int nStrikes)
{
    StopStrikes();
    const int bStarted = PlayTimeSignal(pszSound);
    if (!bStarted || nStrikes <= 1)
        return bStarted;
    const StrikePlan plan = PlanStrikes(nStrikes, SoundLengthMs(pszSound));
    HWND hWnd = plan.nTimes > 1 ? StrikeWindow() : nullptr;
    if (hWnd && SetTimer(hWnd, kStrikeTimerId, plan.nIntervalMs - kTimerTickMs, nullptr)) {
        std::strncpy(szStrikeSound, pszSound, sizeof(szStrikeSound) - 1);
        nStrikesLeft = plan.nTimes - 1;
    }
    return bStarted;
}

void StopStrikes()
{
    nStrikesLeft = 0;
    if (hStrikeWnd)
        KillTimer(hStrikeWnd, kStrikeTimerId);
}
