#!/usr/bin/env bash
# The Visual Studio build, checked from Linux with LLVM's MSVC-compatible
# tools (clang-cl, lld-link, llvm-rc). Without the Windows SDK nothing links
# here, so it checks what can go wrong before that:
#   1. CMake configures an x86 MSVC build where no GoogleTest can be found
#   2. every compile line takes the static runtime (/MT), none the DLL one
#   3. llvm-rc compiles res/orvent.rc (against the MinGW-w64 headers)
#   4. the program's sources call nothing that MSVC deprecates (C4996), as
#      clang-cl sees them through the MinGW-w64 headers' MSVC warnings
# Prints one line per check and closes with "msvc: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/msvc-check

# A tool by its plain name, else the newest of LLVM's versioned folders.
find_tool() {
  command -v "$1" 2>/dev/null || ls /usr/lib/llvm-*/bin/"$1" 2>/dev/null | sort -V | tail -1
}
cl=$(find_tool clang-cl)
link=$(find_tool lld-link)
rc=$(find_tool llvm-rc)
mingw=/usr/share/mingw-w64/include
stdcxx=$(ls -d /usr/lib/gcc/i686-w64-mingw32/*-posix/include/c++ 2>/dev/null | sort -V | tail -1)
if [[ -z $cl || -z $link || -z $rc || ! -d $mingw || -z $stdcxx ]]; then
  echo "msvc: skipped, it needs clang-cl, lld-link, llvm-rc and the MinGW-w64 headers"
  exit 0
fi

passed=0
failed=0
check() {
  if [[ $2 == 0 ]]; then
    echo "ok     $1"
    passed=$((passed + 1))
  else
    echo "FAILED $1"
    failed=$((failed + 1))
  fi
}

rm -rf "$build"
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86 \
  -DCMAKE_C_COMPILER="$cl" -DCMAKE_CXX_COMPILER="$cl" -DCMAKE_LINKER="$link" -DCMAKE_RC_COMPILER="$rc" \
  -DCMAKE_C_COMPILER_TARGET=i686-pc-windows-msvc -DCMAKE_CXX_COMPILER_TARGET=i686-pc-windows-msvc \
  -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DCMAKE_BUILD_TYPE=Release \
  -DORVENT_GTEST_SOURCE=/nonexistent -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$build.log" 2>&1
configured=$?
grep -q "No GoogleTest" "$build.log" || configured=1
check "configured with $(basename "$cl"), $(basename "$link"), $(basename "$rc"), no GoogleTest (tests left out)" \
  $configured

flags=$(find "$build" -name flags.make -exec grep -hE '^(C|CXX)_FLAGS' {} + 2>/dev/null)
lines=$(grep -c . <<<"$flags")
static=$(grep -cE '[-/]MT( |$)' <<<"$flags")
dll=$(grep -cE '[-/]MDd?( |$)' <<<"$flags")
check "static runtime: $static of $lines compile lines with /MT, $dll with /MD" \
  $([[ $lines -gt 0 && $static == "$lines" && $dll == 0 ]] && echo 0 || echo 1)

"$rc" /I "$build/generated" /I "$mingw" /D WIN32 /fo "$build/orvent.res" res/orvent.rc >"$build-rc.log" 2>&1
python3 - "$build/orvent.res" "$(cat "$build/version.txt" 2>/dev/null)" <<'EOF'
import sys
res = open(sys.argv[1], "rb").read()
sys.exit(0 if sys.argv[2] and sys.argv[2].strip().encode("utf-16-le") in res and b"asInvoker" in res else 1)
EOF
check "llvm-rc compiles res/orvent.rc (version and manifest in the .res)" $?

# The include roots of every layer, the version header, the program's
# definitions; MinGW's headers give their MSVC deprecations with
# __MINGW_MSVC_COMPAT_WARNINGS and need _X86_ and a GNU version to parse.
includes=(-I"$build/generated")
for root in "$build"/include/*; do includes+=(-I"$root"); done
git ls-files 'namelist/*.cpp' 'platform/*.cpp' 'project/*.cpp' 'history/*.cpp' 'launch/*.cpp' 'selector/*.cpp' \
  'ui/*.cpp' 'app/*.cpp' 'demo/*.cpp' |
  xargs -P2 -n4 "$cl" --target=i686-pc-windows-msvc /clang:-fsyntax-only /clang:-ferror-limit=0 \
    /clang:-fgnuc-version=12 -D_X86_=1 -D__MINGW_MSVC_COMPAT_WARNINGS \
    "-D__MINGW_IMPORT=extern __declspec(dllimport)" /std:c++17 /W4 /EHsc /utf-8 \
    -DWIN32 -D_WINDOWS -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 \
    /imsvc "$stdcxx" /imsvc "$stdcxx/i686-w64-mingw32" /imsvc "$mingw" "${includes[@]}" \
    >"$build-c4996.log" 2>&1
# MinGW marks memcpy too, which MSVC deprecates only on request.
found=$(grep 'is deprecated' "$build-c4996.log" | grep -v '^/usr/' | grep -v "'memcpy'")
deprecated=$(grep -c . <<<"$found")
check "no call that MSVC deprecates in the program's sources ($deprecated found)" "$deprecated"
[[ -z $found ]] || sed 's/^/       /' <<<"$found"

echo "msvc: $passed passed, $failed failed"
[[ $failed == 0 ]]
