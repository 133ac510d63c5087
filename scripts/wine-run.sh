#!/usr/bin/env bash
# Runs one Windows program under the project's Wine prefix (ctest uses this
# as the emulator for cross-compiled tests). The exit code is the program's.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
tg_prepare_wineprefix
exec wine "$@"
