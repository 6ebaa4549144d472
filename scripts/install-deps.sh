#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed, so a second call costs nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-tools-dev-tools
  libqt6svg6 qt6-qpa-plugins qml6-module-qtmultimedia
  libsndfile1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils
  fonts-liberation2 fonts-dejavu-core
  locales
  python3 python3-mpmath
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The core is tested under a Russian C locale as well (comma as decimal mark).
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf8$'; then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/; s/^# *\(en_US.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
