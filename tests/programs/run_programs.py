#!/usr/bin/env python3
"""Builds ordinary C programs with gcc and with vexcc --standard-c, runs
both, and requires the same standard output, byte for byte, and the same
exit status.

    run_programs.py --bin DIR prog.c...   build, run and compare each program
    run_programs.py --bin DIR             the same for every tests/programs/*.c

Marker in a program:
    // VEXCC-OPTIONS: ...   extra options for vexcc (say, --stack 256)"""

import argparse
import glob
import os
import re
import shlex
import signal
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# -Werror and the sanitizer keep the programs free of what the host can
# detect: a program that relies on undefined behaviour would make the
# comparison meaningless.  Plain char is signed on the target; the host is
# told so whatever its own default.  The host's printf always has its float
# conversions, which the target's gets from printf_use_float().
HOST_FLAGS = ["-std=c99", "-O1", "-Wall", "-Wextra", "-Werror", "-fsigned-char",
              "-fsanitize=undefined", "-fno-sanitize-recover=undefined",
              "-Dprintf_use_float()=((void)0)"]
TARGET_FLAGS = ["--standard-c", "-O2"]
# Each program is kept well below this; reaching it means a runaway loop.
CYCLE_LIMIT = "20000000"
TIMEOUT = 300
SIGABRT_STATUS = 134


class Failure(Exception):
    pass


def run(command, cwd):
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"{shlex.join(command)} did not end within {TIMEOUT} seconds")
    except OSError as error:
        raise Failure(f"{command[0]} cannot be run: {error.strerror}")


def text(data):
    return data.decode("utf-8", errors="replace")


def options_of(source):
    with open(source, encoding="utf-8") as f:
        body = f.read()
    options = []
    for m in re.finditer(r"^\s*//\s*VEXCC-OPTIONS:(.*)$", body, re.M):
        options += shlex.split(m.group(1))
    return options


def host_side(source, work):
    build = run(["gcc", *HOST_FLAGS, source, "-o", "prog_host", "-lm"], work)
    if build.returncode != 0:
        raise Failure(f"gcc failed:\n{text(build.stdout)}{text(build.stderr)}")
    # Unbuffered, so that what a program printed before abort() is not lost
    # with the host's stdio buffer; the target's putchar sends each
    # character at once.
    result = run(["stdbuf", "-o0", os.path.join(work, "prog_host")], work)
    status = result.returncode
    # The target's abort exits with 134, the status a shell reports for a
    # process killed by SIGABRT; any other death is the host program's fault.
    if status == -signal.SIGABRT:
        status = SIGABRT_STATUS
    elif status < 0:
        raise Failure(f"the host program was killed by signal {-status}:\n{text(result.stderr)}")
    return result.stdout, status & 0xFF, text(result.stderr)


def target_side(source, work, bin_dir):
    command = [os.path.join(bin_dir, "vexcc"), *TARGET_FLAGS, *options_of(source), source,
               "-o", "prog.hex", "--run", "--cycles", CYCLE_LIMIT]
    result = run(command, work)
    if not os.path.exists(os.path.join(work, "prog.hex")):
        raise Failure(f"{shlex.join(command)} built no program:\n{text(result.stderr)}")
    return result.stdout, result.returncode, text(result.stderr)


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return i
    return min(len(a), len(b))


def check(source, bin_dir):
    with tempfile.TemporaryDirectory(prefix="vx-programs-") as work:
        source = os.path.abspath(source)
        host_out, host_status, host_err = host_side(source, work)
        target_out, target_status, target_err = target_side(source, work, bin_dir)
    problems = []
    if host_out != target_out:
        at = first_difference(host_out, target_out)
        problems.append(f"standard output differs from byte {at}:\n"
                        f"--- host ---\n{text(host_out)}\n--- target ---\n{text(target_out)}")
    if host_status != target_status:
        problems.append(f"exit status: host {host_status}, target {target_status}")
    if problems:
        if target_err.strip():
            problems.append(f"target messages:\n{target_err}")
        if host_err.strip():
            problems.append(f"host messages:\n{host_err}")
        raise Failure("\n".join(problems))
    return host_status, len(host_out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the directory of vexcc and the tools")
    parser.add_argument("programs", nargs="*")
    args = parser.parse_args()
    programs = args.programs or sorted(glob.glob(os.path.join(HERE, "*.c")))
    failed = 0
    for program in programs:
        name = os.path.basename(program)
        try:
            status, size = check(program, os.path.abspath(args.bin))
            print(f"PASS {name}: status {status}, {size} bytes of output")
        except Failure as failure:
            failed += 1
            print(f"FAIL {name}: {failure}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
