#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pagelark: ./run.sh [file]
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
pagelark_build "$PAGELARK_ROOT/build" >&2
exec "$PAGELARK_ROOT/build/src/pagelark" "$@"
