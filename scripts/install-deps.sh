#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build and the tests lack: compilers
# (native and MinGW-w64), GoogleTest, Google Benchmark, wine with its 32-bit
# part (the shipping build is 32-bit) and its fonts, a virtual display, a
# Japanese locale and font, clang for fuzzing, clang-format and clang-tidy
# for the checks of the sources, and LLVM's MSVC-compatible tools for the
# check of the Visual Studio build; osslsigncode, openssl and unzip for the
# release's signing and its test.
# Only an installation needs root: with everything present it changes
# nothing, and without root it names what is missing and how to install it.
set -euo pipefail

packages=(
  cmake make g++ googletest libbenchmark-dev python3 procps
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb x11-utils imagemagick locales fonts-ipafont-gothic
  clang libclang-rt-14-dev clang-tools-14 llvm-14 lld-14 clang-format clang-tidy
  osslsigncode openssl unzip
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# Wine takes the ANSI code page from the locale: 932 needs ja_JP.UTF-8.
have_locale() { locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; }

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
wine32=1
installed wine32:i386 || wine32=0
locale_ok=1
have_locale || locale_ok=0
[ "${#missing[@]}" -eq 0 ] && [ "$locale_ok" -eq 1 ] && [ "$wine32" -eq 1 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  if [ "${#missing[@]}" -eq 0 ] && [ "$locale_ok" -eq 1 ]; then
    echo "wine32 (i386) is not installed: the 32-bit build cannot run under wine" \
      "(as root, bash scripts/install-deps.sh installs it)."
    exit 0
  fi
  [ "$wine32" -eq 1 ] || missing+=(wine32:i386)
  [ "$locale_ok" -eq 1 ] || missing+=("the locale ja_JP.UTF-8")
  echo "Missing: ${missing[*]}." >&2
  echo "Install them once as root: sudo bash scripts/install-deps.sh" >&2
  exit 1
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$wine32" -eq 0 ]; then
  [ "$wine32" -eq 1 ] || missing+=(wine32:i386)
  echo "Installing packages (a first run takes several minutes): ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # wine32 comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  if ! apt-get update -q || ! apt-get install -y -q "${missing[@]}"; then
    # Without the i386 packages everything but the 32-bit wine tiers still runs.
    others=()
    for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || others+=("$p"); done
    [ "${#others[@]}" -eq 0 ] || apt-get install -y -q "${others[@]}"
    installed wine32:i386 || echo "wine32:i386 could not be installed: the 32-bit build will not run under wine"
  fi
fi

if ! have_locale; then
  echo "Making the locale ja_JP.UTF-8..."
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
