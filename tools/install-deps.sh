#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program, if missing.
# With --windows, also the MinGW-w64 cross compilers and Wine for the Windows build and its tests.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils libx11-dev openbox xclip
  qt6-wayland weston dbus dbus-daemon
  at-spi2-core python3-pyatspi
  fonts-noto-cjk imagemagick
  clang libclang-rt-dev
  appstream desktop-file-utils dpkg-dev file valgrind libxml2-utils
)
if [ "${1:-}" = "--windows" ]; then
  # The posix thread model: the win32 one of GCC 12 has no std::thread or std::mutex.
  packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools wine64 googletest xz-utils fonts-dejavu-core)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
