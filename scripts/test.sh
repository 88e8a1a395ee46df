#!/usr/bin/env bash
# Runs every test tier from a clean clone (Debian 12; a first run installs
# what is missing, which takes root, as scripts/install-deps.sh says):
#   1. native unit tests with AddressSanitizer and UndefinedBehaviorSanitizer
#   2. the sources' format (clang-format) and clang-tidy's checks on what the
#      native build compiles (scripts/lint.sh, which runs alone too)
#   3. bounded fuzzing of the readers (when clang is present)
#   4. the 32-bit build: ORVENTLancher.exe as it ships, checked, and the tests
#   5. the 64-bit build of the same, and the Visual Studio build's set-up
#      checked with LLVM's MSVC-compatible tools
#   6. for each build, the unit tests and the Win32 tests under wine
#   7. for each build, end-to-end journeys of the real program under wine
#   8. the release (scripts/release-test.sh): scripts/release.sh --verify
#      signing with a throwaway certificate, the signature checked, and the
#      executables taken out of the package started under wine
#   9. the demonstration (scripts/run.sh without a display), which makes the
#      README's pictures in build/screenshots
# and closes with one line "N passed, N failed, N skipped" over all of them.
# Without wine32 (no i386 packages) the 32-bit wine tiers are skipped.
# Each tier says what it does before it starts; its output goes to build/logs.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh || exit 1
. scripts/wine-env.sh

logs="$root/build/logs"
mkdir -p "$logs"
passed=0
failed=0
skipped=0
status=0
# Every wine tier shares one prefix; it runs both builds.
export ORVENT_WINEPREFIX="$root/build/wineprefix"

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

# tier NAME WHAT COMMAND...
tier() {
  local name=$1 what=$2
  shift 2
  local start=$SECONDS
  echo "== $name: $what..."
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
  cmake --preset win32 && cmake --build --preset win32 &&
    python3 tests/pe/check_exe.py build/win32/ORVENTLancher.exe i386 "$(cat build/win32/version.txt)"
}

windows64() {
  cmake --preset win64 && cmake --build --preset win64 &&
    python3 tests/pe/check_exe.py build/win64/ORVENTLancher.exe amd64 "$(cat build/win64/version.txt)"
}

# The unit tests and the Win32 tests of one build (win32 or win64).
wine_unit() {
  ORVENT_FORCE_XVFB=1 orvent_start_display || return 1
  orvent_wine_env "$ORVENT_WINEPREFIX"
  local data rc=0 exe
  data=$(winepath -w "$root/tests/data")
  for exe in "build/$1/tests/orvent_core_tests.exe" "build/$1/tests/orvent_win32_tests.exe"; do
    ORVENT_TEST_DATA="$data" timeout 600 wine "$exe" || rc=1
  done
  orvent_stop_wine
  return $rc
}

end_to_end() {
  scripts/e2e.sh "$root/build/$1"
}

# The demonstration as run.sh gives it without a display, with every picture;
# each picture is a step of it that worked.
demonstration() {
  env -u DISPLAY bash scripts/run.sh --pictures "$root/build/screenshots" || return 1
  echo "demonstration: $(grep -c ': /' "$logs/demonstration.log") passed, 0 failed"
}

# A tier of the 32-bit build under wine, or one line saying why it cannot run.
wine32_tier() {
  if orvent_have_wine32; then
    tier "$@"
  else
    echo "== $1: skipped, wine32 (i386) is not installed"
    skipped=$((skipped + 1))
  fi
}

tier native "building and running the native unit tests (ASan, UBSan)" native
tier format "checking the format of the sources (clang-format)" bash scripts/lint.sh format
tier tidy "checking the native build's sources with clang-tidy" bash scripts/lint.sh tidy
tier fuzz "fuzzing the readers" fuzz
tier windows32 "building the 32-bit program and its tests (a first build takes minutes)" windows32
tier windows64 "building the 64-bit program and its tests" windows64
tier msvc "checking the Visual Studio build with LLVM's tools" bash scripts/msvc-check.sh
echo "Starting wine..."
(ORVENT_FORCE_XVFB=1 orvent_start_display && orvent_wine_env "$ORVENT_WINEPREFIX"; orvent_stop_wine)
tier wine-unit-64 "the unit and Win32 tests of the 64-bit build under wine" wine_unit win64
wine32_tier wine-unit-32 "the unit and Win32 tests of the 32-bit build under wine" wine_unit win32
# The journeys' own pictures, at each DPI, beside the README's.
ORVENT_SCREENSHOTS="$root/build/screenshots/journeys" tier end-to-end-64 \
  "the journeys of the 64-bit program under wine, at four DPIs (several minutes)" end_to_end win64
wine32_tier end-to-end-32 "the journeys of the 32-bit program under wine, at four DPIs" end_to_end win32
tier release "the release package, built twice, signed and started under wine" bash scripts/release-test.sh
tier demonstration "the demonstration without a display, and the README's pictures" demonstration

echo "$passed passed, $failed failed, $skipped skipped"
exit $status
