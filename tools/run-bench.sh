#!/usr/bin/env bash
# Builds the Windows programs and runs every benchmark (bin/*_bench.exe) under Wine; each one
# prints its own figures.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/wine-session.sh
arch=$(wine_arch)
make -s "$arch" || exit 1
wine_env "$arch" "$root"
trap stop_session EXIT
start_xvfb && start_wine
for b in build/"$arch"/bin/*_bench.exe; do
  echo "== $(basename "$b" .exe)"
  (cd "$(dirname "$b")" && timeout 900 "$WINE" "$(basename "$b")")
done
