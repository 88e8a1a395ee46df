#!/usr/bin/env bash
# Runs every test tier from a clean clone (Debian 12, as root):
#   1. native unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
#   2. bounded fuzzing of the readers (when clang is present)
#   3. the 32-bit ORVENTLancher.exe that ships: built and checked
#   4. the 64-bit build: the same unit tests plus the Win32 ones under wine64
#   5. end-to-end journeys of the real program under wine64
# and closes with one line "N passed, N failed" over all of them.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh || exit 1
. scripts/wine-env.sh

logs="$root/build/logs"
mkdir -p "$logs"
passed=0
failed=0
status=0

# Adds the counts of a GoogleTest (or check script) log to the totals.
count() {
  local lines p f
  # ctest -V puts "N: " before the lines of its tests.
  lines=$(sed -E 's/^[0-9]+: //; s/\r$//' "$1")
  p=$(grep -aE '^\[  PASSED  \] [0-9]+ test' <<<"$lines" | awk '{s+=$4} END {print s+0}')
  f=$(grep -aE '^\[  FAILED  \] [0-9]+ test' <<<"$lines" | awk '{s+=$4} END {print s+0}')
  # Check scripts close with "N passed, N failed" (maybe after "word: ").
  local plain
  plain=$(sed -nE 's/^([A-Za-z0-9-]+: )?([0-9]+) passed, ([0-9]+) failed$/\2 \3/p' <<<"$lines" | tail -1)
  if [ -n "$plain" ]; then
    p=$((p + ${plain% *}))
    f=$((f + ${plain#* }))
  fi
  passed=$((passed + p))
  failed=$((failed + f))
}

tier() {
  local name=$1
  shift
  local start=$SECONDS
  echo "== $name"
  if "$@" > "$logs/$name.log" 2>&1; then
    echo "   ok ($((SECONDS - start)) s)"
  else
    echo "   FAILED ($((SECONDS - start)) s); the end of $logs/$name.log:"
    tail -n 40 "$logs/$name.log"
    status=1
    failed=$((failed + 1))
  fi
  count "$logs/$name.log"
  grep -aE '^\[  FAILED  \] [A-Za-z]|^FAILED ' "$logs/$name.log" | sort -u | sed 's/^/   /'
}

native() {
  cmake --preset native && cmake --build --preset native &&
    ctest --preset native -V
}

fuzz() {
  if [ -x scripts/fuzz.sh ] && command -v clang++ >/dev/null; then
    scripts/fuzz.sh "${ORVENT_FUZZ_SECONDS:-30}"
  else
    echo "clang is not present: fuzzing skipped"
  fi
}

windows32() {
  cmake --preset win32 && cmake --build --preset win32 --target ORVENTLancher &&
    python3 tests/pe/check_exe.py build/win32/ORVENTLancher.exe i386 "$(cat build/win32/version.txt)"
}

wine_unit() {
  cmake --preset win64 && cmake --build --preset win64 &&
    python3 tests/pe/check_exe.py build/win64/ORVENTLancher.exe amd64 "$(cat build/win64/version.txt)" || return 1
  ORVENT_FORCE_XVFB=1 orvent_start_display || return 1
  orvent_wine_env "$root/build/win64/wineprefix"
  local data rc=0 exe
  data=$(winepath -w "$root/tests/data")
  for exe in build/win64/tests/orvent_core_tests.exe build/win64/tests/orvent_win32_tests.exe; do
    ORVENT_TEST_DATA="$data" timeout 600 wine "$exe" || rc=1
  done
  orvent_stop_wine
  return $rc
}

end_to_end() {
  ORVENT_SCREENSHOTS="$root/build/screenshots" scripts/e2e.sh "$root/build/win64"
}

tier native native
tier fuzz fuzz
tier windows32 windows32
tier wine-unit wine_unit
tier end-to-end end_to_end

echo "$passed passed, $failed failed"
exit $status
