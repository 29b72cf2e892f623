#!/usr/bin/env bash
# Checks the shipped vespin.exe: PE32 for Windows GUI, importing only Windows system DLLs.
set -u
exe=$1
objdump="env LC_ALL=C i686-w64-mingw32-objdump"
ok=1
headers=$($objdump -p "$exe") || exit 1
grep -q 'file format pei-i386' <<<"$headers" || { echo "check-exe: $exe is not PE32" >&2; ok=0; }
grep -qE 'Subsystem\s+0+2\b' <<<"$headers" || { echo "check-exe: $exe is not a GUI program" >&2; ok=0; }
system='^(ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|SHELL32|USER32|WINMM|msvcrt)\.dll$'
while read -r dll; do
  grep -qiE "$system" <<<"$dll" || { echo "check-exe: $exe imports $dll" >&2; ok=0; }
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ "$ok" -eq 1 ] && echo "check-exe: $exe is a static PE32 GUI program ($(stat -c %s "$exe") bytes)"
[ "$ok" -eq 1 ]
