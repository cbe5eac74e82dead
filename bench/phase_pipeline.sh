#!/bin/sh
# The whole phase pipeline at 10^6 readings: kovia-batch fase on a generated file of phase
# readings in degrees (order 2, noise type White Frequency), timed with /usr/bin/time -v.
# Targets: at most 2 s wall clock and 800 MB peak memory.
#
#   bench/phase_pipeline.sh [BUILD_DIR]      (default: build)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
batch=$build/src/batch/kovia-batch
[ -x "$batch" ] || { echo "no se encuentra $batch: compile primero el objetivo kovia-batch" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
# 10^6 readings of a 10 MHz oscillator against its reference, one every second: the phase
# drifts through some 2500 wraps of +-180 degrees, with white phase noise (fixed seed).
awk 'BEGIN {
  srand(7); ph = -170.0
  for (k = 0; k < 1000000; k++) {
    ph = -170.0 + k * 0.9 + 1e-10 * k * k + (rand() + rand() + rand() - 1.5) * 0.8
    v = ph + 180.0; v = v - 360.0 * int(v / 360.0); if (v < 0) v += 360.0
    printf "%.3f\r\n", v - 180.0
  }
}' > "$work/fase_1e6.txt"

/usr/bin/time -v "$batch" fase "$work/fase_1e6.txt" --unidad grados --nominal 10000000 --tau 1 \
  --orden 2 --ruido 2 --salida "$work/salida" 2> "$work/time.txt" || { cat "$work/time.txt" >&2; exit 1; }
grep -E 'Elapsed \(wall clock\)|Maximum resident set size|User time|System time' "$work/time.txt"
wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
echo "fase, 10^6 lecturas: $wall de reloj, $((rss / 1024)) MB de memoria máxima (objetivo: 2 s, 800 MB)"
head -3 "$work/salida/allan.txt"
