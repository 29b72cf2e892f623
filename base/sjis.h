// Shift-JIS, the program's one text encoding: which bytes begin a two-byte character.
#pragma once

// A lead byte's second byte may be 0x5C or a letter; it is never a character of its own.
inline bool IsShiftJisLeadByte(unsigned char ch)
{
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}
