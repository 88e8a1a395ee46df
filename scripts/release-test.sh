#!/usr/bin/env bash
# The release tier, runnable alone: the package is what was tested. With a
# throwaway self-signed certificate that it makes (openssl), it
#   1. runs scripts/release.sh --verify, signing: the second build, unsigned,
#      says so in one line and gives the bytes of the first before signing
#   2. checks the sums (sha256sum -c) and what each archive holds
#   3. verifies the signature against the certificate, and that the signed
#      executable with its signature removed is the unsigned one
#   4. starts the unsigned and the signed executable, each taken out of its
#      zip, under wine in a fresh program folder with the demonstration's
#      member applications (scripts/e2e.sh with the win32 build's driver):
#      the first window comes, the history is made, a row starts, and the
#      about box shows the version
# Prints one line per check, closing with "release: N passed, N failed".
# It leaves build/release/ with the unsigned package.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/wine-env.sh

passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok     $what"
    passed=$((passed + 1))
  else
    echo "FAILED $what"
    failed=$((failed + 1))
  fi
}

tmp=$(mktemp -d /tmp/orvent-release-test-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=ORVENT throwaway test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$tmp/key.pem" -out "$tmp/cert.pem" 2>/dev/null &&
  openssl pkcs12 -export -inkey "$tmp/key.pem" -in "$tmp/cert.pem" -out "$tmp/cert.p12" \
    -passout pass:throwaway || exit 1

ORVENT_SIGN_PKCS12=$tmp/cert.p12 ORVENT_SIGN_PASSWORD=throwaway bash scripts/release.sh --verify |
  tee "$tmp/release.log"
check "scripts/release.sh --verify, signing with the throwaway certificate" test "${PIPESTATUS[0]}" -eq 0
check "the second build, unsigned, says so in one line" \
  grep -qx '  Not signed: ORVENT_SIGN_PKCS12 and ORVENT_SIGN_PASSWORD are not both set.' "$tmp/release.log"

out=$root/build/release
unsigned=$root/build/release-work/unsigned
version=$(cat build/release-work/win32/version.txt)
name=ORVENT-Selector-$version-win32
holds() { # ARCHIVE NAMES...: the archive holds these files, in this order
  local archive=$1
  shift
  [ "$(unzip -Z1 "$archive" | tr '\n' ' ')" = "$* " ]
}
check "SHA256SUMS of the signed package (sha256sum -c)" sh -c "cd '$out' && sha256sum -c --quiet SHA256SUMS"
check "$name.zip holds the program, its README, change log and notices" \
  holds "$out/$name.zip" ORVENTLancher.exe README.txt CHANGELOG.md NOTICE.txt
check "$name-symbols.zip holds the symbols and how to use them" \
  holds "$out/$name-symbols.zip" ORVENTLancher.debug README.txt
check "NOTICE.txt holds the GCC Runtime Library Exception and winpthreads' notice" \
  sh -c "unzip -p '$out/$name.zip' NOTICE.txt | grep -q 'GCC RUNTIME LIBRARY EXCEPTION' &&
    unzip -p '$out/$name.zip' NOTICE.txt | grep -q 'winpthreads'"

mkdir -p "$tmp/unsigned" "$tmp/signed"
unzip -q "$unsigned/$name.zip" ORVENTLancher.exe -d "$tmp/unsigned"
unzip -q "$out/$name.zip" ORVENTLancher.exe -d "$tmp/signed"
check "the signed executable verifies against the throwaway certificate" \
  sh -c "osslsigncode verify -CAfile '$tmp/cert.pem' -in '$tmp/signed/ORVENTLancher.exe' >'$tmp/verify.log' 2>&1"
osslsigncode remove-signature -in "$tmp/signed/ORVENTLancher.exe" -out "$tmp/removed.exe" >/dev/null 2>&1
check "with its signature removed it is the unsigned executable, byte for byte" \
  cmp "$tmp/removed.exe" "$tmp/unsigned/ORVENTLancher.exe"
# No package signed with a certificate thrown away is left to ship.
rm -f "$out"/* && cp "$unsigned"/* "$out/"

if orvent_have_wine32; then
  cmake --preset win32 >/dev/null && cmake --build --preset win32 --target orvent_e2e orvent_member >/dev/null ||
    echo "release: the win32 build of the journeys' driver failed"
  journeys='*AFirstStartWritesAnEmptyHistoryAndTheCloseBoxEnds*:*ADoubleClickStartsARowWithItsApplication*'
  journeys+=':*TheAboutBoxShowsTheVersionAndCopyright*'
  for kind in unsigned signed; do
    check "the $kind executable from the zip starts, makes the history and starts a row under wine" \
      env ORVENT_WINEPREFIX="${ORVENT_WINEPREFIX:-$root/build/wineprefix}" \
      ORVENT_E2E_SELECTOR="$tmp/$kind/ORVENTLancher.exe" \
      scripts/e2e.sh build/win32 --gtest_filter="$journeys"
  done
else
  echo "release: the packaged executable is not started, as wine32 (i386) is not installed"
fi

echo "release: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
