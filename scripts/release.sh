#!/usr/bin/env bash
# Makes the release a suite's installer takes: the 32-bit ORVENTLancher.exe
# as it ships (the win32 preset: i686-w64-mingw32, static runtime, stripped),
# checked, signed when a certificate is given, packed in build/release/:
#   ORVENT-Selector-VERSION-win32.zip          ORVENTLancher.exe, README.txt,
#                                              CHANGELOG.md, NOTICE.txt
#   ORVENT-Selector-VERSION-win32-symbols.zip  ORVENTLancher.debug, README.txt
#   SHA256SUMS                                 both archives', for sha256sum -c
# VERSION is project(VERSION) of CMakeLists.txt. The same commit gives the
# same bytes, whoever builds it, wherever and whenever: every time stamp is
# the last commit's (SOURCE_DATE_EPOCH, unless it is set), the symbols name
# the sources relative to the clone, the archives' dates, order and file
# attributes are fixed.
#
#   bash scripts/release.sh [--verify]
#
# --verify  builds the release a second time, from a copy of the clone's
#           files in /tmp, and compares every file of build/release/ with
#           the second build's; it fails naming the first file that differs.
# With ORVENT_SIGN_PKCS12 (a .p12 file: the code-signing certificate and its
# key) and ORVENT_SIGN_PASSWORD (its password) in the environment, the
# executable is signed with Authenticode before it is packed, time-stamped
# by ORVENT_SIGN_TIMESTAMP_URL when one is named. The package as it was
# before signing stays in build/release-work/unsigned/; --verify compares
# that one, as only the holder of the key can make the signature.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

verify=0
case ${1:-} in
  --verify) verify=1 ;;
  "") ;;
  *) echo "usage: bash scripts/release.sh [--verify]" >&2 && exit 2 ;;
esac

fail() {
  echo "release: $*" >&2
  exit 1
}

bash scripts/install-deps.sh || fail "the packages above are missing"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || fail "the time of the last commit is not known: run it in a clone"
fi
export SOURCE_DATE_EPOCH

work=$root/build/release-work
out=$root/build/release
build=$work/win32
rm -rf "$work" "$out"
mkdir -p "$work" "$out"
echo "Building the 32-bit program as it ships (a minute or two)..."
log=$work/build.log
{ cmake --preset win32 -B "$build" -DORVENT_TESTS=OFF && cmake --build "$build" -j2 --target ORVENTLancher; } \
  >"$log" 2>&1 || { tail -n 30 "$log" >&2; fail "the build failed (whole log: $log)"; }
exe=$build/ORVENTLancher.exe
version=$(cat "$build/version.txt")
name=ORVENT-Selector-$version-win32

python3 scripts/release_files.py ready "$exe"
python3 tests/pe/check_exe.py "$exe" i386 "$version" >"$work/check.log" ||
  { cat "$work/check.log" >&2; fail "the executable's check failed"; }

# What goes beside the program and beside its symbols.
files=$work/files
mkdir -p "$files/program" "$files/symbols"
sed "s/@VERSION@/$version/" package/README.txt >"$files/program/README.txt"
cp CHANGELOG.md "$files/program/"
notice() {
  local mingw=mingw-w64-i686-dev gcc=gcc-mingw-w64-i686-posix
  sed -e "s/@MINGW@/$(dpkg-query -W -f='${Version}' $mingw)/" \
    -e "s/@GCC@/$(dpkg-query -W -f='${Version}' $gcc)/" package/NOTICE.txt
  for package in $mingw $gcc; do
    printf '\n\n==== The notice of %s (its copyright file) ====\n\n' "$package"
    cat "/usr/share/doc/$package/copyright"
  done
}
notice >"$files/program/NOTICE.txt"
{
  echo "Symbols of ORVENTLancher.exe $version"
  # The README's steps, from their heading to the next section's.
  sed -n '/^### Crash addresses/,/^## /{/^#/d;p}' README.md
} >"$files/symbols/README.txt"
cp "$build/ORVENTLancher.debug" "$files/symbols/"

# pack EXE FOLDER: both archives and their sums in the folder.
pack() {
  mkdir -p "$2"
  python3 scripts/release_files.py zip "$2/$name.zip" "$1" "$files/program/README.txt" \
    "$files/program/CHANGELOG.md" "$files/program/NOTICE.txt"
  python3 scripts/release_files.py zip "$2/$name-symbols.zip" "$files/symbols/ORVENTLancher.debug" \
    "$files/symbols/README.txt"
  (cd "$2" && sha256sum "$name.zip" "$name-symbols.zip" >SHA256SUMS)
}

pack "$exe" "$work/unsigned"
if [ -n "${ORVENT_SIGN_PKCS12:-}" ] && [ -n "${ORVENT_SIGN_PASSWORD:-}" ]; then
  [ -f "$ORVENT_SIGN_PKCS12" ] || fail "ORVENT_SIGN_PKCS12 names no file: $ORVENT_SIGN_PKCS12"
  # The password goes to osslsigncode in a file, not on its command line.
  (umask 077 && printf '%s' "$ORVENT_SIGN_PASSWORD" >"$work/password")
  sign=(sign -pkcs12 "$ORVENT_SIGN_PKCS12" -readpass "$work/password" -h sha256
    -n "ORVENT Project Selector")
  [ -z "${ORVENT_SIGN_TIMESTAMP_URL:-}" ] || sign+=(-ts "$ORVENT_SIGN_TIMESTAMP_URL")
  mkdir -p "$work/signed"
  osslsigncode "${sign[@]}" -in "$exe" -out "$work/signed/ORVENTLancher.exe" >"$work/sign.log" 2>&1 ||
    { rm -f "$work/password"; cat "$work/sign.log" >&2; fail "signing failed"; }
  rm -f "$work/password"
  pack "$work/signed/ORVENTLancher.exe" "$out"
  echo "Signed with the certificate in $ORVENT_SIGN_PKCS12${ORVENT_SIGN_TIMESTAMP_URL:+, time-stamped by $ORVENT_SIGN_TIMESTAMP_URL}."
else
  cp "$work/unsigned/"* "$out/"
  echo "Not signed: ORVENT_SIGN_PKCS12 and ORVENT_SIGN_PASSWORD are not both set."
fi

if [ "$verify" -eq 1 ]; then
  second=$(mktemp -d /tmp/orvent-release-XXXXXX)
  echo "Building the release again in $second, from the same files, to compare:"
  # The clone's files as they are, changes not yet committed among them,
  # without what git ignores (build/).
  git ls-files -z --cached --others --exclude-standard |
    tar -c --null -T - --ignore-failed-read 2>/dev/null | tar -x -C "$second"
  (cd "$second" && env -u ORVENT_SIGN_PKCS12 -u ORVENT_SIGN_PASSWORD bash scripts/release.sh) 2>&1 |
    sed 's/^/  /' || fail "the second build failed"
  for file in $( (ls "$work/unsigned" && ls "$second/build/release") | sort -u); do
    cmp -s "$work/unsigned/$file" "$second/build/release/$file" ||
      fail "not reproducible: $file differs from the second build's, in $second/build/release"
  done
  rm -rf "$second"
  echo "Reproducible: every file is the same, byte for byte, from the second build."
fi

echo "In build/release/:"
(cd "$out" && for file in "$name.zip" "$name-symbols.zip" SHA256SUMS; do
  echo "  $file  $(stat -c %s "$file") bytes"
done)
sed 's/^/  /' "$out/SHA256SUMS"
