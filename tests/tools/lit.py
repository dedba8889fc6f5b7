#!/usr/bin/env python3
"""Runs one golden test: the RUN: lines of a file, in order, in a fresh
temporary directory.

Substitutions: %s the test file, %S its directory, %t the temporary
directory, %bindir the tool directory, %FileCheck the output checker,
%expect-exit N CMD (CMD must exit with status N), and %<tool> for every
executable in the tool directory (%vexc, %vexpp, ...)."""

import argparse
import os
import re
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

EXPECT_EXIT = r'''
expect_exit() {
  local want=$1; shift
  "$@"
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "expected exit status $want, got $got: $*" >&2
    return 1
  fi
  return 0
}
'''


def run_lines(path):
    lines = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = re.search(r"RUN:(.*)$", line)
            if not m:
                continue
            command = m.group(1).strip()
            if lines and lines[-1].endswith("\\"):
                lines[-1] = lines[-1][:-1] + " " + command
            else:
                lines.append(command)
    return lines


def substitute(command, test, bindir, tmp):
    tools = {}
    if os.path.isdir(bindir):
        for name in os.listdir(bindir):
            full = os.path.join(bindir, name)
            if os.access(full, os.X_OK) and not os.path.isdir(full):
                tools[name] = full
    checker = f"{sys.executable} {os.path.join(HERE, 'filecheck.py')}"

    def replace(m):
        word = m.group(1)
        if word == "s":
            return test
        if word == "S":
            return os.path.dirname(test)
        if word == "t":
            return tmp
        if word == "bindir":
            return bindir
        if word == "FileCheck":
            return checker
        if word == "expect-exit":
            return "expect_exit"
        if word in tools:
            return tools[word]
        return m.group(0)

    return re.sub(r"%(expect-exit|FileCheck|bindir|[A-Za-z_][A-Za-z0-9_]*)(?![A-Za-z0-9_])",
                  replace, command)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="directory of the tools under test")
    parser.add_argument("--work", required=True, help="directory for temporary directories")
    parser.add_argument("test")
    args = parser.parse_args()

    test = os.path.abspath(args.test)
    bindir = os.path.abspath(args.bin)
    commands = run_lines(test)
    if not commands:
        print(f"{test}: no RUN: line", file=sys.stderr)
        return 1
    name = re.sub(r"[^A-Za-z0-9_.-]", "_", os.path.relpath(test, HERE))
    tmp = os.path.join(os.path.abspath(args.work), name)
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    for command in commands:
        script = EXPECT_EXIT + substitute(command, test, bindir, tmp)
        result = subprocess.run(["bash", "-o", "pipefail", "-c", script], cwd=tmp, stdin=subprocess.DEVNULL)
        if result.returncode != 0:
            print(f"FAILED (status {result.returncode}): RUN: {command}", file=sys.stderr)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
