#!/usr/bin/env python3
"""Runs the floating-point routines of the runtime library on the simulated
target over edge and random operands and compares every result, bit for
bit, and the flags each call raised with an exact computation on the host.

    check_float.py --bin DIR FAMILY

FAMILY is add (FPA32, FPS32), mul (FPM32), div (FPD32), cmp (the five
comparisons), int (INT3232 .. INT3208), flo (FLO3232S .. FLO0832U) or pow2
(pow2x16).  The
routines are called directly through their argument bytes: each program
takes a batch of operands from initialized arrays, clears __FPFLAGS before
every call, and leaves the results and the flags in arrays that vxsim
dumps.  The host rounds exact rational results to nearest, ties to even."""

import argparse
import math
import os
import random
import struct
import sys
import tempfile
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_math import BATCH_BYTES, dumped, run  # noqa: E402

IOV, FOV, FUN, FDZ, INVALID = 1, 2, 4, 8, 16
QNAN = 0x7FC00000
INF = 0x7F800000
SIGN = 0x80000000


# Float bit patterns and exact values.

def is_nan(bits):
    return bits & 0x7FFFFFFF > INF


def is_inf(bits):
    return bits & 0x7FFFFFFF == INF


def value(bits):
    """The exact value of a finite float."""
    field, fraction = (bits >> 23) & 0xFF, bits & 0x7FFFFF
    magnitude = Fraction(fraction, 1 << 149) if field == 0 else \
        Fraction((1 << 23) | fraction) * Fraction(2) ** (field - 150)
    return -magnitude if bits & SIGN else magnitude


def rounded(exact, zero_sign=0):
    """The float nearest to an exact value, ties to even, and the flags:
    FOV for an overflow to infinity, FUN when a value below the normal
    range is inexact.  An exact zero takes zero_sign."""
    if exact == 0:
        return zero_sign, 0
    sign = SIGN if exact < 0 else 0
    m = abs(exact)
    e = m.numerator.bit_length() - m.denominator.bit_length()
    if Fraction(2) ** e > m:
        e -= 1
    quantum = max(e, -126) - 23
    scaled = m / Fraction(2) ** quantum
    n = math.floor(scaled)
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2):
        n += 1
    flags = FUN if e < -126 and rest else 0
    bits = ((quantum + 150) << 23) + n - (1 << 23)
    if bits >= INF:
        return sign | INF, flags | FOV
    return sign | bits, flags


# The host's results: (result, flags).

def add(a, b):
    if is_nan(a) or is_nan(b):
        return QNAN, 0
    if is_inf(a) and is_inf(b):
        return (a, 0) if a == b else (QNAN, INVALID)
    if is_inf(a) or is_inf(b):
        return (a if is_inf(a) else b), 0
    zero_sign = a & b & SIGN
    return rounded(value(a) + value(b), zero_sign)


def sub(a, b):
    return add(a, b ^ SIGN)


def mul(a, b):
    if is_nan(a) or is_nan(b):
        return QNAN, 0
    sign = (a ^ b) & SIGN
    zero = lambda x: x & 0x7FFFFFFF == 0
    if is_inf(a) or is_inf(b):
        return (QNAN, INVALID) if zero(a) or zero(b) else (sign | INF, 0)
    return rounded(value(a) * value(b), sign)


def div(a, b):
    if is_nan(a) or is_nan(b):
        return QNAN, 0
    sign = (a ^ b) & SIGN
    if is_inf(a):
        return (QNAN, INVALID) if is_inf(b) else (sign | INF, 0)
    if is_inf(b):
        return sign, 0
    if value(b) == 0:
        return (QNAN, INVALID) if value(a) == 0 else (sign | INF, FDZ)
    return rounded(value(a) / value(b), sign)


def compare(a, b):
    """Bit k set when relation k holds: <, <=, >, >=, ==."""
    if is_nan(a) or is_nan(b):
        return 0
    x, y = [float("inf") if is_inf(v) and not v & SIGN else float("-inf") if is_inf(v)
            else value(v) for v in (a, b)]
    return (x < y) | (x <= y) << 1 | (x > y) << 2 | (x >= y) << 3 | (x == y) << 4


def to_int(bits, a):
    """Truncated toward zero, modulo 2^bits from -2^(bits-1) to 2^bits - 1,
    else saturated to the signed extremes with IOV."""
    low, high = -(1 << (bits - 1)), (1 << bits) - 1
    if is_nan(a):
        t = low - 1
    elif is_inf(a):
        t = low - 1 if a & SIGN else high + 1
    else:
        t = int(value(a))
    if low <= t <= high:
        return t & high, 0
    return (1 << (bits - 1)) - (t > 0), IOV


def from_int(bits, is_signed, a):
    x = a - (1 << bits) if is_signed and a >> (bits - 1) else a
    return rounded(Fraction(x))


# The families: for each routine the operand count, the operand width in
# bits, the result width and the host's result.

FAMILIES = {
    "add": {"FPA32": (2, 32, 32, add), "FPS32": (2, 32, 32, sub)},
    "mul": {"FPM32": (2, 32, 32, mul)},
    "div": {"FPD32": (2, 32, 32, div)},
    "cmp": {"compare": (2, 32, 8, compare)},
    "int": {f"INT32{n:02}": (1, 32, n, (lambda n: lambda a: (to_int(n, a)))(n))
            for n in (32, 24, 16, 8)},
    "flo": {f"FLO{n:02}32{s}": (1, n, 32, (lambda n, s: lambda a: from_int(n, s == "S", a))(n, s))
            for n in (32, 24, 16, 8) for s in "SU"},
    "pow2": {"pow2x16": (1, 16, 32, lambda a: rounded(Fraction(2) ** (a - (1 << 16) if a >> 15 else a)))},
}
COMPARISONS = ["TALTB32", "TALEB32", "TAGTB32", "TAGEB32", "TAEQB32"]


# Operands.

def f32(x):
    return struct.unpack("<I", struct.pack("<f", x))[0]


def float_edges():
    positive = {0, 1, 2, 0x400000, 0x7FFFFF, 0x800000, 0x800001, 0xFFFFFF, 0x1000000,
                0x3F800000, 0x3F800001, 0x3F7FFFFF, 0x3FC00000, 0x40000000, 0x40400000,
                0x3F000000, 0x33800000, 0x33000000, 0x33C00000, 0x34000000, 0x4B000000,
                0x4B800000, 0x4B7FFFFF, 0x1F800000, 0x5F800000, 0x7E800000, 0x7F000000,
                0x7F7FFFFF, INF, QNAN, 0x7F800001, 0x7FFFFFFF, f32(1 / 3), f32(math.pi),
                f32(0.1), 0x00FFFFFF, 0x3F7FFFFE}
    return sorted(positive | {v | SIGN for v in positive})


def exponent_near(rng, e):
    return min(max(e + rng.randint(-2, 2), 0), 254)


def random_float(rng, field):
    return rng.getrandbits(1) << 31 | field << 23 | rng.getrandbits(23)


def binary_operands(family):
    edges = float_edges()
    pairs = [(a, b) for a in edges for b in edges]
    rng = random.Random(family)
    for _ in range(3000):
        kind = rng.randrange(3)
        if kind == 0:
            pairs.append((rng.getrandbits(32), rng.getrandbits(32)))
            continue
        ea = rng.randrange(255)
        if kind == 1:
            # Exponents close together: cancellation, alignment by every
            # distance that still counts, equal values.
            eb = min(max(ea + rng.randint(-27, 27), 0), 254)
        elif family == "mul":
            # Products near the bottom of the subnormals and near overflow.
            target = rng.choice([rng.randint(-26, 3), rng.randint(250, 258)])
            eb = min(max(target - ea + 127, 0), 254)
        elif family == "div":
            target = rng.choice([rng.randint(-26, 3), rng.randint(250, 258)])
            eb = min(max(ea + 127 - target, 0), 254)
        else:
            ea, eb = rng.randrange(30), rng.randrange(30)
        a, b = random_float(rng, ea), random_float(rng, eb)
        if rng.randrange(8) == 0:
            # Few significant bits: exact results and ties.
            a &= ~0xFFFF
            b &= ~0xFFF
        if family == "cmp" and rng.randrange(3) == 0:
            b = rng.choice([a, a ^ SIGN, a + 1, a - 1]) & 0xFFFFFFFF
        pairs.append((a, b))
    return pairs


def int_operands():
    values = set(float_edges())
    for k in range(0, 35):
        for x in (2.0 ** k, 2.0 ** k - 0.5, 2.0 ** k + 0.5, 2.0 ** k - 1, 2.0 ** k + 1, 0.75 * 2.0 ** k):
            bits = f32(x)
            for near in (bits - 1 & 0x7FFFFFFF, bits, bits + 1):
                values |= {near, near | SIGN}
    values |= {f32(v) for v in (0.5, 0.99, 1.5, 2.5, -0.5, -0.99, -1.5, -2.5)}
    rng = random.Random(1)
    values |= {random_float(rng, rng.randrange(118, 162)) for _ in range(1200)}
    values |= {rng.getrandbits(32) for _ in range(200)}
    return sorted(values)


def flo_operands(bits):
    mask = (1 << bits) - 1
    values = {0, 1, 2, 3, mask, mask - 1, mask >> 1, (mask >> 1) + 1, (mask >> 1) + 2}
    for k in range(bits):
        values |= {(1 << k) + d & mask for d in (-1, 0, 1)}
        values |= {-(1 << k) + d & mask for d in (-1, 0, 1)}
    # Just past 24 significant bits: halfway cases of both parities.
    for k in range(25, bits + 1):
        for low in (1, 2, 3, 5, 0x80, 0x81, 0x7F):
            values |= {((1 << (k - 1)) | low << max(k - 27, 0)) & mask,
                       ((1 << k) - 1 - low) & mask}
    rng = random.Random(bits)
    values |= {rng.randrange(1 << rng.randrange(1, bits + 1)) for _ in range(600)}
    values |= {-rng.randrange(1 << rng.randrange(1, bits + 1)) & mask for _ in range(300)}
    return sorted(values)


def pow2_operands():
    """Every exponent from well below the subnormals to past the largest
    float, and the extremes of 16 bits."""
    return list(range(-170, 140)) + [-32768, -32767, -1000, -256, -255, 255, 256, 1000, 32766, 32767]


# Programs.

def loads(count, bits):
    """A function putting one or two operands in the argument bytes."""
    n = bits // 8
    stores = "".join(f"    __AARGB{n - 1 - k} = x >> {8 * k};\n" for k in range(n))
    if count == 2:
        stores += "".join(f"    __BARGB{3 - k} = y >> {8 * k};\n" for k in range(4))
    return f"""
void load(unsigned long x, unsigned long y)
{{
{stores}}}
"""


def result_bytes(bits):
    n = bits // 8
    return " | ".join(f"(unsigned long)__AARGB{n - 1 - k} << {8 * k}" for k in range(n))


def program(routine, operands):
    count, bits, rbits, _ = next(r for f in FAMILIES.values() for name, r in f.items()
                                 if name == routine)
    n = len(operands)
    table = lambda k: ", ".join(f"0x{ops[k]:X}" for ops in operands)
    arrays = f"#pragma idata ops_a\nunsigned long a[N] = {{{table(0)}}};\n"
    if count == 2:
        arrays += f"#pragma idata ops_b\nunsigned long b[N] = {{{table(1)}}};\n"
    second = "b[i]" if count == 2 else "0"
    if routine == "compare":
        # Each comparison's WREG becomes one bit of the result.
        calls = "".join(f"""
        load(a[i], {second});
        {name}();
        _asm movwf __TEMPB0, 0 _endasm
        r |= __TEMPB0 << {k};""" for k, name in enumerate(COMPARISONS))
        body = f"""
        r = 0;{calls}
        q[i] = r;
        f[i] = __FPFLAGS;"""
        declarations = "".join(f"void {name}(void);\n" for name in COMPARISONS)
        result_type = "unsigned char"
    else:
        body = f"""
        load(a[i], {second});
        {routine}();
        q[i] = {result_bytes(rbits)};
        f[i] = __FPFLAGS;"""
        declarations = f"void {routine}(void);\n"
        result_type = "unsigned long"
    names = ", ".join([f"__AARGB{k}" for k in range(4)] + [f"__BARGB{k}" for k in range(4)] +
                      ["__TEMPB0", "__FPFLAGS"])
    return f"""#define N {n}
{arrays}#pragma udata res_q
{result_type} q[N];
#pragma udata res_f
unsigned char f[N];
#pragma udata
extern near unsigned char {names};
{declarations}{loads(count, bits)}
void main(void)
{{
    unsigned char i, r;
    for (i = 0; i < N; i++) {{
        __FPFLAGS = 0;{body}
    }}
}}
"""


def check_batch(routine, operands, bindir, work):
    count, bits, rbits, host = next(r for f in FAMILIES.values() for name, r in f.items()
                                    if name == routine)
    tool = lambda name: os.path.join(bindir, name)
    with open(os.path.join(work, "prog.c"), "w") as f:
        f.write(program(routine, operands))
    run([tool("vexc"), "prog.c", "-fo", "prog.o"], work)
    run([tool("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    width = 8 if routine == "compare" else 32
    n = len(operands)
    output = run([tool("vxsim"), "-m", "prog.map", "prog.hex", "--dump", f"q:{n * width // 8}",
                  "--dump", f"f:{n}"], work)
    got = zip(dumped(output, "q", width, n), dumped(output, "f", 8, n))
    failures = 0
    for ops, (result, flags) in zip(operands, got):
        want = (host(*ops), 0) if routine == "compare" else host(*ops)
        if (result, flags) != want:
            failures += 1
            if failures <= 20:
                shown = ", ".join(f"0x{v:08X}" for v in ops)
                print(f"{routine} {shown}: got 0x{result:08X} flags 0x{flags:02X}, "
                      f"expected 0x{want[0]:08X} flags 0x{want[1]:02X}")
    return failures


def main():
    parser = argparse.ArgumentParser(description="Checks a family of float routines.")
    parser.add_argument("--bin", required=True, help="directory of vexc, vxlink and vxsim")
    parser.add_argument("family", choices=sorted(FAMILIES))
    args = parser.parse_args()
    status = 0
    with tempfile.TemporaryDirectory(prefix="float-") as work:
        for routine, (count, bits, rbits, _) in FAMILIES[args.family].items():
            if args.family == "int":
                operands = [(a,) for a in int_operands()]
            elif args.family == "flo":
                operands = [(a,) for a in flo_operands(bits)]
            elif args.family == "pow2":
                operands = [(a & 0xFFFF,) for a in pow2_operands()]
            else:
                operands = binary_operands(args.family)
            batch = BATCH_BYTES // 4
            failures = sum(check_batch(routine, operands[start:start + batch], args.bin, work)
                           for start in range(0, len(operands), batch))
            print(f"{routine}: {len(operands)} operands, {failures} wrong")
            status |= failures != 0
    return status


if __name__ == "__main__":
    sys.exit(main())
