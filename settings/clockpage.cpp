// The wave file paths of the Clock page: cut on whole characters, and the folder of a picked file.
#include "settings/clockpage.h"

// Copies at most cbSrc bytes of pszSrc, whole characters only, into cbDest bytes.
static void CopyCharacters(char *pszDest, size_t cbDest, const char *pszSrc, size_t cbSrc)
{
    const size_t cb = WholeCharacterBytes(pszSrc, cbSrc < cbDest - 1 ? cbSrc : cbDest - 1);
    for (size_t i = 0; i < cb; ++i)
        pszDest[i] = pszSrc[i];
    pszDest[cb] = '\0';
}

void CopyPathCut(char *pszDest, size_t cbDest, const char *pszSrc)
{
    CopyCharacters(pszDest, cbDest, pszSrc, static_cast<size_t>(-1));
}

void FolderOfFile(char *pszDest, size_t cbDest, const char *pszPath)
{
    size_t cbFolder = 0;
    bool found = false;
    for (size_t i = 0; pszPath[i];) {
        if (pszPath[i] == '\\') {
            cbFolder = i;
            found = true;
        }
        i += IsShiftJisLeadByte(static_cast<unsigned char>(pszPath[i])) && pszPath[i + 1] ? 2 : 1;
    }
    // "C:\x.wav": the root keeps its backslash, or it would name the drive's current folder.
    if (found && cbFolder == 2 && pszPath[1] == ':')
        cbFolder = 3;
    CopyCharacters(pszDest, cbDest, pszPath, cbFolder);
}
