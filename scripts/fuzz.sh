#!/usr/bin/env bash
# Builds the libFuzzer target with clang (ASan, UBSan) and runs it for a
# bounded time. Usage: scripts/fuzz.sh [seconds, default 30]
set -euo pipefail

seconds="${1:-30}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"

clangxx="$(command -v clang++-14 || command -v clang++ || true)"
if [[ -z "$clangxx" ]]; then
  echo "fuzz.sh: clang++ not found; nothing fuzzed" >&2
  exit 0
fi

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="$clangxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

# The targets hand each input to the readers as a file: keep those in memory.
scratch_root=/tmp
[[ -d /dev/shm && -w /dev/shm ]] && scratch_root=/dev/shm
TMPDIR="$(mktemp -d "$scratch_root/orvent_fuzz.XXXXXX")"
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
ok=0
bad=0
for name in history_load; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/tests/data"
  log="$build/$name.log"
  if (cd "$build" && "./fuzz_$name" "$corpus" "$seeds" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1) >"$log" 2>&1; then
    runs="$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$log" | tail -1)"
    read -r count secs <<<"${runs:-0 0}"
    rate=$(( secs > 0 ? count / secs : count ))
    printf '%-16s %10s runs in %4s s  (%s exec/s)  ok\n' "$name" "$count" "$secs" "$rate"
    ok=$((ok + 1))
  else
    printf '%-16s FAILED, see %s\n' "$name" "$log"
    status=1
    bad=$((bad + 1))
  fi
done
echo "fuzz: $ok passed, $bad failed"
exit "$status"
