#!/usr/bin/env python3
"""Runs functions of the math library (include/math.h) on the simulated
target over edge and random arguments and compares each result with the
host's double-precision value of the same function.

    check_libm.py --bin DIR --include DIR FUNCTION...

The largest error of each function, in units in the last place of the
float nearest to the host's value, must stay within the bound that the
accuracy table of math.h states for it; the functions stated as exact must
give the nearest float to the bit, and every NaN, infinity and zero (with
its sign) must be the expected one.  Each program reads its arguments from
program memory, calls the function through the header, and writes the
result's four bytes to TXREG; vxsim passes them to standard output."""

import argparse
import math
import os
import random
from fractions import Fraction
import re
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_float import INF, QNAN, SIGN, f32, is_inf, is_nan  # noqa: E402
from check_math import run  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "..", "..", "runtime", "libm"))
from coefficients import pi_fixed  # noqa: E402

BATCH = 700
MAX_FLOAT = 0x7F7FFFFF


def bits_value(b):
    return struct.unpack("<f", struct.pack("<I", b))[0]


def to_float_bits(x):
    """The float nearest to a double, overflowing to infinity."""
    try:
        return f32(x)
    except OverflowError:
        return INF | (SIGN if x < 0 else 0)


def ulp(x):
    """The unit in the last place of the floats around |x|, infinity
    counting as 2^128."""
    if x == 0:
        return 2.0 ** -149
    e = math.frexp(abs(x))[1] - 1
    return 2.0 ** (max(e, -126) - 23)


# The host's values, following C where Python raises instead.

def is_odd_integer(y):
    return math.isfinite(y) and y == math.floor(y) and abs(y) < 2 ** 53 and int(y) % 2 == 1


def host_pow(x, y):
    if y == 0 or x == 1:
        return 1.0
    if math.isnan(x) or math.isnan(y):
        return math.nan
    if x == 0:
        sign = math.copysign(1.0, x) if is_odd_integer(y) else 1.0
        return sign * (math.inf if y < 0 else 0.0)
    try:
        return math.pow(x, y)
    except ValueError:
        return math.nan
    except OverflowError:
        return (-1.0 if x < 0 and is_odd_integer(y) else 1.0) * math.inf


def host_log(base_log):
    def log(x):
        if x == 0:
            return -math.inf
        if x < 0 or math.isnan(x):
            return math.nan
        return base_log(x)
    return log


def host_rounding(function):
    def rounding(x):
        if not math.isfinite(x):
            return x
        return math.copysign(float(function(x)), x)
    return rounding


def guarded(function):
    def call(*args):
        try:
            return function(*args)
        except ValueError:
            return math.nan
        except OverflowError:
            return math.inf
    return call


# name: (argument count, host function)
FUNCTIONS = {
    "fabs": (1, math.fabs),
    "floor": (1, host_rounding(math.floor)),
    "ceil": (1, host_rounding(math.ceil)),
    "fmod": (2, guarded(math.fmod)),
    "sqrt": (1, guarded(math.sqrt)),
    "sin": (1, guarded(math.sin)),
    "cos": (1, guarded(math.cos)),
    "tan": (1, guarded(math.tan)),
    "atan": (1, math.atan),
    "atan2": (2, math.atan2),
    "exp": (1, guarded(math.exp)),
    "log": (1, host_log(math.log)),
    "log10": (1, host_log(math.log10)),
    "pow": (2, host_pow),
}


def stated_bounds(header):
    """The bound of each function from math.h's accuracy table: lines such
    as '     sin, cos     within 1.5 ulps' or '     sqrt    exact'."""
    bounds = {}
    with open(header) as f:
        for line in f:
            m = re.match(r"^\s+((?:[a-z0-9]+, )*[a-z0-9]+)\s{2,}(exact|within ([0-9.]+) ulps?)\b", line)
            if m:
                for name in m.group(1).split(","):
                    bounds[name.strip()] = 0.0 if m.group(2) == "exact" else float(m.group(3))
    return bounds


# Arguments, as float bit patterns.

def common_edges():
    positive = [0, 1, 2, 0x7FFFFF, 0x800000, 0x800001, 0x3F800000, 0x3F800001, 0x3F7FFFFF,
                0x3F000000, 0x40000000, 0x3FC00000, 0x40400000, MAX_FLOAT, 0x7F000000, INF,
                QNAN, 0x7F800001, f32(0.1), f32(10), f32(1e-10), f32(1e10), f32(1e30),
                f32(1e-30), 0x33800000, 0x4B000000]
    return positive + [b | SIGN for b in positive]


def neighbours(x, reach=2):
    b = to_float_bits(x)
    return [b + d for d in range(-reach, reach + 1) if 0 <= b + d < INF] if b < INF else []


def signed_both(values):
    return values + [v | SIGN for v in values]


def random_bits(rng, low_field=0, high_field=254, negative=True):
    field = rng.randint(low_field, high_field)
    b = field << 23 | rng.getrandbits(23)
    return b | SIGN if negative and rng.getrandbits(1) else b


def near_multiples_of_half_pi():
    """For each binade from 1 up, a float whose distance to a multiple of
    pi/2 is among the smallest: with x = M 2^E, M of 24 bits, M 2^E 2/pi
    is nearest an integer for M a multiple of a continued fraction
    denominator of the fractional part of 2^E 2/pi."""
    precision = 400
    two_over_pi = Fraction(2 << precision, pi_fixed(precision))
    found = []
    for field in range(127, 255):
        alpha = two_over_pi * Fraction(2) ** (field - 150)
        alpha -= math.floor(alpha)
        best, previous, current, rest = None, 0, 1, alpha
        while rest:
            rest = 1 / rest
            digit = math.floor(rest)
            rest -= digit
            previous, current = current, digit * current + previous
            if current >= 1 << 24:
                break
            m = current * -(-(1 << 23) // current)
            if m < 1 << 24:
                best = m
        if best:
            found.append(field << 23 | (best - (1 << 23)))
    return found


def arguments(name, count):
    rng = random.Random(name)
    edges = common_edges()
    if name in ("floor", "ceil"):
        for k in list(range(-12, 13)) + [2 ** 22, 2 ** 23, 2 ** 24, 12345]:
            for x in (k, k + 0.5, k - 0.5, k + 0.25):
                edges += signed_both(neighbours(x, 1))
        randoms = [random_bits(rng, 100, 160) for _ in range(count)]
    elif name in ("sin", "cos", "tan"):
        for k in list(range(1, 40)) + [100, 1000, 12345, 2 ** 20, 2 ** 30, 2 ** 60]:
            edges += signed_both(neighbours(k * math.pi / 2, 2))
        edges += signed_both(neighbours(math.pi / 4, 2)) + signed_both(near_multiples_of_half_pi())
        randoms = [f32(rng.uniform(-10, 10)) for _ in range(count // 2)]
        randoms += [random_bits(rng) for _ in range(count // 4)]
        randoms += [random_bits(rng, 120, 160) for _ in range(count - len(randoms))]
    elif name in ("atan", "atan2"):
        edges += signed_both([f32(math.tan(math.pi * k / 16)) for k in range(1, 8)] +
                             neighbours(math.sqrt(2) - 1) + neighbours(math.sqrt(2) + 1))
        randoms = [random_bits(rng, 90, 165) for _ in range(count // 2)]
        randoms += [random_bits(rng) for _ in range(count - len(randoms))]
    elif name == "exp":
        for x in (88.72, 88.7228, 89, -87.33, -87.34, -103.97, -103.98, -104, -150, 1, -1, 0.5):
            edges += neighbours(x)
        edges += [f32(k * math.log(2)) for k in range(-150, 128, 7)]
        randoms = [f32(rng.uniform(-104, 89)) for _ in range(count // 2)]
        randoms += [f32(rng.uniform(-2, 2)) for _ in range(count // 4)]
        randoms += [random_bits(rng, 0, 133) for _ in range(count - len(randoms))]
    elif name in ("log", "log10", "sqrt"):
        edges += neighbours(1.0, 8) + neighbours(math.sqrt(2), 2) + neighbours(math.sqrt(0.5), 2)
        edges += [f32(1 + 2.0 ** -k) for k in range(1, 24)] + [f32(1 - 2.0 ** -k) for k in range(1, 25)]
        edges += [f32(10.0 ** k) for k in range(-37, 39)]
        randoms = [random_bits(rng, negative=False) for _ in range(count // 2)]
        randoms += [f32(rng.uniform(0.5, 2)) for _ in range(count // 4)]
        randoms += [f32(1 + rng.uniform(-1, 1) * 2.0 ** -rng.randint(4, 20))
                    for _ in range(count - len(randoms))]
    elif name == "fabs":
        randoms = [rng.getrandbits(32) for _ in range(count)]
    else:
        randoms = []
    return edges + randoms


def pairs(name, count):
    rng = random.Random(name)
    if name == "fmod":
        specials = [0, SIGN, 1, 0x800000, 0x3F800000, f32(3), f32(0.1), f32(1e30), MAX_FLOAT,
                    INF, QNAN, f32(-2.5), f32(7), f32(1e-40), SIGN | 1]
        result = [(a, b) for a in specials for b in specials]
        for _ in range(count):
            ea = rng.randint(0, 254)
            eb = min(max(ea - rng.randint(-3, 60), 0), 254) if rng.randrange(4) else rng.randint(0, 254)
            result.append((random_bits(rng, ea, ea), random_bits(rng, eb, eb)))
        return result
    if name == "atan2":
        specials = [0, SIGN, 1, SIGN | 1, 0x3F800000, 0xBF800000, f32(2), f32(-3), f32(1e30),
                    f32(-1e-30), MAX_FLOAT, INF, INF | SIGN, QNAN]
        result = [(a, b) for a in specials for b in specials]
        for _ in range(count):
            ea = rng.randint(1, 254)
            eb = min(max(ea + rng.randint(-30, 30), 0), 254) if rng.randrange(3) else rng.randint(0, 254)
            result.append((random_bits(rng, ea, ea), random_bits(rng, eb, eb)))
        return result
    # pow
    xs = [0, SIGN, 0x3F800000, 0xBF800000, f32(2), f32(-2), f32(0.5), f32(-0.5), INF, INF | SIGN,
          QNAN, f32(10), f32(-3), f32(math.e), f32(0.999), f32(1.001), 1, MAX_FLOAT]
    ys = [0, SIGN, 0x3F800000, 0xBF800000, f32(2), f32(-2), f32(3), f32(-3), f32(0.5), f32(-0.5),
          INF, INF | SIGN, QNAN, f32(127), f32(-149), f32(1e10), f32(25), f32(1.5), f32(-1e10)]
    result = [(a, b) for a in xs for b in ys]
    for _ in range(count // 4):
        # Negative bases with integral exponents.
        x = -rng.uniform(0.1, 10)
        n = rng.randint(-35, 35)
        result.append((f32(x), f32(n)))
    while len(result) < count + len(xs) * len(ys):
        x = bits_value(random_bits(rng, 1, 254, negative=False))
        if x == 1:
            continue
        limit = 150 / abs(math.log2(x))
        y = rng.uniform(-limit, limit) if rng.randrange(4) else rng.uniform(-30, 30)
        result.append((f32(x), f32(y)))
    return result


# Programs.

def program(name, count_args, batch):
    table = lambda k: ", ".join(f"0x{args[k]:X}" for args in batch)
    arrays = f"rom const unsigned long xs[N] = {{{table(0)}}};\n"
    call = f"{name}(a.f)"
    if count_args == 2:
        arrays += f"rom const unsigned long ys[N] = {{{table(1)}}};\n"
        call = f"{name}(a.f, b.f)"
    return f"""#include <math.h>
#define N {len(batch)}
extern volatile near unsigned char TXREG;
{arrays}
union bits {{
    float f;
    unsigned long u;
}};

void main(void)
{{
    unsigned int i;
    union bits a, b, r;
    for (i = 0; i < N; i++) {{
        a.u = xs[i];
        b.u = {"ys[i]" if count_args == 2 else "0"};
        r.f = {call};
        TXREG = (unsigned char)r.u;
        TXREG = (unsigned char)(r.u >> 8);
        TXREG = (unsigned char)(r.u >> 16);
        TXREG = (unsigned char)(r.u >> 24);
    }}
}}
"""


def run_batch(name, batch, options, tools, include, work):
    count_args = FUNCTIONS[name][0]
    with open(os.path.join(work, "prog.c"), "w") as f:
        f.write(program(name, count_args, batch))
    run([tools("vexc"), *options, "-I", include, "prog.c", "-fo", "prog.o"], work)
    run([tools("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    result = subprocess.run([tools("vxsim"), "--stats", "prog.hex"], cwd=work,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=300)
    size = 4 * len(batch)
    if result.returncode != 0 or len(result.stdout) < size:
        sys.exit(f"vxsim exited with status {result.returncode}:\n"
                 f"{result.stdout[size:].decode(errors='replace')}")
    cycles = int(re.search(rb"cycles: (\d+)", result.stdout[size:]).group(1))
    data = result.stdout[:size]
    return [int.from_bytes(data[4 * k:4 * k + 4], "little") for k in range(len(batch))], cycles


def error_in_ulps(got, want):
    """None when a NaN, infinity or zero is not the expected one, else the
    distance in ulps of the float nearest to want."""
    want_bits = to_float_bits(want)
    if math.isnan(want):
        return 0.0 if is_nan(got) else None
    if is_nan(got):
        return None
    if want == 0 or math.isinf(want):
        return 0.0 if got == want_bits else None
    value = math.copysign(2.0 ** 128, bits_value(got)) if is_inf(got) else bits_value(got)
    if is_inf(want_bits):
        want = math.copysign(min(abs(want), 2.0 ** 128), want)
    return abs(value - want) / ulp(want)


def check(name, bound, count, tools, include, work):
    count_args, host = FUNCTIONS[name]
    cases = pairs(name, count) if count_args == 2 else [(a,) for a in arguments(name, count)]
    worst, worst_case, failures, cycles = 0.0, None, 0, 0
    for start in range(0, len(cases), BATCH):
        batch = cases[start:start + BATCH]
        # Every other batch from a program with integer promotion: the
        # library is compiled once and must serve both.
        options = ["-Oi+"] if start // BATCH % 2 else []
        results, used = run_batch(name, batch, options, tools, include, work)
        cycles += used
        for args, got in zip(batch, results):
            want = host(*(bits_value(a) for a in args))
            error = error_in_ulps(got, want)
            if bound == 0:
                wrong = error is None or (got != to_float_bits(want) and not math.isnan(want))
            else:
                wrong = error is None or error > bound
            if wrong:
                failures += 1
                if failures <= 10:
                    shown = ", ".join(f"0x{a:08X} ({bits_value(a)!r})" for a in args)
                    print(f"{name}({shown}) = 0x{got:08X} ({bits_value(got)!r}), "
                          f"expected {want!r} (0x{to_float_bits(want):08X})")
            if error is not None and error > worst:
                worst, worst_case = error, args
    shown = ", ".join(f"0x{a:08X}" for a in worst_case) if worst_case else "-"
    print(f"{name}: {len(cases)} arguments, largest error {worst:.3f} ulps at ({shown}), "
          f"bound {bound:g}, {cycles // len(cases)} cycles per call with the loop, "
          f"{failures} wrong")
    return failures


def main():
    parser = argparse.ArgumentParser(description="Checks functions of the math library.")
    parser.add_argument("--bin", required=True, help="directory of vexc, vxlink and vxsim")
    parser.add_argument("--include", required=True, help="directory of math.h")
    parser.add_argument("--count", type=int, default=5000, help="random arguments per function")
    parser.add_argument("functions", nargs="+", choices=sorted(FUNCTIONS))
    args = parser.parse_args()
    bounds = stated_bounds(os.path.join(args.include, "math.h"))
    tools = lambda name: os.path.join(args.bin, name)
    include = os.path.abspath(args.include)
    failures = 0
    with tempfile.TemporaryDirectory(prefix="libm-") as work:
        for name in args.functions:
            if name not in bounds:
                sys.exit(f"math.h states no accuracy for {name}")
            failures += check(name, bounds[name], args.count, tools, include, work)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
