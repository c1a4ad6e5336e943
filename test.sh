#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
pagelark_build "$PAGELARK_ROOT/build"
cd "$PAGELARK_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
