// The url.dll path with its bounds, and the version the About texts show checked against the project's.
#include "about/about.h"

#include <cstring>

#include "vespin_version.h"

namespace {
constexpr bool SameText(const char *psz1, const char *psz2)
{
    return *psz1 == *psz2 && (*psz1 == '\0' || SameText(psz1 + 1, psz2 + 1));
}
}  // namespace

// The About box and the staff credits keep their text as written; the version they show
// comes from the CMake project like the version resource's, so the two cannot drift apart.
static_assert(SameText(ABOUT_VERSION, "Version " VESPIN_VERSION_SHOWN),
              "ABOUT_VERSION in about/about_strings.h disagrees with the project version in CMakeLists.txt");

int AppendBackslash(char *pszPath, size_t cbPath, LeadByteTest isLeadByte)
{
    const size_t cch = strnlen(pszPath, cbPath);
    if (cch == 0)
        return 1;
    if (cch == cbPath)
        return 0;  // not terminated within its buffer
    // Walk from the start: only a whole character tells whether the last 0x5C is a trail byte.
    bool bLastIsSeparator = false;
    for (size_t i = 0; i < cch;) {
        const unsigned char ch = static_cast<unsigned char>(pszPath[i]);
        if (isLeadByte(ch) && i + 1 < cch) {
            bLastIsSeparator = false;
            i += 2;
        } else {
            bLastIsSeparator = ch == '\\';
            i += 1;
        }
    }
    if (bLastIsSeparator)
        return 1;
    if (cch + 2 > cbPath)
        return 0;
    pszPath[cch] = '\\';
    pszPath[cch + 1] = '\0';
    return 1;
}

int MakeUrlDllPath(char *pszPath, size_t cbPath, unsigned int cchResult, LeadByteTest isLeadByte)
{
    static const char szFile[] = "url.dll";
    // 0 is a failed read; a result as large as the buffer is the size it would have needed.
    if (cchResult == 0 || cchResult >= cbPath)
        return 0;
    pszPath[cchResult] = '\0';
    if (!AppendBackslash(pszPath, cbPath, isLeadByte))
        return 0;
    const size_t cch = strlen(pszPath);
    if (cch + sizeof(szFile) > cbPath)
        return 0;
    memcpy(pszPath + cch, szFile, sizeof(szFile));
    return 1;
}
