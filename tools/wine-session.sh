# Sourced by the test and run scripts: a private Xvfb display and a fresh private Wine prefix
# under build/wine/, started and stopped by the caller, never touching ~/.wine or a user's
# display. Each session has its own prefix, so runs side by side never meet in one wineserver
# (the suite's kernel objects, pipe and window titles are fixed names).

# win32 where this machine can run 32-bit Wine; win64 where the kernel cannot execute
# 32-bit code (the 64-bit build of the same sources is tested there instead).
wine_arch() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

wine_env() {  # wine_env ARCH ROOT
  WINE_ARCH=$1
  export WINEARCH=$1
  export WINEPREFIX=$2/build/wine/$1-$$
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$1" = win32 ]; then WINE=/usr/lib/wine/wine; else WINE=/usr/lib/wine/wine64; fi
  export WINELOADER=$WINE
  WINESERVER=/usr/lib/wine/wineserver
}

start_xvfb() {
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

start_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
  fi
  "$WINESERVER" -p >/dev/null 2>&1 || true
}

stop_session() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}
