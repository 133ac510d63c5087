#!/usr/bin/env bash
# Checks a built Trailglint.exe against what a release promises: the right
# kind of PE file, at most 1 MB, only system DLLs imported, per-monitor DPI
# awareness in its manifest, and none of the
# given folders (the source and build folders) written into it.
# Usage: check-exe.sh EXE x64|x86 [FOLDER...]
set -euo pipefail
exe=$1 arch=$2
shift 2
case $arch in
  x64) kind='PE32+ executable (GUI) x86-64' objdump=x86_64-w64-mingw32-objdump ;;
  x86) kind='PE32 executable (GUI) Intel 80386' objdump=i686-w64-mingw32-objdump ;;
  *) echo "check-exe.sh: unknown architecture '$arch'" >&2; exit 2 ;;
esac

status=0
fail() { echo "$exe: $*" >&2; status=1; }

what=$(file -b "$exe")
[[ $what == "$kind"* ]] || fail "is '$what', not '$kind'"
size=$(stat -c %s "$exe")
[ "$size" -le 1048576 ] || fail "has $size bytes, more than 1 MB"
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:lower:]' '[:upper:]' | sort -u)
[ -n "$imports" ] || fail "imports nothing: not a program this check understands"
for dll in $imports; do
  case $dll in
    GDI32.DLL | KERNEL32.DLL | MSVCRT.DLL | SHELL32.DLL | USER32.DLL) ;;
    *) fail "imports $dll, which is not a system DLL it may use" ;;
  esac
done
grep -qaF '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor<' "$exe" ||
  fail "declares no per-monitor (v2) DPI awareness in its manifest"
for folder in "$@"; do
  if grep -qaF "$folder" "$exe"; then fail "holds the build path $folder"; fi
done

[ "$status" = 0 ] && echo "$exe: $what, $size bytes, imports" $imports
exit $status
