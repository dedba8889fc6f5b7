#!/usr/bin/env python3
"""Preprocessor speed: generates a macro-heavy translation unit with many
headers, runs vexpp and the host's `cpp -P` on it in the same run, and
prints the best of several timings of each and their ratio.

Run: cmake --build build --target bench_preprocessor
 or: python3 bench/preprocessor/run_bench.py --vexpp build/bin/vexpp"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HEADERS = 80
FUNCTIONS_PER_HEADER = 40
MAIN_FUNCTIONS = 3000


def header_text(n):
    lines = [f"#ifndef HEADER_{n}_H", f"#define HEADER_{n}_H", f'#include "common.h"', ""]
    lines.append(f"/* Register block {n}: every field has a mask, a shift and accessors. */")
    for f in range(FUNCTIONS_PER_HEADER):
        lines.append(f"#define REG{n}_F{f}_MASK (0x{(f * 37 + n) & 0xff:02x}u << REG{n}_F{f}_SHIFT)")
        lines.append(f"#define REG{n}_F{f}_SHIFT {f % 8}")
        lines.append(f"#define REG{n}_F{f}_GET(r) FIELD_GET(r, REG{n}_F{f}_MASK, REG{n}_F{f}_SHIFT)")
        lines.append(f"#define REG{n}_F{f}_SET(r, v) FIELD_SET(r, REG{n}_F{f}_MASK, REG{n}_F{f}_SHIFT, v)")
        lines.append(f"extern unsigned char reg{n}_f{f}(unsigned char value, int count);")
    lines.append("#if defined(__VxCORE) && (VERSION_MAJOR * 100 + VERSION_MINOR) >= 302")
    lines.append(f"#define HEADER_{n}_FEATURE 1")
    lines.append("#else")
    lines.append(f"#define HEADER_{n}_FEATURE 0")
    lines.append("#endif")
    lines.append("#endif")
    return "\n".join(lines) + "\n"


COMMON = r"""#ifndef COMMON_H
#define COMMON_H
#define VERSION_MAJOR 3
#define VERSION_MINOR 16
#define FIELD_GET(r, m, s) (((r) & (m)) >> (s))
#define FIELD_SET(r, m, s, v) ((r) = (unsigned char)(((r) & ~(m)) | (((v) << (s)) & (m))))
#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define CLAMP(x, lo, hi) MIN(MAX(x, lo), hi)
#define CAT(a, b) a ## b
#define XCAT(a, b) CAT(a, b)
#define STR(x) #x
#define XSTR(x) STR(x)
#define LOG(fmt, ...) log_write(__FILE__, __LINE__, fmt, __VA_ARGS__)
#define ARRAY_SIZE(a) (sizeof(a) / sizeof((a)[0]))
#endif
"""


def main_text():
    lines = ['#include "common.h"']
    for n in range(HEADERS):
        lines.append(f'#include "h{n}.h"')
    lines.append("")
    for i in range(MAIN_FUNCTIONS):
        n = i % HEADERS
        f = i % FUNCTIONS_PER_HEADER
        lines.append(f"/* function {i}: combines the fields of block {n} */")
        lines.append(f"unsigned char XCAT(work_, {i})(unsigned char r, unsigned char v)")
        lines.append("{")
        lines.append(f"    unsigned char a = REG{n}_F{f}_GET(r);")
        lines.append(f"    REG{n}_F{f}_SET(r, CLAMP(v, {i % 7}, {i % 200 + 10}));")
        lines.append(f"#if HEADER_{n}_FEATURE && {i % 3}")
        lines.append(f'    LOG("block %d field %d: %s", {n}, {f}, XSTR(REG{n}_F{f}_MASK));')
        lines.append("#else")
        lines.append(f"    a = MAX(a, reg{n}_f{f}(r, {i}));")
        lines.append("#endif")
        lines.append("    return a + r; // sum of both")
        lines.append("}")
    return "\n".join(lines) + "\n"


def best_time(command, runs):
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None or elapsed < best else best
    return best


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vexpp", required=True)
    parser.add_argument("--cpp", default="cpp")
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()
    if not shutil.which(args.cpp):
        print(f"host preprocessor '{args.cpp}' not found", file=sys.stderr)
        return 1
    work = tempfile.mkdtemp(prefix="vexpp-bench-")
    try:
        with open(os.path.join(work, "common.h"), "w") as f:
            f.write(COMMON)
        for n in range(HEADERS):
            with open(os.path.join(work, f"h{n}.h"), "w") as f:
                f.write(header_text(n))
        source = os.path.join(work, "main.c")
        with open(source, "w") as f:
            f.write(main_text())
        vexpp_out = os.path.join(work, "vexpp.i")
        cpp_out = os.path.join(work, "cpp.i")
        vexpp_cmd = [args.vexpp, "-o", vexpp_out, "-d__VxCORE", source]
        cpp_cmd = [args.cpp, "-P", "-D__VxCORE", "-o", cpp_out, source]
        t_vexpp = best_time(vexpp_cmd, args.runs)
        t_cpp = best_time(cpp_cmd, args.runs)
        print(f"input: {HEADERS + 1} headers, {os.path.getsize(source)} bytes of source; "
              f"output: vexpp {os.path.getsize(vexpp_out)} bytes, cpp {os.path.getsize(cpp_out)} bytes")
        print(f"vexpp:  {t_vexpp * 1000:.1f} ms (best of {args.runs})")
        print(f"cpp -P: {t_cpp * 1000:.1f} ms (best of {args.runs})")
        print(f"ratio vexpp/cpp: {t_vexpp / t_cpp:.2f} (target: at most 1.50)")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
