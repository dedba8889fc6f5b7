#!/usr/bin/env python3
"""Code size and speed of generated code: builds each example program (a
fixed set of the end-to-end programs, of the kinds embedded code has) with
`vexc -Oi+`, links it, runs it in vxsim and prints per program the bytes of
its own code, the bytes of the whole program image, the bytes of its own
data and the simulated cycles, then the geometric means of code bytes, data
bytes and cycles, which later changes to the compiler are measured against.

Each program leaves a result in out[0..out_len); it must equal what the
same program computes on the host, so that no figure comes from code that
computes something else.

Run: cmake --build build --target bench_codesize
 or: python3 bench/codesize/run_bench.py --vexc build/bin/vexc --vxlink build/bin/vxlink \\
         --vxsim build/bin/vxsim --vxdump build/bin/vxdump"""

import argparse
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
E2E = os.path.join(HERE, "..", "..", "tests", "e2e")
sys.path.insert(0, E2E)
import run_e2e  # noqa: E402

PROGRAMS = os.path.join(E2E, "programs")
EXAMPLES = [
    "base64", "bit_counting", "bit_manipulation", "checksum_crc16", "checksum_crc8", "command_parser",
    "dispatch_table", "fixed_point_filter", "func_pointer_table", "pid_control", "records", "recursion_fib",
    "recursion_gcd", "recursion_hanoi", "ring_buffer", "sort_bubble", "sort_insertion", "state_machine",
    "string_format", "string_ops", "struct_pointers",
    # 32-bit arithmetic, program-memory tables and interrupt-driven work
    "algo32_crc32", "algo32_fletcher32", "algo32_roots", "algo32_xorshift", "rom_lookup_tables", "rom_strings",
    "irq_timer_count", "irq_two_level_queue",
    # floating point and formatted output
    "float_filter_horner", "float_pid", "float_matrix", "math_functions", "stdio_sprintf_integers",
]
OUT_SIZE = 64

SECTION_ROW = re.compile(r"^(\S+)\s+(\S+)\s+(program|data)\s+0x([0-9A-Fa-f]+)\s+0x([0-9A-Fa-f]+)\s+(\S.*)$")
SCN_IDATA = 0x40
SCN_UDATA = 0x80


class Failure(Exception):
    pass


def run(command, cwd):
    try:
        result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                text=True, errors="replace", timeout=300)
    except subprocess.TimeoutExpired:
        raise Failure(f"{os.path.basename(command[0])} did not end within 300 seconds")
    except OSError as error:
        raise Failure(f"{command[0]} cannot be run: {error.strerror}")
    return result.returncode, result.stdout


def map_sections(path):
    """The rows of the map's "Sections:" table: name, kind, memory, size, object."""
    rows = []
    with open(path, errors="replace") as f:
        lines = f.read().splitlines()
    try:
        start = lines.index("Sections:") + 2  # past the column headings
    except ValueError:
        raise Failure(f"{path} has no Sections: table")
    for line in lines[start:]:
        if not line.strip():
            break
        m = SECTION_ROW.match(line)
        if not m:
            raise Failure(f"unexpected row in the Sections: table of {path}: {line}")
        rows.append((m.group(1), m.group(2), m.group(3), int(m.group(5), 16), m.group(6).strip()))
    return rows


def object_sections(vxdump, obj, cwd):
    """(flags, size) of every section header of an object file."""
    status, output = run([vxdump, obj], cwd)
    if status != 0:
        raise Failure(f"vxdump {obj} exited with status {status}:\n{output}")
    sections = []
    header = None
    for line in output.splitlines():
        if line == "Section Header:":
            header = {}
        elif header is not None:
            m = re.match(r"^\s+(\w+)=(\S+)", line)
            if not m:
                raise Failure(f"unexpected line in the section headers of {obj}: {line}")
            header[m.group(1)] = m.group(2)
            if m.group(1) == "_s_name":
                sections.append((int(header["s_flags"], 16), int(header["s_size"])))
                header = None
    return sections


def measure(name, source, tools, work):
    vexc_options, vxsim_options, _, _ = run_e2e.markers(source)
    try:
        expected = run_e2e.host_side(source, work, vexc_options)
    except run_e2e.Failure as failure:
        raise Failure(f"the host build failed: {failure}")
    obj, hexfile, mapfile = f"{name}.o", f"{name}.hex", f"{name}.map"
    status, output = run([tools.vexc, "-Oi+", *vexc_options, source, "-fo", obj, "-fe", f"{name}.err"], work)
    if status != 0:
        raise Failure(f"vexc exited with status {status}:\n{output}")
    status, output = run([tools.vxlink, obj, "-o", hexfile, "-m", mapfile], work)
    if status != 0:
        raise Failure(f"vxlink exited with status {status}:\n{output}")
    status, output = run([tools.vxsim, "-m", mapfile, hexfile, "--stats", *vxsim_options,
                          "--dump", f"out:{OUT_SIZE}", "--print", "out_len"], work)
    if status != 0:
        raise Failure(f"vxsim exited with status {status} (no SLEEP):\n{output}")
    cycles = re.search(r"^cycles: (\d+)$", output, re.M)
    dump = re.search(r"^out:((?: [0-9A-F]{2})+)$", output, re.M)
    length = re.search(r"^out_len = 0x([0-9A-F]+) ", output, re.M)
    if not cycles or not dump or not length:
        raise Failure(f"vxsim printed no statistics or result:\n{output}")
    result = bytes.fromhex(dump.group(1))[:int(length.group(1), 16)]
    if result != expected:
        raise Failure(f"wrong result: {result.hex(' ').upper()}, expected {expected.hex(' ').upper()}")

    sections = map_sections(os.path.join(work, mapfile))
    own = [row for row in sections if row[4] == obj]
    code = sum(size for _, kind, _, size, _ in own if kind == "code")
    total = sum(size for _, _, memory, size, _ in sections if memory == "program")
    # The map lists a section that several objects share (the math
    # library's registers, the overlaid temporaries) once, under the first
    # object, with the size of all; only the object's own headers tell what
    # the program itself takes.
    data = sum(size for flags, size in object_sections(tools.vxdump, obj, work)
               if flags & (SCN_IDATA | SCN_UDATA))
    return code, total, data, int(cycles.group(1))


def geometric_mean(values):
    return math.exp(sum(math.log(max(v, 1)) for v in values) / len(values))


def main():
    parser = argparse.ArgumentParser()
    for tool in ("vexc", "vxlink", "vxsim", "vxdump"):
        parser.add_argument(f"--{tool}", required=True)
    tools = parser.parse_args()
    for tool in ("vexc", "vxlink", "vxsim", "vxdump"):
        setattr(tools, tool, os.path.abspath(getattr(tools, tool)))
    sources = [os.path.join(PROGRAMS, f"{name}.c") for name in EXAMPLES]
    measured = []
    failures = 0
    work = tempfile.mkdtemp(prefix="codesize-bench-")
    try:
        print(f"{'program':<20} {'code':>6} {'total':>6} {'data':>6} {'cycles':>9}")
        for source in sources:
            name = os.path.splitext(os.path.basename(source))[0]
            try:
                figures = measure(name, source, tools, work)
            except Failure as failure:
                print(f"{name:<20} FAILED: {failure}")
                failures += 1
                continue
            measured.append(figures)
            code, total, data, cycles = figures
            print(f"{name:<20} {code:>6} {total:>6} {data:>6} {cycles:>9}")
        if measured:
            means = [geometric_mean([m[i] for m in measured]) for i in range(4)]
            print(f"{'geometric mean':<20} {means[0]:>6.0f} {means[1]:>6.0f} {means[2]:>6.0f} {means[3]:>9.0f}"
                  f"   ({len(measured)} of {len(sources)} programs)")
        print("code: bytes of the program's own code sections; total: bytes of the whole program image "
              "(start-up, runtime, copy table, initial data); data: bytes of the program's udata and idata; "
              "cycles: simulated, start-up included")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
