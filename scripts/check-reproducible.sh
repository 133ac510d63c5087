#!/usr/bin/env bash
# Builds the 64-bit Trailglint.exe a second time, from a copy of this source
# tree in another folder (a name of another length) with the same toolchain and
# preset, and fails unless it has the same bytes as the one given.
# Usage: check-reproducible.sh EXE WORKDIR
set -euo pipefail
exe=$(realpath "$1")
work=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)

copy=$work/another-source-folder
rm -rf "$work"
mkdir -p "$copy"
tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$copy" -xf -
cmake --preset mingw -S "$copy" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$copy/build/mingw" --target Trailglint >/dev/null
again=$copy/build/mingw/Trailglint.exe

bash "$root/scripts/check-exe.sh" "$again" x64 "$copy" "$root"
if ! cmp "$exe" "$again"; then
  echo "two builds of the same source differ: $exe and $again" >&2
  exit 1
fi
echo "the same $(stat -c %s "$exe") bytes from $root and from $copy (sha256 $(sha256sum <"$exe" | cut -c1-16)...)"
