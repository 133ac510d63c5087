#!/usr/bin/env bash
# Builds the 64-bit and the 32-bit Trailglint.exe from clean build folders
# (build/release-x64, build/release-x86) and writes the portable zips and
# their checksums:
#   dist/Trailglint-<version>-win-x64.zip
#   dist/Trailglint-<version>-win-x86.zip
#   dist/SHA256SUMS
# The version is the project's (CMakeLists.txt). The same commit gives the
# same bytes in any folder on any day: the zips' entries are dated by the
# commit (or SOURCE_DATE_EPOCH when it is set).
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

bash scripts/install-deps.sh
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
  echo "note: the tree has uncommitted changes; the zips are built from them" >&2
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)}

declare -A preset=([x64]=mingw [x86]=mingw-x86)
for arch in x64 x86; do
  dir=build/release-$arch
  rm -rf "$dir"
  cmake --preset "${preset[$arch]}" -B "$dir" -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$dir" --target Trailglint
  bash scripts/check-exe.sh "$dir/Trailglint.exe" "$arch" "$PWD"
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release-x64/CMakeCache.txt)
[ -n "$version" ] || { echo "no project version in build/release-x64/CMakeCache.txt" >&2; exit 1; }
rm -rf dist
mkdir dist
zips=()
for arch in x64 x86; do
  zips+=("Trailglint-$version-win-$arch.zip")
  python3 scripts/package-release.py "$version" "build/release-$arch/Trailglint.exe" "dist/${zips[-1]}"
done
(cd dist && sha256sum "${zips[@]}" >SHA256SUMS)
echo "== dist/"
cat dist/SHA256SUMS
