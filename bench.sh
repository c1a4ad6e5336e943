#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (optimised) and runs them headless.
# Arguments go to Google Benchmark, e.g. ./bench.sh --benchmark_filter=typing
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
pagelark_build "$PAGELARK_ROOT/build-bench" -DCMAKE_BUILD_TYPE=Release -DPAGELARK_BENCH=ON \
  -DBUILD_TESTING=OFF
QT_QPA_PLATFORM=offscreen "$PAGELARK_ROOT/build-bench/bench/pagelark_bench" "$@"
