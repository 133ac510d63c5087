#!/usr/bin/env bash
# Builds and runs the benchmarks: natively on the simulated desktop, and the
# Windows build under Wine (on a virtual display when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
cmake --preset mingw >/dev/null && cmake --build --preset mingw >/dev/null

echo "== simulated desktop (native)"
for b in startup_bench reshape_bench tracking_bench; do build/bench/bench/$b; done

echo "== Windows build under Wine"
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  tg_start_xvfb
fi
for b in startup_bench reshape_bench tracking_bench; do (cd build/mingw/bench && ../../../scripts/wine-run.sh ./$b.exe); done
