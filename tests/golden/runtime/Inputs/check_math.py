#!/usr/bin/env python3
"""Runs one math routine of the runtime library on the simulated target over
edge and random operands and compares every result with the host's.

    check_math.py --bin DIR ROUTINE

The routines that the code generator calls are reached through the
compiler's *, / and %, so the operands and results travel as the generated
code passes them; the others are called directly through their argument
bytes.  Each program takes a batch of operand pairs from initialized arrays
and leaves its results in two arrays that vxsim dumps."""

import argparse
import os
import random
import re
import subprocess
import sys
import tempfile

# Every array has a data section of its own, and a section holds at most
# one bank of 256 bytes.
BATCH_BYTES = 240

ROUTINES = {
    # name: (operand bits, signed, operation, called directly)
    "FXD0808U": (8, False, "div", False),
    "FXD0808S": (8, True, "div", False),
    "FXD1616U": (16, False, "div", False),
    "FXD1616S": (16, True, "div", False),
    "FXD2424U": (24, False, "div", False),
    "FXD2424S": (24, True, "div", False),
    "FXD3232U": (32, False, "div", False),
    "FXD3232S": (32, True, "div", False),
    "FXM0808U": (8, False, "widening mul", True),
    "FXM0808S": (8, True, "widening mul", True),
    "FXM1616U": (16, False, "mul", True),
    "FXM1616S": (16, True, "mul", True),
    "FXM2424U": (24, False, "mul", False),
    "FXM2424S": (24, True, "mul", False),
    "FXM3232U": (32, False, "mul", False),
    "FXM3232S": (32, True, "mul", False),
    "FXM3232": (32, False, "mul", True),
}


def signed(value, bits):
    return value - (1 << bits) if value >> (bits - 1) else value


def result_bits(routine):
    bits, _, operation, _ = ROUTINES[routine]
    return 2 * bits if operation == "widening mul" else bits


def expected(routine, a, b):
    """The two results as unsigned bit patterns: quotient and remainder, or
    the product twice (a times b, then b times a)."""
    bits, is_signed, operation, _ = ROUTINES[routine]
    mask = (1 << result_bits(routine)) - 1
    x, y = (signed(a, bits), signed(b, bits)) if is_signed else (a, b)
    if operation != "div":
        return (x * y) & mask, (x * y) & mask
    if b == 0:
        return mask, a
    quotient = abs(x) // abs(y)
    if (x < 0) != (y < 0):
        quotient = -quotient
    return quotient & mask, (x - quotient * y) & mask


def edge_values(bits, is_signed):
    mask = (1 << bits) - 1
    edges = {0, 1, 2, 3, 5, 7, 10, mask, mask - 1, mask - 2, mask >> 1, (mask >> 1) - 1,
             (mask >> 1) + 1, (mask >> 1) + 2, 0x55 * (mask // 0xFF), 0xAA * (mask // 0xFF)}
    edges |= {1 << k for k in range(bits)}
    # All ones below every power of two for the narrow routines; for the
    # wide ones only at the byte boundaries, where carries cross bytes and
    # whole zero bytes begin, so that the crossed pairs stay a few
    # thousand.
    edges |= {(1 << k) - 1 for k in range(1, bits) if bits <= 16 or k % 8 in (0, 1, 7)}
    if bits == 16:
        edges |= {0x00FF, 0x0100, 0x0101, 0x1234, 0xFF00, 0xFF01}
    if bits > 16:
        edges |= {0x1234, 0xFF00, 0x10000, 0x123456 & mask, 0x12345678 & mask, 0xFF0000 & mask,
                  mask ^ 0xFF}
    if is_signed:
        edges |= {(-v) & mask for v in (2, 3, 5, 7, 10, 100, 1000)}
    return sorted(edges)


def operands(bits, is_signed):
    edges = edge_values(bits, is_signed)
    pairs = [(a, b) for a in edges for b in edges]
    rng = random.Random(bits * 2 + is_signed)
    # Values of any length, so that dividends and divisors of every size
    # meet: each path of the routines.
    any_length = lambda: rng.randrange(1 << rng.randrange(1, bits + 1))
    for _ in range(300):
        a = rng.choice([rng.randrange(1 << bits), any_length()])
        b = rng.choice([rng.randrange(1, 16), rng.randrange(1 << (bits - 1), 1 << bits),
                        rng.randrange(1 << bits), any_length()])
        pairs.append((a, b))
    return pairs


def c_type(bits, is_signed):
    base = {8: "char", 16: "int", 24: "short long", 32: "long"}[bits]
    return ("signed " if is_signed else "unsigned ") + base


def direct_call(routine):
    """A function that puts two operands in the argument bytes, and the
    expression that reads the result back from them."""
    bits = ROUTINES[routine][0]
    n = bits // 8
    m = result_bits(routine) // 8
    t = c_type(bits, False)
    rt = c_type(result_bits(routine), False)
    names = sorted({f"__AARGB{k}" for k in range(max(n, m))} | {f"__BARGB{k}" for k in range(n)})
    stores = "".join(f"    __AARGB{n - 1 - k} = x >> {8 * k};\n    __BARGB{n - 1 - k} = y >> {8 * k};\n"
                     for k in range(n))
    result = " | ".join(f"({rt})__AARGB{m - 1 - k} << {8 * k}" for k in range(m))
    helpers = f"""
extern near unsigned char {", ".join(names)};
void {routine}(void);

void call_with({t} x, {t} y)
{{
{stores}}}
"""
    return helpers, result


def program(routine, pairs):
    bits, is_signed, operation, direct = ROUTINES[routine]
    count = len(pairs)
    t = c_type(bits, is_signed)
    rt = c_type(result_bits(routine), is_signed)
    literal = lambda v: str(signed(v, bits)) if is_signed else f"0x{v:X}"
    helpers = ""
    if direct:
        helpers, result = direct_call(routine)
        body = f"""
        call_with(a[i], b[i]);
        {routine}();
        q[i] = {result};
        call_with(b[i], a[i]);
        {routine}();
        r[i] = {result};"""
    elif operation == "mul":
        body = """
        q[i] = a[i] * b[i];
        r[i] = b[i] * a[i];"""
    else:
        body = """
        q[i] = a[i] / b[i];
        r[i] = a[i] % b[i];"""
    table = lambda values: ", ".join(literal(v) for v in values)
    return f"""#define N {count}
#pragma idata ops_a
{t} a[N] = {{{table(p[0] for p in pairs)}}};
#pragma idata ops_b
{t} b[N] = {{{table(p[1] for p in pairs)}}};
#pragma udata res_q
{rt} q[N];
#pragma udata res_r
{rt} r[N];
#pragma udata
{helpers}
void main(void)
{{
    unsigned char i;
    for (i = 0; i < N; i++) {{{body}
    }}
}}
"""


def run(command, cwd):
    result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, timeout=120)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} exited with status {result.returncode}:\n{result.stdout}")
    return result.stdout


def dumped(output, name, bits, count):
    m = re.search(rf"^{name}:((?: [0-9A-F]{{2}})+)$", output, re.M)
    if not m:
        sys.exit(f"vxsim printed no {name}:\n{output}")
    data = bytes.fromhex(m.group(1))
    width = bits // 8
    return [int.from_bytes(data[i * width:(i + 1) * width], "little") for i in range(count)]


def check_batch(routine, pairs, bindir, work):
    bits = ROUTINES[routine][0]
    rbits = result_bits(routine)
    tool = lambda name: os.path.join(bindir, name)
    with open(os.path.join(work, "prog.c"), "w") as f:
        f.write(program(routine, pairs))
    run([tool("vexc"), "prog.c", "-fo", "prog.o"], work)
    run([tool("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    with open(os.path.join(work, "prog.map")) as f:
        if not re.search(rf"^{routine} ", f.read(), re.M):
            sys.exit(f"the program does not link {routine}")
    size = len(pairs) * rbits // 8
    output = run([tool("vxsim"), "-m", "prog.map", "prog.hex", "--dump", f"q:{size}",
                  "--dump", f"r:{size}"], work)
    got = zip(dumped(output, "q", rbits, len(pairs)), dumped(output, "r", rbits, len(pairs)))
    failures = 0
    digits, rdigits = bits // 4, rbits // 4
    for (a, b), result in zip(pairs, got):
        want = expected(routine, a, b)
        if tuple(result) != want:
            failures += 1
            print(f"{routine} 0x{a:0{digits}X}, 0x{b:0{digits}X}: got 0x{result[0]:0{rdigits}X} "
                  f"0x{result[1]:0{rdigits}X}, expected 0x{want[0]:0{rdigits}X} 0x{want[1]:0{rdigits}X}")
    return failures


def main():
    parser = argparse.ArgumentParser(description="Checks one runtime math routine.")
    parser.add_argument("--bin", required=True, help="directory of vexc, vxlink and vxsim")
    parser.add_argument("routine", choices=sorted(ROUTINES))
    args = parser.parse_args()
    bits, is_signed, _, _ = ROUTINES[args.routine]
    pairs = operands(bits, is_signed)
    batch = BATCH_BYTES // (max(bits, result_bits(args.routine)) // 8)
    failures = 0
    with tempfile.TemporaryDirectory(prefix="math-") as work:
        for start in range(0, len(pairs), batch):
            failures += check_batch(args.routine, pairs[start:start + batch], args.bin, work)
    print(f"{args.routine}: {len(pairs)} operand pairs, {failures} wrong")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
