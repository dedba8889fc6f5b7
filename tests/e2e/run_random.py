#!/usr/bin/env python3
"""Differential testing with random programs: generates programs with
randgen.py, builds and runs each on the host (gcc) and on the simulated
target (vexc, vxlink, vxsim) as run_e2e.py does, and reports every program
whose result bytes differ or whose build or run fails.

    run_random.py --bin DIR [--count N] [--start SEED] [--jobs J] [--size S]
                  [--save DIR] [--no-wide-muldiv] [--vexc-options '...']
    run_random.py --bin DIR --replay FILE...

Each failing program is written to the --save directory as seed-N.c, beside
a copy of e2e.h, with the failure in seed-N.txt; --replay runs such files
again. The host side is compiled like run_e2e.py's but without -Werror:
random code draws warnings (constant comparisons, mixed signedness) that are
no fault, while the sanitizer still stops the host at undefined behaviour,
which would be a fault of the generator.

Exit status 0 when every program agreed."""

import argparse
import concurrent.futures
import os
import re
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import randgen  # noqa: E402
import run_e2e  # noqa: E402

HOST_FLAGS = [f for f in run_e2e.HOST_FLAGS if f not in ("-Wall", "-Wextra", "-Werror")] + ["-w"]


def host_main_object(directory):
    """host_main.c compiled once for all programs of a run."""
    obj = os.path.join(directory, "host_main.o")
    run_e2e.run(["gcc", *HOST_FLAGS, "-c", os.path.join(HERE, "host_main.c"), "-o", obj], directory)
    return obj


def host_result(source, work, vexc_options, host_main):
    char = "-funsigned-char" if "-k" in vexc_options else "-fsigned-char"
    run_e2e.run(["gcc", *HOST_FLAGS, char, "-I", HERE, "-Dmain=e2e_program_main", source,
                 host_main, "-o", "prog_host"], work)
    return bytes.fromhex(run_e2e.run([os.path.join(work, "prog_host")], work))


def target_result(source, work, bindir, vexc_options, cycles):
    tool = lambda name: os.path.join(bindir, name)
    run_e2e.run([tool("vexc"), "-Oi+", "-I", HERE, *vexc_options, source, "-fo", "prog.o"], work)
    run_e2e.run([tool("vxlink"), "prog.o", "-o", "prog.hex", "-m", "prog.map"], work)
    output = run_e2e.run([tool("vxsim"), "-m", "prog.map", "prog.hex", "--cycles", str(cycles),
                          "--dump", f"out:{run_e2e.OUT_SIZE}", "--print", "out_len"], work)
    dump = re.search(r"^out:((?: [0-9A-F]{2})+)$", output, re.M)
    length = re.search(r"^out_len = 0x([0-9A-F]+) ", output, re.M)
    if not dump or not length:
        raise run_e2e.Failure(f"vxsim printed no result:\n{output}")
    return bytes.fromhex(dump.group(1))[:int(length.group(1), 16)]


def check(source, args):
    """('ok' | 'differ' | 'host' | 'target', message)."""
    bindir, vexc_options = args.bin, args.vexc_options
    with tempfile.TemporaryDirectory(prefix="e2e-random-") as work:
        try:
            host = host_result(source, work, vexc_options, args.host_main)
        except run_e2e.Failure as failure:
            return "host", f"host side failed (a fault of the generator): {failure}"
        try:
            target = target_result(source, work, bindir, vexc_options, args.cycles)
        except run_e2e.Failure as failure:
            return "target", f"target side failed: {failure}"
        try:
            run_e2e.compare("host", host, target)
        except run_e2e.Failure as failure:
            return "differ", str(failure)
        return "ok", run_e2e.hex_bytes(target)


def run_seed(seed, args, scratch):
    text = randgen.generate(seed, args.size, not args.no_wide_muldiv)
    source = os.path.join(scratch, f"seed-{seed}.c")
    with open(source, "w", encoding="utf-8") as f:
        f.write(text)
    status, message = check(source, args)
    if status == "ok":
        os.remove(source)
    return seed, source, status, message


def save(args, seed, source, status, message):
    os.makedirs(args.save, exist_ok=True)
    shutil.copy(os.path.join(HERE, "e2e.h"), os.path.join(args.save, "e2e.h"))
    target = os.path.join(args.save, f"seed-{seed}.c")
    shutil.copy(source, target)
    options = " ".join(args.vexc_options)
    with open(os.path.join(args.save, f"seed-{seed}.txt"), "w", encoding="utf-8") as f:
        f.write(f"{status}: {message}\n\nrun again: {sys.argv[0]} --bin {args.bin} --replay {target}"
                f"{' --vexc-options ' + repr(options) if options else ''}\n")
    return target


def replay(args):
    failed = 0
    for source in args.replay:
        status, message = check(os.path.abspath(source), args)
        print(f"{source}: {status}: {message}")
        failed += status != "ok"
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description="Differential testing with random programs.")
    parser.add_argument("--bin", required=True, help="directory of vexc, vexpp, vxlink and vxsim")
    parser.add_argument("--count", type=int, default=100, help="programs to run (default 100)")
    parser.add_argument("--start", type=int, default=1, help="first seed (default 1)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1, help="programs run at once")
    parser.add_argument("--size", choices=sorted(randgen.SIZES), default="small")
    parser.add_argument("--no-wide-muldiv", action="store_true",
                        help="no products, quotients or remainders of 24 or 32 bits")
    parser.add_argument("--vexc-options", type=lambda s: s.split(), default=[],
                        help="more options for vexc, in one argument")
    parser.add_argument("--cycles", type=int, default=50000000, help="simulator cycle limit")
    parser.add_argument("--save", default="random-failures",
                        help="directory for failing programs (default ./random-failures)")
    parser.add_argument("--replay", nargs="+", metavar="FILE", help="run these saved programs again")
    args = parser.parse_args()
    args.bin = os.path.abspath(args.bin)

    counts = {"ok": 0, "differ": 0, "host": 0, "target": 0}
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="e2e-random-src-") as scratch:
        try:
            args.host_main = host_main_object(scratch)
        except run_e2e.Failure as failure:
            print(f"FAIL: {failure}")
            return 1
        if args.replay:
            return replay(args)
        with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
            seeds = range(args.start, args.start + args.count)
            for seed, source, status, message in pool.map(lambda s: run_seed(s, args, scratch), seeds):
                counts[status] += 1
                if status == "ok":
                    continue
                saved = save(args, seed, source, status, message)
                print(f"seed {seed}: {status}, saved as {saved}\n  " + message.replace("\n", "\n  "))
    elapsed = time.monotonic() - started
    print(f"{args.count} programs (seeds {args.start}..{args.start + args.count - 1}) in {elapsed:.0f} s: "
          f"{counts['ok']} agree, {counts['differ']} differ, {counts['target']} fail on the target, "
          f"{counts['host']} fail on the host")
    return 0 if counts["ok"] == args.count else 1


if __name__ == "__main__":
    sys.exit(main())
