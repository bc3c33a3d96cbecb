#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at Tavrel need.
# Safe to run again: it installs only what is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  g++ cmake make ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth x11-apps imagemagick poppler-utils
  python3 xdotool x11-utils xclip
  cups-client
  clang libclang-rt-14-dev
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  # Another installer (an update running in the background) may hold the package lock: wait for it
  # rather than fail.
  if command -v fuser >/dev/null &&
     $sudo_cmd fuser /var/lib/dpkg/lock-frontend /var/lib/apt/lists/lock >/dev/null 2>&1; then
    echo "Another installer is running; waiting for it to finish (up to 10 minutes)..."
  fi
  wait_lock=(-o DPkg::Lock::Timeout=600)
  $sudo_cmd apt-get "${wait_lock[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get "${wait_lock[@]}" install -y -qq \
    --no-install-recommends "${missing[@]}"
fi
