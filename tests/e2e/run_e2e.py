#!/usr/bin/env python3
"""Runs one end-to-end program on the host and on the simulated target and
compares the result bytes that it leaves in out[0..out_len).

    run_e2e.py --bin DIR prog.c     build, run and compare both sides
    run_e2e.py --host-only prog.c   print the host's result bytes

Markers in the program:
    // VEXC-OPTIONS: ...   extra options for vexc
    // VXSIM-OPTIONS: ...  extra options for vxsim (say, --irq requests)
    // E2E-HOST: skip      the host cannot give the expected result (say, a
                           division by zero); the host side is only compiled,
                           and the target side has to run and, when the
                           program has the next marker, give its bytes
    // E2E-EXPECT: XX ...  the expected result bytes in hexadecimal"""

import argparse
import os
import re
import shlex
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_SIZE = 64

# Warnings are errors so that the programs stay free of what gcc can see
# (-O1 lets it see uninitialized values), and the sanitizer stops a program
# at undefined behaviour instead of letting it produce a result to compare.
# The target's plain char is signed unless vexc gets -k; the host must agree
# whatever its own default (see host_side).
HOST_FLAGS = ["-std=gnu99", "-O1", "-Wall", "-Wextra", "-Werror",
              "-fsanitize=undefined", "-fno-sanitize-recover=undefined",
              "-Drom=", "-Dnear=", "-Dfar=", "-Dram="]


class Failure(Exception):
    pass


def run(command, cwd):
    try:
        result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                text=True, errors="replace", timeout=300)
    except subprocess.TimeoutExpired:
        raise Failure(f"{shlex.join(command)} did not end within 300 seconds")
    except OSError as error:
        raise Failure(f"{command[0]} cannot be run: {error.strerror}")
    if result.returncode != 0:
        how = (f"was killed by signal {-result.returncode}" if result.returncode < 0
               else f"exited with status {result.returncode}")
        raise Failure(f"{shlex.join(command)} {how}:\n{result.stdout}")
    return result.stdout


def markers(source):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    options = []
    for m in re.finditer(r"^\s*//\s*VEXC-OPTIONS:(.*)$", text, re.M):
        options += shlex.split(m.group(1))
    sim_options = []
    for m in re.finditer(r"^\s*//\s*VXSIM-OPTIONS:(.*)$", text, re.M):
        sim_options += shlex.split(m.group(1))
    skip_host = re.search(r"^\s*//\s*E2E-HOST:\s*skip\s*$", text, re.M) is not None
    expect = re.search(r"^\s*//\s*E2E-EXPECT:(.*)$", text, re.M)
    return (options, sim_options, skip_host,
            bytes.fromhex(expect.group(1)) if expect else None)


def host_side(source, work, vexc_options, execute=True):
    char = "-funsigned-char" if "-k" in vexc_options else "-fsigned-char"
    flags = HOST_FLAGS + [char]
    run(["gcc", *flags, "-Dmain=e2e_program_main", "-c", source, "-o", "prog_host.o"], work)
    run(["gcc", *flags, "-c", os.path.join(HERE, "host_main.c"), "-o", "host_main.o"], work)
    run(["gcc", "-fsanitize=undefined", "prog_host.o", "host_main.o", "-o", "prog_host", "-lm"], work)
    if not execute:
        return None
    return bytes.fromhex(run([os.path.join(work, "prog_host")], work))


def target_side(source, work, bindir, vexc_options, vxsim_options, cycles):
    tool = lambda name: os.path.join(bindir, name)
    run([tool("vexc"), "-Oi+", *vexc_options, source, "-fo", "prog.o"], work)
    # Every object the compiler writes must read back whole.
    run([tool("vxdump"), "prog.o"], work)
    run([tool("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    output = run([tool("vxsim"), "-m", "prog.map", "prog.hex", "--cycles", str(cycles),
                  *vxsim_options, "--dump", f"out:{OUT_SIZE}", "--print", "out_len"], work)
    dump = re.search(r"^out:((?: [0-9A-F]{2})+)$", output, re.M)
    length = re.search(r"^out_len = 0x([0-9A-F]+) ", output, re.M)
    if not dump or not length:
        raise Failure(f"vxsim printed no result:\n{output}")
    count = int(length.group(1), 16)
    if count > OUT_SIZE:
        raise Failure(f"out_len is {count}, beyond the {OUT_SIZE} bytes of out")
    return bytes.fromhex(dump.group(1))[:count]


def hex_bytes(data):
    return " ".join(f"{b:02X}" for b in data) if data else "(none)"


def compare(label, expected, target):
    if expected == target:
        return
    index = next((i for i, (e, t) in enumerate(zip(expected, target)) if e != t),
                 min(len(expected), len(target)))
    raise Failure(f"results differ at byte {index}:\n"
                  f"  {label:8} ({len(expected)} bytes): {hex_bytes(expected)}\n"
                  f"  {'target':8} ({len(target)} bytes): {hex_bytes(target)}")


def main():
    parser = argparse.ArgumentParser(description="Runs one end-to-end program.")
    parser.add_argument("--bin", help="directory of vexc, vexpp, vxlink and vxsim")
    parser.add_argument("--host-only", action="store_true", help="print the host's result only")
    parser.add_argument("--cycles", type=int, default=50000000,
                        help="simulator cycle limit (default 50000000)")
    parser.add_argument("program")
    args = parser.parse_args()
    if not args.host_only and not args.bin:
        parser.error("--bin DIR is needed unless --host-only is given")
    source = os.path.abspath(args.program)
    vexc_options, vxsim_options, skip_host, expected = markers(source)

    try:
        with tempfile.TemporaryDirectory(prefix="e2e-") as work:
            host = host_side(source, work, vexc_options, execute=not skip_host)
            if args.host_only:
                print("host run skipped (E2E-HOST: skip)" if skip_host else hex_bytes(host))
                return 0
            target = target_side(source, work, os.path.abspath(args.bin), vexc_options,
                                 vxsim_options, args.cycles)
            if not skip_host:
                compare("host", host, target)
            elif expected is not None:
                compare("expected", expected, target)
            else:
                print(f"target: {hex_bytes(target)} (nothing to compare with: E2E-HOST: skip)")
                return 0
            print(f"ok: {hex_bytes(target)}")
            return 0
    except Failure as failure:
        print(f"FAIL {args.program}: {failure}")
        return 1


if __name__ == "__main__":
    sys.exit(main())
