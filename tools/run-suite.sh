#!/usr/bin/env bash
# Starts the suite from its program folder: the virtual mouse, Monitor linked to it, and Option
# when it is there. On $DISPLAY when one is set (the suite then runs until Monitor ends), else on
# a private Xvfb, where a screenshot is saved and everything is stopped again.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/wine-session.sh

arch=$(wine_arch)
folder=$root/dist
if [ "$arch" = win64 ]; then
  # This machine cannot run the 32-bit programs: run the 64-bit build of the same folder.
  make -s win64 || exit 1
  folder=$root/build/dist-win64
  rm -rf "$folder"
  cmake --install build/win64 --prefix "$folder" >/dev/null || exit 1
  cp -r dist/skins "$folder/"
  cp "dist/User Manual.pdf" "$folder/"
fi

wine_env "$arch" "$root"
own_display=0
if [ -z "${DISPLAY:-}" ]; then
  own_display=1
  start_xvfb || exit 1
fi
trap stop_session EXIT
start_wine

export USBGATE_BACKEND=virtual
cd "$folder"
"$WINE" vmouse.exe >/dev/null 2>&1 &
sleep 2
"$WINE" Monitor.exe 1 >/dev/null 2>&1 &
echo "Monitor runs with the virtual mouse (display $DISPLAY, program folder $folder)"

if [ "$own_display" = 1 ]; then
  sleep 10
  shot=$root/build/suite.png
  import -display "$DISPLAY" -window root "$shot" && echo "screenshot: $shot"
else
  echo "exit Monitor from its tray menu to end"
  wait
fi
