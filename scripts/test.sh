#!/usr/bin/env bash
# Runs every test: native unit tests (ASan + UBSan),
# then, for the 64-bit and the 32-bit Windows build each, the integration
# tests under Wine, the end-to-end tests of the real Trailglint.exe under Wine
# on a virtual display and the checks of the executable a release ships (the
# 64-bit one also built a second time elsewhere, to the same bytes).
# Installs what it needs first. Exit code 0 only when everything passed.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

logs=build/test-logs
mkdir -p "$logs"
failed=0

step() {  # step NAME COMMAND...: runs one step, keeps its log, never stops early
  local name=$1; shift
  echo "== $name"
  if "$@" 2>&1 | tee "$logs/$name.log"; then :; else failed=1; echo "== $name FAILED"; fi
}

step format bash scripts/check-format.sh
step native-build bash -c 'cmake --preset native >/dev/null && cmake --build --preset native'
step native-tests ctest --preset native
step mingw-build bash -c 'cmake --preset mingw >/dev/null && cmake --build --preset mingw'
step tidy bash scripts/check-tidy.sh build/mingw
step mingw-x86-build bash -c 'cmake --preset mingw-x86 >/dev/null && cmake --build --preset mingw-x86'
# The Wine tests make real windows: they get a virtual display of their own
# (the end-to-end tests start another one for themselves).
source scripts/xvfb.sh
tg_start_xvfb || failed=1
source scripts/wine-env.sh
step wine-and-e2e-tests ctest --preset mingw
if tg_runs_32bit; then
  step x86-wine-and-e2e-tests ctest --preset mingw-x86
else
  # Outside the project: a kernel without 32-bit emulation runs no 32-bit
  # program, Wine's included. The 32-bit exe is still built and checked.
  echo "== this machine runs no 32-bit programs ($(dmesg 2>/dev/null | grep -o '32-bit emulation disabled' | head -n 1))"
  step x86-wine-and-e2e-tests ctest --preset mingw-x86 -LE 'wine|e2e'
fi

# One closing line over all layers.
passed=0; broken=0
for log in "$logs/native-tests.log" "$logs/wine-and-e2e-tests.log" "$logs/x86-wine-and-e2e-tests.log"; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then broken=$((broken + 1)); failed=1; continue; fi
  total=${line##* out of }
  fails=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - fails)); broken=$((broken + fails))
done
echo "$passed passed, $broken failed"
exit $failed
