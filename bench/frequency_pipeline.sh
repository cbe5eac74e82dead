#!/bin/sh
# Times the whole frequency pipeline of kovia-batch (load, deviation, Allan deviation, noise
# type, the save of three 800 x 600 bitmaps and three text files) on a generated file of 10^6
# readings, with its peak memory.
# Targets: at most 1.5 s wall clock and 800 MB peak.
#
#   bench/frequency_pipeline.sh [BUILD_DIR] [READINGS]
set -eu

build=${1:-build}
readings=${2:-1000000}
batch="$build/src/batch/kovia-batch"
[ -x "$batch" ] || { echo "no existe $batch: compile primero (cmake --build $build)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data="$work/lecturas.txt"

# Readings of a 10 MHz oscillator with white frequency noise, CR LF, fixed seed.
python3 - "$data" "$readings" <<'EOF'
import random, sys
path, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(20240611)
with open(path, "w", newline="") as f:
    f.writelines("%.15g\r\n" % (10000000.0012 + rng.gauss(0.0, 1e-4)) for _ in range(count))
EOF

echo "kovia-batch frecuencia: $readings lecturas"
LC_ALL=C.UTF-8 LANG=C.UTF-8 /usr/bin/time -v "$batch" frecuencia "$data" --nominal 10000000 --tau 1 --ruido 2 \
  --salida "$work/salida" 2>"$work/time.txt" || { cat "$work/time.txt" >&2; exit 1; }
grep -E "Elapsed \(wall clock\)|Maximum resident set size" "$work/time.txt"
wc -l "$work/salida/desviacion.dat" "$work/salida/allan.txt"
