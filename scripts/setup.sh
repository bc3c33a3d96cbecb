#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at Tavrel need.
# Safe to run again: it installs only what is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  g++ cmake make ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl1-mesa-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n groff-base
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei fontconfig
  xvfb xauth x11-apps imagemagick poppler-utils
  python3 xdotool x11-utils xclip
  at-spi2-core python3-pyatspi dbus
  cups-client cups-daemon
  clang libclang-rt-14-dev
  radicale xandikos vdirsyncer qtkeychain-qt6-dev
  libcurl4-openssl-dev apache2 tinyproxy
  libicu-dev
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  # Another installer (an update running in the background) may hold the package lock: wait for it,
  # up to 10 minutes, rather than fail. apt-get waits on its own for the lock of an install
  # (DPkg::Lock::Timeout), not for the lock of the package lists, so an update is tried again.
  told=""
  tell_waiting() {
    [ -n "$told" ] || echo "Another installer holds the package lock; waiting for it (up to 10 minutes)..."
    told=1
  }
  start=$SECONDS
  until out=$($sudo_cmd apt-get update -qq 2>&1); do
    if ! grep -q 'Could not get lock\|Unable to lock' <<<"$out" || [ $((SECONDS - start)) -ge 600 ]; then
      printf '%s\n' "$out" >&2
      exit 1
    fi
    tell_waiting
    sleep 5
  done
  [ -z "$out" ] || printf '%s\n' "$out"
  if command -v fuser >/dev/null && $sudo_cmd fuser /var/lib/dpkg/lock-frontend >/dev/null 2>&1; then
    tell_waiting
  fi
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}"
fi
