// Plays a signal's sound; a file's header is checked here, on the caller's thread, since the
// player fails later on its own where no failure reaches us.
#include "chime/sound_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "base/appinfo_win.h"
#include "base/wide_win.h"
#include "chime/wave.h"
#include "res/resource.h"

static PlaySoundCall pfnPlaySound = PlaySoundW;
static BeepCall pfnMessageBeep = MessageBeep;

void SetSoundCalls(PlaySoundCall pfnPlay, BeepCall pfnBeep)
{
    pfnPlaySound = pfnPlay ? pfnPlay : PlaySoundW;
    pfnMessageBeep = pfnBeep ? pfnBeep : MessageBeep;
}

static bool ReadAt(void *pContext, uint64_t offset, void *pBuffer, size_t cb)
{
    LARGE_INTEGER li;
    li.QuadPart = static_cast<LONGLONG>(offset);
    DWORD cbRead = 0;
    const HANDLE hFile = static_cast<HANDLE>(pContext);
    return SetFilePointerEx(hFile, li, nullptr, FILE_BEGIN) &&
           ReadFile(hFile, pBuffer, static_cast<DWORD>(cb), &cbRead, nullptr) && cbRead == cb;
}

bool ReadWaveFile(const char *pszPath, WaveInfo *pInfo)
{
    *pInfo = {};
    const HANDLE hFile = CreateFileW(WideText(pszPath), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    if (GetFileSizeEx(hFile, &size))
        *pInfo = CheckWaveHeader({hFile, static_cast<uint64_t>(size.QuadPart), ReadAt});
    CloseHandle(hFile);
    return pInfo->bPlayable != 0;
}

int PlayTimeSignal(const char *pszSound)
{
    WaveInfo info;
    BOOL bPlayed = FALSE;
    // The stored name is Shift-JIS, whatever the system's code page.
    const WideText name(pszSound);
    switch (ClassifySoundName(pszSound)) {
    case kSoundBuiltIn:
        bPlayed = pfnPlaySound(MAKEINTRESOURCEW(IDW_CHIME), AppInfo.hInstance, SND_RESOURCE | SND_ASYNC);
        break;
    // The player fails later, on its own thread, where no failure reaches us: a file is tried only
    // when its header is sane, and the beep stands in for one that cannot play.
    case kSoundFile: bPlayed = ReadWaveFile(pszSound, &info) && pfnPlaySound(name, nullptr, SND_ASYNC); break;
    case kSoundAlias: bPlayed = pfnPlaySound(name, nullptr, SND_ASYNC); break;
    }
    if (bPlayed)
        return 1;
    pfnMessageBeep(MB_OK);
    return 0;
}
