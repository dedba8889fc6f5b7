#!/usr/bin/env python3
"""Compile speed of the whole compiler: generates a unit of about 10,000 lines of
small 8- and 16-bit functions, times complete `vexc` runs on it
(preprocessing, parsing, translation, code generation, optimizer, object)
and the host's `gcc -S -O2` on the same file, and prints the seconds per
1,000 lines of each, best of several runs, and their ratio.

Run: cmake --build build --target bench_codegen_speed
 or: python3 bench/codegen_speed/run_bench.py --vexc build/bin/vexc"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

LINES = 10000

# The object format holds at most 65,535 relocations and line numbers per
# section, which the code of a few thousand lines exceeds; a program this
# large spreads its code over several sections, one per 1,000 lines here.
LINES_PER_SECTION = 1000

# One unit of about sixty lines, '@' standing for its number: globals of
# each width, a byte mixer, a word loop, a table filled through a pointer,
# a string walk and an event switch that calls the others.
UNIT = r"""unsigned char flags@;
int level@;
unsigned int total@;
char text@[16];
int table@[8];

unsigned char mix@(unsigned char a, unsigned char b)
{
    unsigned char r = (unsigned char)((a & 0x0F) | (b << 4));
    r ^= (unsigned char)(a >> 2);
    if (r > 200)
        r -= b;
    else if (r == a)
        r |= 0x80;
    return r;
}

int scale@(int x, int k)
{
    int y = x * k + (x << 3) - (k >> 1);
    while (y > 1000)
        y -= 250;
    return y < -1000 ? -1000 : y;
}

unsigned int fill@(unsigned char n, unsigned int seed)
{
    unsigned char i;
    unsigned int sum = 0;
    int *p = table@;
    for (i = 0; i < 8 && i < n; i++) {
        p[i] = scale@((int)seed, i + 1);
        sum += (unsigned int)p[i] ^ seed;
        seed = (seed << 1) | (seed >> 15);
    }
    total@ += sum;
    return sum;
}

unsigned char count@(char *s)
{
    unsigned char n = 0;
    while (*s != 0 && n < 15) {
        if (*s >= (char)'a' && *s <= (char)'z')
            *s = (char)(*s - 32);
        s++;
        n++;
    }
    return n;
}

int step@(unsigned char event)
{
    signed char bias = (signed char)(event & 7) - 4;
    switch (event) {
    case 0: level@ = 0; break;
    case 1: level@ += 10; break;
    case 2: level@ -= mix@(flags@, event); break;
    case 5: flags@ = (unsigned char)(flags@ | 1); break;
    default: level@ = scale@(level@, bias); break;
    }
    text@[event & 15] = (char)('a' + (event & 7));
    return level@ + count@(text@) + (int)fill@(event, total@);
}
"""

FUNCTIONS_PER_UNIT = UNIT.count("\n{\n")


# Whole units until the file has at least LINES lines.
def generate():
    lines = []
    section = 0
    unit = 0
    while len(lines) < LINES:
        if len(lines) >= section * LINES_PER_SECTION:
            lines.append(f"#pragma code part{section}")
            section += 1
        lines += UNIT.replace("@", str(unit)).splitlines()
        unit += 1
    return "\n".join(lines) + "\n", len(lines), unit, section


def best_time(command, cwd, runs, check):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                text=True, errors="replace")
        elapsed = time.perf_counter() - start
        problem = check(result)
        if problem:
            raise RuntimeError(f"{command[0]}: {problem}")
        best = elapsed if best is None or elapsed < best else best
    return best


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vexc", required=True)
    parser.add_argument("--gcc", default="gcc")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    if not shutil.which(args.gcc):
        print(f"host compiler '{args.gcc}' not found", file=sys.stderr)
        return 1
    vexc = os.path.abspath(args.vexc)
    work = tempfile.mkdtemp(prefix="vexc-bench-")
    try:
        text, lines, units, sections = generate()
        source = os.path.join(work, "unit.c")
        with open(source, "w") as f:
            f.write(text)
        errors = os.path.join(work, "unit.err")

        # vexc removes its error file when it holds nothing, so a file left
        # behind means a diagnostic, even one that is only a message (-w 3).
        def vexc_clean(result):
            if result.returncode != 0:
                return f"exit status {result.returncode}"
            if os.path.exists(errors):
                with open(errors, errors="replace") as f:
                    return "diagnostics:\n" + "".join(f.readlines()[:10])
            return None

        def gcc_clean(result):
            if result.returncode != 0:
                return f"exit status {result.returncode}:\n" + "".join(result.stdout.splitlines(True)[:10])
            return None

        vexc_cmd = [vexc, "-Oi+", "-w", "3", source, "-fo", "unit.o", "-fe", errors]
        gcc_cmd = [args.gcc, "-S", "-O2", "-w", "-x", "c", "-Drom=", "-Dnear=", "-Dfar=", source, "-o", "unit.s"]
        t_vexc = best_time(vexc_cmd, work, args.runs, vexc_clean)
        t_gcc = best_time(gcc_cmd, work, args.runs, gcc_clean)
        per_k = lines / 1000
        print(f"input: {lines} lines, {len(text)} bytes, {units * FUNCTIONS_PER_UNIT} functions in {sections} code sections; "
              f"object {os.path.getsize(os.path.join(work, 'unit.o'))} bytes (best of {args.runs} runs)")
        print(f"vexc -Oi+:  {t_vexc / per_k:.4f} s per 1,000 lines ({t_vexc:.3f} s in all)")
        print(f"gcc -S -O2: {t_gcc / per_k:.4f} s per 1,000 lines ({t_gcc:.3f} s in all)")
        print(f"ratio vexc/gcc: {t_vexc / t_gcc:.2f}")
    except RuntimeError as error:
        print(f"bench_codegen_speed: {error}", file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
