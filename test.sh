#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
# The benchmarks are built too (not run), so that a change cannot leave them broken.
pagelark_build "$PAGELARK_ROOT/build" -DPAGELARK_BENCH=ON
cd "$PAGELARK_ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
