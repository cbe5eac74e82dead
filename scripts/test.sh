#!/usr/bin/env bash
# Installs what is missing, builds Kovia and runs the whole test suite headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir "$top/build" --output-on-failure --parallel "$(nproc)"
