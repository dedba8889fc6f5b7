#!/usr/bin/env python3
"""Derives the constants of the math library: the polynomial coefficients
(Chebyshev interpolation of each correction function, turned into powers
and rounded to float), the bytes of 2/pi for the argument reduction of the
trigonometric functions, and the high/low splits of the constants that the
routines use in two pieces.  Prints C initializers and the largest error
of each polynomial with its float coefficients.

    coefficients.py

Only the standard library: pi comes from an arctangent series in integers,
the corrections from their power series summed in exact fractions."""

import math
import struct
from fractions import Fraction

BITS = 400


def pi_fixed(bits):
    """pi * 2^bits, rounded down, from 16 atan(1/5) - 4 atan(1/239)."""
    scale = 1 << (bits + 16)

    def atan_inverse(n):
        total, term, k = 0, scale // n, 1
        while term:
            total += term // k if k % 4 == 1 else -(term // k)
            term //= n * n
            k += 2
        return total

    return (16 * atan_inverse(5) - 4 * atan_inverse(239)) >> 16


def two_over_pi_bytes(count):
    pi = pi_fixed(BITS)
    value = (2 << (2 * BITS)) // pi
    # value is 2/pi * 2^BITS; its first bytes after the point.
    return [(value >> (BITS - 8 * (k + 1))) & 0xFF for k in range(count)]


def f32(x):
    return struct.unpack("<f", struct.pack("<f", float(x)))[0]


def split(x, keep=12):
    """x as a float of `keep` significant bits plus the rest as a float."""
    bits = struct.unpack("<I", struct.pack("<f", f32(x)))[0]
    high = struct.unpack("<f", struct.pack("<I", bits & ~((1 << (24 - keep)) - 1)))[0]
    return high, f32(x - high)


def series(coefficient, z, terms=60):
    return sum(coefficient(k) * z ** k for k in range(terms))


def chebyshev_fit(function, low, high, degree):
    """Interpolation at the Chebyshev points of [low, high], as power
    coefficients of z."""
    n = degree + 1
    nodes = [(low + high) / 2 + (high - low) / 2 * math.cos(math.pi * (k + 0.5) / n)
             for k in range(n)]
    values = [function(z) for z in nodes]
    # Newton's divided differences, then expanded into powers.
    table = values[:]
    for level in range(1, n):
        for k in range(n - 1, level - 1, -1):
            table[k] = (table[k] - table[k - 1]) / (nodes[k] - nodes[k - level])
    power = [0.0] * n
    for k in range(n - 1, -1, -1):
        # power = power * (z - nodes[k]) + table[k]
        shifted = [0.0] + power[:-1]
        power = [shifted[i] - nodes[k] * power[i] for i in range(n)]
        power[0] += table[k]
    return [f32(c) for c in power]


def evaluate(coefficients, z):
    result = 0.0
    for c in reversed(coefficients):
        result = result * z + c
    return result


def report(name, function, low, high, degree, weight):
    coefficients = chebyshev_fit(function, low, high, degree)
    worst = 0.0
    for k in range(2001):
        z = low + (high - low) * k / 2000
        worst = max(worst, abs(evaluate(coefficients, z) - function(z)) * weight(z))
    print(f"/* {name}: degree {degree} on [{low:g}, {high:g}], "
          f"largest weighted error 2^{math.log2(worst) if worst else -999:.1f} */")
    print(", ".join(f"{c!r}f" for c in coefficients))


LN2 = math.log(2)
C_LOG = 2 / LN2


def main():
    quarter = (math.pi / 4) ** 2
    report("sin: (sin y - y) / y^3 in z = y^2",
           lambda z: series(lambda k: (-1) ** (k + 1) / math.factorial(2 * k + 3), z), 0, quarter,
           4, lambda z: z / (1 - z / 6))
    report("cos: (cos y - 1 + y^2/2) / y^4 in z = y^2",
           lambda z: series(lambda k: (-1) ** k / math.factorial(2 * k + 4), z), 0, quarter,
           4, lambda z: z * z / math.cos(math.sqrt(z)))
    t2 = (math.sqrt(2) - 1) ** 2
    report("atan: (atan t - t) / t^3 in z = t^2",
           lambda z: series(lambda k: (-1) ** (k + 1) / (2 * k + 3), z, 200), 0, t2,
           7, lambda z: z)
    report("exp2: (2^r - 1) / r",
           lambda r: series(lambda k: LN2 ** (k + 1) / math.factorial(k + 1), r), -0.502, 0.502,
           6, lambda r: abs(r) / 2 ** r)
    s2 = ((math.sqrt(2) - 1) / (math.sqrt(2) + 1)) ** 2
    report("log2: (log2((1+s)/(1-s)) - c s) / s^3 in z = s^2",
           lambda z: series(lambda k: C_LOG / (2 * k + 3), z), 0, s2, 3, lambda z: z / C_LOG)
    print("/* 2/pi */")
    print(", ".join(f"0x{b:02X}" for b in two_over_pi_bytes(26)))
    for name, x in [("2/ln2", C_LOG), ("ln2", LN2), ("log10(2)", math.log10(2)),
                    ("log2(e)", 1 / LN2), ("pi/2", math.pi / 2), ("pi/4", math.pi / 4),
                    ("pi", math.pi)]:
        high, low = split(x)
        print(f"/* {name} */ {high!r}f, {low!r}f   /* float {f32(x)!r}f, rest {f32(x - f32(x))!r}f */")


if __name__ == "__main__":
    main()
