# Sourced by the tools that run Windows programs under Wine: a private prefix with a virtual
# desktop, a Chinese locale (ANSI code page 936) and, without a display, a private Xvfb.
#   wine_start   sets DISPLAY, WINEPREFIX and friends, and prepares the prefix once
#   wine64 ...   runs a Windows program in the shared desktop; blocks until it ends
#   wine_stop    ends the prefix's wineserver and the Xvfb this shell started
root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver
WINE_XVFB_PID=

wine64() { "$WINE_LOADER" "$@"; }

wine_start() {
  local headless=${1:-auto}
  export WINEPREFIX=${WINEPREFIX:-$root_dir/build/wineprefix}
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8
  if [ "$headless" = yes ] || [ -z "${DISPLAY:-}" ]; then
    local display
    for display in $(seq 90 140); do
      [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ] && continue
      Xvfb :$display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      WINE_XVFB_PID=$!
      export DISPLAY=:$display
      break
    done
    local tries
    for tries in $(seq 50); do
      [ -e /tmp/.X11-unix/X${DISPLAY#:} ] && break
      sleep 0.1
    done
  fi
  if [ ! -f "$WINEPREFIX/.tessivar-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wine64 wineboot -i >/dev/null 2>&1
    # Wine's own virtual desktop makes every program share one desktop, with Wine managing
    # focus and activation as Windows does.
    wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINE_SERVER" -w
    touch "$WINEPREFIX/.tessivar-ready"
  fi
}

wine_stop() {
  "$WINE_SERVER" -k >/dev/null 2>&1 || true
  "$WINE_SERVER" -w >/dev/null 2>&1 || true
  if [ -n "$WINE_XVFB_PID" ]; then
    kill "$WINE_XVFB_PID" 2>/dev/null || true
    wait "$WINE_XVFB_PID" 2>/dev/null || true
    WINE_XVFB_PID=
  fi
}
