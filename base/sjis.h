// Shift-JIS, the program's one text encoding: which bytes begin a two-byte character.
#pragma once

#include <cstddef>

// A lead byte's second byte may be 0x5C or a letter; it is never a character of its own.
inline bool IsShiftJisLeadByte(unsigned char ch)
{
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

// Bytes of the whole characters that begin psz, reading at most cbMax bytes and stopping at
// its NUL: a lead byte whose second byte is the NUL or lies past cbMax is left out.
inline size_t WholeCharacterBytes(const char *psz, size_t cbMax)
{
    size_t i = 0;
    while (i < cbMax && psz[i]) {
        const size_t cbChar = IsShiftJisLeadByte(static_cast<unsigned char>(psz[i])) ? 2 : 1;
        if (i + cbChar > cbMax || psz[i + cbChar - 1] == '\0')
            break;
        i += cbChar;
    }
    return i;
}
