#!/usr/bin/env python3
"""Checks standard input against the check lines of a file.

  PREFIX: text       the text occurs, on a line after the previous match
  PREFIX-NEXT: text  the text occurs on the line right after the previous match
  PREFIX-NOT: text   the text does not occur between the surrounding matches
  PREFIX-EMPTY:      the line right after the previous match is empty

Inside the text, {{regex}} matches a regular expression, [[NAME:regex]]
matches one and keeps what it matched as NAME, and [[NAME]] matches exactly
what NAME kept; everything else is literal.  With --match-full-lines the
text must match the whole line."""

import argparse
import re
import sys


TOKEN = re.compile(r"\{\{(.*?)\}\}|\[\[(\w+):(.*?)\]\]|\[\[(\w+)\]\]")


def pattern_of(text, full_line, variables):
    regex, at = "", 0
    for m in TOKEN.finditer(text):
        regex += re.escape(text[at:m.start()])
        if m.group(1) is not None:
            regex += f"(?:{m.group(1)})"
        elif m.group(2) is not None:
            regex += f"(?P<{m.group(2)}>{m.group(3)})"
        else:
            regex += re.escape(variables.get(m.group(4), ""))
        at = m.end()
    regex += re.escape(text[at:])
    return re.compile(f"^{regex}$" if full_line else regex)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check-prefix", default="CHECK")
    parser.add_argument("--match-full-lines", action="store_true")
    parser.add_argument("checkfile")
    args = parser.parse_args()

    prefix = re.escape(args.check_prefix)
    directive = re.compile(rf"(?<![A-Za-z0-9_-]){prefix}(-NEXT|-NOT|-EMPTY)?:(.*)$")
    checks = []
    with open(args.checkfile, encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = directive.search(line.rstrip("\n"))
            if m:
                kind = m.group(1) or ""
                text = m.group(2).strip() if not args.match_full_lines else m.group(2).lstrip(" ").rstrip()
                checks.append((kind, text, number))
    if not checks:
        print(f"filecheck: no {args.check_prefix}: lines in {args.checkfile}", file=sys.stderr)
        return 2

    data = sys.stdin.buffer.read().decode("utf-8", errors="replace")
    lines = data.split("\n")
    if lines and lines[-1] == "":
        lines.pop()

    def fail(message, number):
        print(f"{args.checkfile}:{number}: {message}", file=sys.stderr)
        print("--- input ---", file=sys.stderr)
        print(data, file=sys.stderr, end="")
        return 1

    variables = {}
    position = 0  # first line that a plain check may match
    pending_nots = []
    for kind, text, number in checks:
        if kind == "-NOT":
            pending_nots.append((pattern_of(text, args.match_full_lines, variables), text, number))
            continue
        if kind == "-EMPTY":
            found = position if position < len(lines) and lines[position] == "" else None
            if found is None:
                return fail("expected an empty line", number)
        elif kind == "-NEXT":
            pattern = pattern_of(text, args.match_full_lines, variables)
            match = pattern.search(lines[position]) if position < len(lines) else None
            if not match:
                got = lines[position] if position < len(lines) else "<end of input>"
                return fail(f"expected next line to match '{text}', got '{got}'", number)
            found = position
        else:
            pattern = pattern_of(text, args.match_full_lines, variables)
            found = next((i for i in range(position, len(lines)) if pattern.search(lines[i])), None)
            if found is None:
                return fail(f"expected '{text}' not found", number)
            match = pattern.search(lines[found])
        if kind != "-EMPTY":
            variables.update(match.groupdict())
        for not_pattern, not_text, not_number in pending_nots:
            for i in range(position, found):
                if not_pattern.search(lines[i]):
                    return fail(f"unexpected '{not_text}' on input line {i + 1}", not_number)
        pending_nots = []
        position = found + 1
    for not_pattern, not_text, not_number in pending_nots:
        for i in range(position, len(lines)):
            if not_pattern.search(lines[i]):
                return fail(f"unexpected '{not_text}' on input line {i + 1}", not_number)
    return 0


if __name__ == "__main__":
    sys.exit(main())
