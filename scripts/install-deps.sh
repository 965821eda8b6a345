#!/usr/bin/env bash
# Installs the Debian packages the player needs to build, test and play.
# Idempotent: does nothing when everything is already there. With
# "--fuzz" it also installs clang and its libFuzzer runtime (`make fuzz`).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev libx11-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  libtomlplusplus-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  timgm6mb-soundfont
  xvfb xauth openbox xdotool wmctrl imagemagick x11-utils
)
if [ "${1:-}" = "--fuzz" ]; then packages+=(clang-14 libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build dependencies are installed."
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
