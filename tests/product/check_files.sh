#!/usr/bin/env bash
# check_files.sh OBJDUMP lornel.exe SkinH_EL.dll [lornel-editor.exe]: the shipped files as a school
# copies them, read without running them (so it holds on hosts where Wine
# cannot run 32-bit code): 32-bit PE, only Windows system DLLs imported, the
# library's export table, and the size with everything embedded.
set -uo pipefail
# objdump's words are matched below: not in the translation of the tests' locale.
export LC_ALL=C
objdump=$1 exe=$2 dll=$3 editor=${4:-}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The one list of the DLLs a bare Windows PC has, for both shipped files.
system_dlls=' kernel32.dll user32.dll gdi32.dll comctl32.dll shell32.dll msvcrt.dll advapi32.dll ole32.dll '
# Leaves objdump's account of the file in $dump.
check_pe32() {
  local file=$1
  dump=$("$objdump" -p "$file") || { fail "$file: not a PE file"; return; }
  grep -q 'file format pei-i386' <<<"$dump" || fail "$file: not a 32-bit x86 PE file"
  grep -q '^Magic.*(PE32)' <<<"$dump" || fail "$file: optional header is not PE32"
  local dll
  while read -r dll; do
    [[ $system_dlls == *" ${dll,,} "* ]] || fail "$file imports $dll, which a bare Windows PC lacks"
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
}

check_pe32 "$exe"
grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || fail "$exe is not a GUI program"
size=$(stat -c %s "$exe")
[ "$size" -le $((1536 * 1024)) ] || fail "$exe is $size bytes, more than 1.5 MB"

check_pe32 "$dll"
grep -qE '^Name\s+[0-9a-f]+ SkinH_EL\.dll$' <<<"$dump" || fail "$dll: export table does not name SkinH_EL.dll"
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[ *[0-9]*\] //p')
[ "$exports" = SkinH_AttachRes ] || fail "$dll exports '$exports' instead of SkinH_AttachRes alone"

if [ -n "$editor" ]; then
  check_pe32 "$editor"
  grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || fail "$editor is not a GUI program"
fi

[ "$failures" -eq 0 ] && echo "lornel.exe ($size bytes), SkinH_EL.dll${editor:+ and lornel-editor.exe}: 32-bit, system imports only"
exit $((failures > 0))
