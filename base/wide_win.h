// The program's Shift-JIS text handed to Windows as UTF-16, and back: always by code page 932,
// never by the system's, so the text reads right on a Windows of any language.
#pragma once

#include <windows.h>

// Code page 932: Shift-JIS as Windows knows it.
constexpr UINT kShiftJisCodePage = 932;

// Converts a NUL-terminated Shift-JIS text for the W functions; an unconvertible or overlong text
// gives what fits, always terminated.
class WideText {
public:
    explicit WideText(const char *psz);
    WideText(const WideText &) = delete;
    WideText &operator=(const WideText &) = delete;
    operator LPCWSTR() const { return sz_; }
    LPCWSTR get() const { return sz_; }

private:
    WCHAR sz_[1024];
};

// Converts UTF-16 text into a Shift-JIS buffer of cb bytes. False, with an empty buffer, when a
// character has no Shift-JIS form or the text does not fit: nothing is stored half-converted.
bool ToShiftJis(LPCWSTR pszWide, char *psz, int cb);
