#!/usr/bin/env bash
# Runs the bundled examples through kovia-batch and prints where the results are.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
batch="$top/build/src/batch/kovia-batch"
out="$top/build/resultados"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

for scenario in "$top"/examples/*.escenario; do
  [[ -e "$scenario" ]] || continue
  name=$(basename "$scenario" .escenario)
  (cd "$top/examples" && "$batch" escenario "$scenario") > "$out/$name.jsonl"
  echo "Escenario $name: $out/$name.jsonl"
done
echo "Resultados en: $out"
