#!/usr/bin/env python3
"""Runs one math routine of the runtime library on the simulated target over
edge and random operands and compares every result with the host's.

    check_math.py --bin DIR ROUTINE

The division routines are reached through the compiler's / and %, so the
operands and results travel as the generated code passes them; the
multiplication routines, which the code generator does not call, are
called directly through their argument bytes.  Each program takes a batch
of operand pairs from initialized arrays and leaves its results in two
arrays that vxsim dumps."""

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
    # name: (bits, signed, operation)
    "FXD0808U": (8, False, "div"),
    "FXD0808S": (8, True, "div"),
    "FXD1616U": (16, False, "div"),
    "FXD1616S": (16, True, "div"),
    "FXM1616U": (16, False, "mul"),
    "FXM1616S": (16, True, "mul"),
}


def signed(value, bits):
    return value - (1 << bits) if value >> (bits - 1) else value


def expected(routine, a, b):
    """The two results as unsigned bit patterns: quotient and remainder, or
    the product twice (once from each of the two calls)."""
    bits, is_signed, operation = ROUTINES[routine]
    mask = (1 << bits) - 1
    if operation == "mul":
        return (a * b) & mask, (a * b) & mask
    if b == 0:
        return mask, a
    x, y = (signed(a, bits), signed(b, bits)) if is_signed else (a, b)
    quotient = abs(x) // abs(y)
    if (x < 0) != (y < 0):
        quotient = -quotient
    return quotient & mask, (x - quotient * y) & mask


def operands(bits, is_signed):
    mask = (1 << bits) - 1
    edges = {0, 1, 2, 3, 5, 7, 10, mask, mask - 1, mask - 2, mask >> 1, (mask >> 1) - 1,
             (mask >> 1) + 1, (mask >> 1) + 2, 0x55 * (mask // 0xFF), 0xAA * (mask // 0xFF)}
    edges |= {1 << k for k in range(bits)}
    edges |= {(1 << k) - 1 for k in range(1, bits)}
    if bits == 16:
        edges |= {0x00FF, 0x0100, 0x0101, 0x1234, 0xFF00, 0xFF01}
    if is_signed:
        edges |= {(-v) & mask for v in (2, 3, 5, 7, 10, 100)}
    edges = sorted(edges)
    pairs = [(a, b) for a in edges for b in edges]
    rng = random.Random(bits * 2 + is_signed)
    for _ in range(300):
        a = rng.randrange(1 << bits)
        # Small, large and any divisors: each path of the routines.
        b = rng.choice([rng.randrange(1, 16), rng.randrange(1 << (bits - 1), 1 << bits),
                        rng.randrange(1 << bits)])
        pairs.append((a, b))
    return pairs


def c_type(bits, is_signed):
    base = "char" if bits == 8 else "int"
    return ("signed " if is_signed else "unsigned ") + base


def program(routine, pairs):
    bits, is_signed, operation = ROUTINES[routine]
    count = len(pairs)
    if operation == "mul":
        t = "unsigned int"
        literal = lambda v: f"0x{v:X}"
        body = f"""
        call_with(a[i], b[i]);
        {routine}();
        q[i] = (unsigned int)__AARGB0 << 8 | __AARGB1;
        call_with(a[i], b[i]);
        {routine}();
        r[i] = (unsigned int)__AARGB0 << 8 | __AARGB1;"""
        helpers = f"""
extern near unsigned char __AARGB0, __AARGB1, __BARGB0, __BARGB1;
void {routine}(void);

void call_with(unsigned int x, unsigned int y)
{{
    __AARGB1 = x;
    __AARGB0 = x >> 8;
    __BARGB1 = y;
    __BARGB0 = y >> 8;
}}
"""
    else:
        t = c_type(bits, is_signed)
        literal = lambda v: str(signed(v, bits)) if is_signed else f"0x{v:X}"
        body = """
        q[i] = a[i] / b[i];
        r[i] = a[i] % b[i];"""
        helpers = ""
    table = lambda values: ", ".join(literal(v) for v in values)
    return f"""#define N {count}
#pragma idata ops_a
{t} a[N] = {{{table(p[0] for p in pairs)}}};
#pragma idata ops_b
{t} b[N] = {{{table(p[1] for p in pairs)}}};
#pragma udata res_q
{t} q[N];
#pragma udata res_r
{t} r[N];
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
    tool = lambda name: os.path.join(bindir, name)
    with open(os.path.join(work, "prog.c"), "w") as f:
        f.write(program(routine, pairs))
    run([tool("vexc"), "prog.c", "-fo", "prog.o"], work)
    run([tool("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    with open(os.path.join(work, "prog.map")) as f:
        if not re.search(rf"^{routine} ", f.read(), re.M):
            sys.exit(f"the program does not link {routine}")
    size = len(pairs) * bits // 8
    output = run([tool("vxsim"), "-m", "prog.map", "prog.hex", "--dump", f"q:{size}",
                  "--dump", f"r:{size}"], work)
    got = zip(dumped(output, "q", bits, len(pairs)), dumped(output, "r", bits, len(pairs)))
    failures = 0
    digits = bits // 4
    for (a, b), result in zip(pairs, got):
        want = expected(routine, a, b)
        if tuple(result) != want:
            failures += 1
            print(f"{routine} 0x{a:0{digits}X}, 0x{b:0{digits}X}: got 0x{result[0]:0{digits}X} "
                  f"0x{result[1]:0{digits}X}, expected 0x{want[0]:0{digits}X} 0x{want[1]:0{digits}X}")
    return failures


def main():
    parser = argparse.ArgumentParser(description="Checks one runtime math routine.")
    parser.add_argument("--bin", required=True, help="directory of vexc, vxlink and vxsim")
    parser.add_argument("routine", choices=sorted(ROUTINES))
    args = parser.parse_args()
    bits, is_signed, _ = ROUTINES[args.routine]
    pairs = operands(bits, is_signed)
    batch = BATCH_BYTES // (bits // 8)
    failures = 0
    with tempfile.TemporaryDirectory(prefix="math-") as work:
        for start in range(0, len(pairs), batch):
            failures += check_batch(args.routine, pairs[start:start + batch], args.bin, work)
    print(f"{args.routine}: {len(pairs)} operand pairs, {failures} wrong")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
