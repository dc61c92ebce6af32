#!/usr/bin/env bash
# Builds the user manual: tools/build-manual.sh SKINS_DIR OUT_PDF
# The manual's pictures are the generated skin pictures, so SKINS_DIR is the folder skingen
# wrote. The sources are converted in a scratch folder where skins/ points at SKINS_DIR.
# WeasyPrint reports a missing picture or a bad style rule only as a log line and still
# writes a PDF; any such line fails the build here, since the sources produce none.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 SKINS_DIR OUT_PDF" >&2
  exit 2
fi
skins=$(realpath "$1")
out=$(realpath -m "$2")
sources=$(realpath "$(dirname "$0")/../docs/manual")

if [ ! -f "$skins/main_normal.jpg" ]; then
  echo "build-manual: no skin pictures in $skins (run skingen first)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sources"/* "$work/"
ln -s "$skins" "$work/skins"

rc=0
weasyprint "$work/manual.html" "$work/manual.pdf" 2>"$work/log" || rc=$?
if [ "$rc" -ne 0 ] || grep -qE '^(WARNING|ERROR|CRITICAL):' "$work/log" || [ ! -s "$work/manual.pdf" ]; then
  cat "$work/log" >&2
  echo "build-manual: converting docs/manual/manual.html failed" >&2
  exit 1
fi
mv "$work/manual.pdf" "$out"
