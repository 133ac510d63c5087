#!/usr/bin/env bash
# Fails when clang-tidy (.clang-tidy) finds anything in the program's sources:
# the .cpp files under app, pointer, tray, probe and platform (not the tests or
# the benchmarks), read with the flags of a MinGW build's compile database.
# Usage: bash scripts/check-tidy.sh BUILD_DIR   (e.g. build/mingw)
set -euo pipefail
build=$(realpath "${1:?usage: check-tidy.sh BUILD_DIR}")
cd "$(dirname "$0")/.."
# The compiler of the program's files, then the files.
mapfile -t found < <(python3 -c 'import json, re, shlex, sys
db = [e for e in json.load(open(sys.argv[1] + "/compile_commands.json"))
      if re.fullmatch(re.escape(sys.argv[2]) + r"/(app|pointer|tray|probe|platform)/.*\.cpp", e["file"])]
print("\n".join([shlex.split(db[0]["command"])[0]] + [e["file"] for e in db]) if db else "")' "$build" "$(pwd -P)")
[ "${#found[@]}" -gt 1 ] || { echo "tidy: no program source in $build/compile_commands.json" >&2; exit 1; }
cxx=${found[0]}
files=("${found[@]:1}")
triple=$("$cxx" -dumpmachine)
[[ $triple == *-mingw32 ]] || { echo "tidy: $build is not a MinGW build ($triple)" >&2; exit 1; }
# clang reads them as the cross compiler does: its target, its libstdc++ and the
# MinGW headers (the root of cmake/mingw-w64.cmake), never a host header.
args=(--quiet -p "$build" --extra-arg=--target="$triple" --extra-arg=--sysroot=/usr/"$triple")
for dir in $("$cxx" -xc++ -E -v /dev/null 2>&1 | sed -n 's|^ \(/.*/c++.*\)|\1|p'); do
  args+=(--extra-arg=-stdlib++-isystem"$dir")
done
# Two files at a time; clang's "N warnings generated." lines count only the
# system headers' warnings, which nothing shows.
printf '%s\0' "${files[@]}" | xargs -0 -n1 -P2 clang-tidy "${args[@]}" 2>&1 | { grep -v ' generated\.$' || true; }
echo "tidy: ok"
