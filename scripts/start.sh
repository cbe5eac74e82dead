#!/usr/bin/env bash
# Installs what is missing, builds Kovia and starts it. Without a display it says so,
# analyses the bundled examples headless and prints where the results are.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/build.sh"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$top/build/src/shell/kovia"
fi

echo "No hay pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas): se analizan los ejemplos sin ventanas."
exec "$top/scripts/examples.sh"
