# Sourced by the scripts that run Windows programs under Wine. Sets up (once)
# and selects the project's private Wine prefix under build/.
# Usage: source scripts/wine-env.sh   (TG_WINEPREFIX chooses another prefix)
_tg_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${TG_WINEPREFIX:-$_tg_root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Whether this machine runs 32-bit programs at all (a kernel may be built or
# booted without 32-bit emulation): Wine's 32-bit loader tells.
tg_runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Without 32-bit emulation, Debian's wine and wineboot still start the 32-bit
# loader first; 64-bit programs run when wine is the 64-bit loader itself.
if [ -x /usr/lib/wine/wine64 ] && ! tg_runs_32bit; then
  mkdir -p "$_tg_root/build/wine64-only"
  for _tg_name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$_tg_root/build/wine64-only/$_tg_name"
    chmod +x "$_tg_root/build/wine64-only/$_tg_name"
  done
  case ":$PATH:" in *":$_tg_root/build/wine64-only:"*) ;; *) export PATH="$_tg_root/build/wine64-only:$PATH" ;; esac
  export WINELOADER=/usr/lib/wine/wine64
fi

tg_prepare_wineprefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.trailglint-ready-2" ]; then
      DISPLAY= wineboot -i >/dev/null 2>&1
      # The marker's face "ＭＳ ゴシック" is drawn with IPAGothic, which has
      # all eight glyphs (the value name needs a UTF-8 locale to survive).
      LC_ALL=C.UTF-8 DISPLAY= wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
      # Menus and message boxes are drawn in Tahoma, which has no Japanese:
      # link IPAGothic behind it, as Windows links its Japanese UI font.
      DISPLAY= wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.trailglint-ready-2"
    fi
  ) 9>"$WINEPREFIX.lock"
}
