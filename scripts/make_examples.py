#!/usr/bin/env python3
"""Writes the sample input files of examples/ (deterministic: fixed seeds).

    python3 scripts/make_examples.py [OUTPUT_DIR]

OUTPUT_DIR defaults to the repository's examples/ folder. The files model a
10 MHz oscillator measured against a reference:

  frecuencia_10MHz.txt   frequency readings in Hz, tau0 = 10 s, 1440 readings (4 h),
                         CR LF line ends, '.' as decimal separator, no header.
  fase_grados.txt        phase-difference readings in degrees (-180 .. 180), tau = 60 s,
                         600 readings (10 h), LF line ends; the phase slips through
                         +-180 degrees several times.
  hora/medicion.0 .. .2  three consecutive hours of signed 32-bit little-endian counts
                         of the time-interval scale (0 .. 1 999 999, one period of the
                         nominal frequency = 2 000 000 counts), tau = 10 s, 360 records
                         per hour; medicion.1 ends with 2 extra bytes (a partial record).

The unwrapping rule of the phase window treats a jump between consecutive readings
larger than half a period (180 degrees, 1 000 000 counts) as a wrap, so the noise and
the per-step phase change are kept far below that; the script checks it.
"""

import math
import os
import random
import struct
import sys

F_NOM = 10_000_000.0  # Hz


def flicker(rng, n, sigma):
    """n samples of flicker (1/f) noise with white input sigma: the white sequence
    filtered by the fractional integrator of order 1/2 (coefficients
    h0 = 1, hk = h(k-1) * (k - 0.5) / k), truncated at the series length."""
    h = [1.0]
    for k in range(1, n):
        h.append(h[-1] * (k - 0.5) / k)
    w = [rng.gauss(0.0, sigma) for _ in range(n)]
    out = []
    for i in range(n):
        s = 0.0
        for k in range(i + 1):
            s += h[k] * w[i - k]
        out.append(s)
    return out


def frequency_readings():
    """1440 readings at tau0 = 10 s: offset 1.23e-10, drift 2e-12/day,
    white FM 1e-11, flicker FM (floor near 1e-12)."""
    rng = random.Random(20240611)
    n, tau0 = 1440, 10.0
    offset = 1.23e-10
    drift_per_s = 2e-12 / 86400.0
    ff = flicker(rng, n, 1.5e-12)
    values = []
    for i in range(n):
        y = offset + drift_per_s * i * tau0 + rng.gauss(0.0, 1e-11) + ff[i]
        values.append(F_NOM * (1.0 + y))
    return values


def phase_time_differences(rng, n, tau, y0, white_pm, white_fm):
    """Time difference x(t) in seconds at n instants spaced by tau: a constant
    fractional frequency offset y0 plus white FM (integrated) and white PM."""
    x = 0.0
    out = []
    for _ in range(n):
        out.append(x + rng.gauss(0.0, white_pm))
        x += (y0 + rng.gauss(0.0, white_fm)) * tau
    return out


def phase_degrees():
    """600 readings at tau = 60 s: offset 1.2e-11 (about 4.3 periods of 100 ns in
    10 h), white PM 150 ps, white FM 3e-12. Readings wrapped into (-180, 180]."""
    rng = random.Random(19700101)
    n, tau = 600, 60.0
    start = -37.5 / (360.0 * F_NOM)  # starting phase -37.5 degrees
    x = phase_time_differences(rng, n, tau, 1.2e-11, 150e-12, 3e-12)
    readings = []
    for xi in x:
        deg = (xi + start) * 360.0 * F_NOM
        deg = math.fmod(deg + 180.0, 360.0)
        if deg <= 0.0:
            deg += 360.0
        readings.append(deg - 180.0)
    return readings


def hourly_counts():
    """Three hours at tau = 10 s (1080 records): offset -2.1e-11 (about 2.3
    periods in 3 h), white PM 40 ps, white FM 4e-12. One period of the nominal
    frequency is 2 000 000 counts; the counts are wrapped into 0 .. 1 999 999."""
    rng = random.Random(31415926)
    n, tau = 1080, 10.0
    period = 1.0 / F_NOM
    start = 0.35 * period
    x = phase_time_differences(rng, n, tau, -2.1e-11, 40e-12, 4e-12)
    counts = []
    for xi in x:
        c = int(round((xi + start) / period * 2_000_000.0)) % 2_000_000
        counts.append(c)
    return counts


def check_wraps(values, period):
    """Every jump between consecutive readings is either small (no wrap) or
    close to a full period (a wrap), never near the half-period threshold."""
    wraps = 0
    for a, b in zip(values, values[1:]):
        d = abs(b - a)
        if d > period / 2:
            wraps += 1
            assert d > 0.9 * period, (a, b)
        else:
            assert d < 0.1 * period, (a, b)
    return wraps


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "examples")
    os.makedirs(os.path.join(out, "hora"), exist_ok=True)

    freq = frequency_readings()
    with open(os.path.join(out, "frecuencia_10MHz.txt"), "wb") as f:
        f.write("".join("%.7f\r\n" % v for v in freq).encode("ascii"))

    deg = phase_degrees()
    wraps_deg = check_wraps(deg, 360.0)
    with open(os.path.join(out, "fase_grados.txt"), "wb") as f:
        f.write("".join("%.3f\n" % v for v in deg).encode("ascii"))

    counts = hourly_counts()
    wraps_counts = check_wraps(counts, 2_000_000)
    for hour in range(3):
        chunk = counts[hour * 360:(hour + 1) * 360]
        data = b"".join(struct.pack("<i", c) for c in chunk)
        if hour == 1:
            data += b"\x07\x00"  # a partial record: readers ignore it
        with open(os.path.join(out, "hora", "medicion.%d" % hour), "wb") as f:
            f.write(data)

    mean_y = sum((v - F_NOM) / F_NOM for v in freq) / len(freq)
    print("frecuencia_10MHz.txt: %d lecturas, desviación fraccional media %.3e"
          % (len(freq), mean_y))
    print("fase_grados.txt: %d lecturas, %d saltos de ±180 grados" % (len(deg), wraps_deg))
    print("hora/medicion.0-2: %d registros, %d saltos de escala" % (len(counts), wraps_counts))


if __name__ == "__main__":
    main()
