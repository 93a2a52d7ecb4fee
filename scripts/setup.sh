#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and only what is
# missing, so that on a prepared machine it returns at once.
set -euo pipefail
source "$(dirname "$0")/env.sh"

if on_windows || ! command -v dpkg >/dev/null; then
  echo "setup: not a Debian system; install CMake and the MinGW-w64 i686 and x86_64 toolchains yourself" >&2
  exit 0
fi

# Both of Wine's loaders on every machine: where the kernel runs no 32-bit code
# the 32-bit one is still what the scripts ask (scripts/env.sh), and the x64
# build's tests need only the 64-bit one.
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev g++-mingw-w64-i686
          wine wine32:i386 wine64 g++-mingw-w64-x86-64-posix xvfb xauth x11-utils fonts-ipafont-gothic locales imagemagick)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
need_i386=false
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=true
need_locale=false
locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' || need_locale=true

if [ ${#missing[@]} -eq 0 ] && ! $need_i386 && ! $need_locale; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: run as root to install: ${missing[*]}" \
       "$($need_i386 && echo '(i386 architecture)')$($need_locale && echo ' (ja_JP.UTF-8 locale)')" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if $need_i386; then
  dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ] || $need_i386; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if $need_locale; then
  grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi
