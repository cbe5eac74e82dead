#!/usr/bin/env bash
# Configures and builds Kovia (Release) into build/. Extra arguments go to CMake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$top/build" --parallel "$(nproc)"
