#!/usr/bin/env bash
# Shared set-up for run.sh, test.sh and bench.sh: install what is missing, then build.
# Usage: source scripts/setup.sh; pagelark_build <build-dir> [extra cmake args...]
set -euo pipefail

# The one list of Debian packages the project needs, to build, test, benchmark and smoke-test.
# libqt6svg6 brings the icon engine that draws the toolbar's SVG pictures; qt6-webengine-dev the
# browser engine of the live preview, and libqt6webenginecore6-bin its helper program
# (QtWebEngineProcess), which the engine only recommends.
PAGELARK_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libtidy-dev
  libqt6svg6
  qt6-webengine-dev libqt6webenginecore6-bin
  libbenchmark-dev
  xvfb xauth xdotool x11-utils python3-xlib
  desktop-file-utils appstream
)

pagelark_install_packages() {
  local missing=()
  for pkg in "${PAGELARK_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

pagelark_build() {
  local dir=$1
  shift
  pagelark_install_packages
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$PAGELARK_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}

PAGELARK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
