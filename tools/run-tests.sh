#!/usr/bin/env bash
# Builds everything, runs the native tests and the Windows tests under Wine, and ends with
# one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/wine-session.sh

arch=$(wine_arch)
make -s native win32 dist || exit 1
[ "$arch" = win64 ] && { make -s win64 || exit 1; }
[ "$arch" = win64 ] && echo "note: this kernel cannot run 32-bit programs; testing the 64-bit build under Wine"

results=$root/build/test-results
rm -rf "$results" && mkdir -p "$results"
started=$(date +%s)

for t in build/native/bin/*_tests; do
  echo "== native $(basename "$t")"
  "$t" --gtest_output=xml:"$results/native-$(basename "$t").xml"
done

wine_env "$arch" "$root"
trap stop_session EXIT
start_xvfb && start_wine
for t in build/"$arch"/bin/*_tests.exe; do
  name=$(basename "$t" .exe)
  echo "== wine $name"
  (cd "$(dirname "$t")" && timeout 600 "$WINE" "$name.exe" \
     --gtest_output=xml:"$(winepath -w "$results/wine-$name.xml" 2>/dev/null || echo "Z:$results/wine-$name.xml")")
done
stop_session

# Count from the XML reports; a test program that died without one counts as one failure.
passed=0; failed=0
for t in build/native/bin/*_tests build/"$arch"/bin/*_tests.exe; do
  name=$(basename "$t" .exe)
  case "$t" in *.exe) xml=$results/wine-$name.xml ;; *) xml=$results/native-$name.xml ;; esac
  if [ ! -s "$xml" ]; then failed=$((failed + 1)); echo "no report from $t"; continue; fi
  total=$(grep -o -m1 '<testsuites [^>]*' "$xml" | grep -o ' tests="[0-9]*"' | grep -o '[0-9]*')
  fails=$(grep -o -m1 '<testsuites [^>]*' "$xml" | grep -o ' failures="[0-9]*"' | grep -o '[0-9]*')
  skipped=$(grep -c 'result="skipped"' "$xml")
  passed=$((passed + total - fails - skipped)); failed=$((failed + fails))
done
echo "tests took $(( $(date +%s) - started )) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
