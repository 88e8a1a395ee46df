#!/usr/bin/env bash
# The project's own checks on its sources, runnable alone:
#   format  clang-format --dry-run --Werror on every tracked .cpp and .h
#   tidy    clang-tidy with the root .clang-tidy on every source the native
#           build compiles (its compile_commands.json; configured if missing)
# With no argument both run. Closes with "lint: N passed, N failed", one
# for each file checked; any finding fails it.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
what=${1:-all}
passed=0
failed=0

if [ "$what" = all ] || [ "$what" = format ]; then
  while IFS= read -r file; do
    if clang-format --dry-run --Werror "$file"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done < <(git ls-files '*.cpp' '*.h')
fi

if [ "$what" = all ] || [ "$what" = tidy ]; then
  commands=build/native/compile_commands.json
  if [ ! -f "$commands" ]; then
    cmake --preset native >/dev/null || exit 1
  fi
  # The project's own sources; GoogleTest's are compiled too but not checked.
  files=$(python3 -c '
import json, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].startswith(sys.argv[2] + "/"):
        print(entry["file"])' "$commands" "$root" | sort)
  out=$(mktemp -d)
  # Two at a time; each file's findings in a log of its own.
  for file in $files; do
    echo "$file"
  done | xargs -P 2 -I{} sh -c 'clang-tidy -p build/native --quiet "$1" > "$2/$(echo "$1" | tr / _).log" 2>&1' _ {} "$out"
  for file in $files; do
    log="$out/$(echo "$file" | tr / _).log"
    if grep -qE '(warning|error): ' "$log"; then
      failed=$((failed + 1))
      grep -vE '^[0-9]+ warnings? (generated|treated)|^Suppressed|^Use -header-filter|^Error while processing|^Found compiler error' "$log"
    else
      passed=$((passed + 1))
    fi
  done
  rm -rf "$out"
fi

echo "lint: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
