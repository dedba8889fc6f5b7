#!/usr/bin/env python3
"""Random integer C programs for differential testing: the same seed always
gives the same program, which run_random.py builds for the host and for the
target and whose result bytes must agree.

    randgen.py SEED [--size small|medium|large] [--no-wide-muldiv] [-o FILE]

A program mixes 8-, 16-, 24- and 32-bit values of both signednesses, in
variables and small arrays, in expressions, assignments, compound
assignments, conditions, loops, switches and calls of small functions, and
leaves what it computes in out[] through put8, put16 and put32 (the last
defined in the program itself, so that e2e.h and the code size of every
other end-to-end program stay as they are).

The programs are free of undefined behaviour on both sides and of any
result that would depend on the width of int. Every expression is checked,
as it is built, against a model of both sides' C types (the target's int of
16 bits and short long of 24, the host's int of 32) and of the values each
side may hold: either the same integer on both sides, within a known
interval, or only the same bits modulo 2^k. An operation whose operand
could differ between the sides, that could overflow a signed type, shift a
negative value or divide by zero is not written as it is; the generator
casts its operands until the model accepts it or leaves it out. Variables,
parameters and results keep to an interval fixed when they are declared,
which every store honours, so that signed arithmetic on them can be proved
not to overflow.

The host has no 24-bit type. There u24 and s24 are unsigned int and int,
and every value stored into them, or cast to them, goes through a macro that
reduces it to 24 bits as the target's conversion does; on the target the
same macros are a plain cast or nothing, so that the target compiles
ordinary C. A compound assignment to a 24-bit variable is written as
v = HU24(v op e) on the host only."""

import argparse
import random
import sys
from collections import namedtuple

CType = namedtuple("CType", "width signed rank")

# Ranks order the types for the usual arithmetic conversions; only their
# order matters.
CHAR_RANK, SHORT_RANK, INT_RANK, SHORT_LONG_RANK, LONG_RANK = 1, 2, 3, 4, 5


class Side:
    def __init__(self, int_width):
        self.int = CType(int_width, True, INT_RANK)
        self.uint = CType(int_width, False, INT_RANK)


TARGET = Side(16)
HOST = Side(32)

Typedef = namedtuple("Typedef", "name width signed target host")

TYPEDEFS = [
    Typedef("u8", 8, False, CType(8, False, CHAR_RANK), CType(8, False, CHAR_RANK)),
    Typedef("s8", 8, True, CType(8, True, CHAR_RANK), CType(8, True, CHAR_RANK)),
    Typedef("u16", 16, False, CType(16, False, INT_RANK), CType(16, False, SHORT_RANK)),
    Typedef("s16", 16, True, CType(16, True, INT_RANK), CType(16, True, SHORT_RANK)),
    Typedef("u24", 24, False, CType(24, False, SHORT_LONG_RANK), CType(32, False, INT_RANK)),
    Typedef("s24", 24, True, CType(24, True, SHORT_LONG_RANK), CType(32, True, INT_RANK)),
    Typedef("u32", 32, False, CType(32, False, LONG_RANK), CType(32, False, INT_RANK)),
    Typedef("s32", 32, True, CType(32, True, LONG_RANK), CType(32, True, INT_RANK)),
]
BY_NAME = {t.name: t for t in TYPEDEFS}

PRELUDE = """\
#include "e2e.h"

/* The host has no 24-bit type: U24 and S24 are casts to 24 bits, HU24 and
   HS24 reduce a value to 24 bits on the host only, where the target has
   already done so by the expression's own type or by the assignment. */
#ifdef __VxCORE
typedef unsigned short long u24;
typedef short long s24;
typedef unsigned long u32;
typedef long s32;
#define U24(x) ((u24)(x))
#define S24(x) ((s24)(x))
#define HU24(x) (x)
#define HS24(x) (x)
#else
typedef unsigned int u24;
typedef int s24;
typedef unsigned int u32;
typedef int s32;
#define U24(x) ((u24)((u32)(x) & 0xFFFFFFu))
#define S24(x) ((s24)((((u32)(x) & 0xFFFFFFu) ^ 0x800000u) - 0x800000u))
#define HU24(x) U24(x)
#define HS24(x) S24(x)
#endif

void put32(u32 x)
{
    put16((u16)x);
    put16((u16)(x >> 16));
}
"""

OUT_BUDGET = 64
# The target keeps the intermediate values of an expression that are live
# at once in temporaries in the access bank, which holds about 76 bytes of
# them; the estimate counts every intermediate value, so it is generous.
TEMPORARY_BUDGET = 80


def type_range(width, signed):
    if signed:
        return -(1 << (width - 1)), (1 << (width - 1)) - 1
    return 0, (1 << width) - 1


def fits(lo, hi, ctype):
    tlo, thi = type_range(ctype.width, ctype.signed)
    return tlo <= lo and hi <= thi


def wrap(value, width, signed):
    value &= (1 << width) - 1
    if signed and value >> (width - 1):
        value -= 1 << width
    return value


class Val:
    """What both sides agree on: the same integer within [lo, hi], or, when
    exact is false, only the value modulo 2^k."""

    __slots__ = ("exact", "lo", "hi", "k")

    def __init__(self, exact, lo=0, hi=0, k=0):
        self.exact, self.lo, self.hi, self.k = exact, lo, hi, k

    def modulus(self):
        """The bits the sides agree on: all of an exact value."""
        return 1 << 62 if self.exact else self.k


def exact(lo, hi):
    return Val(True, lo, hi)


def modulo(k):
    return Val(False, k=k)


class Reject(Exception):
    """The model cannot prove the expression defined and equal on both sides."""


def convert(val, to_target, to_host):
    """The value after converting to_target on the target and to_host on the
    host; None leaves a side's value as it is."""
    sides = [c for c in (to_target, to_host) if c is not None]
    same = (to_target is not None and to_host is not None
            and (to_target.width, to_target.signed) == (to_host.width, to_host.signed))
    if val.exact:
        if all(fits(val.lo, val.hi, c) for c in sides):
            return val
        if same:
            c = to_target
            if val.hi - val.lo < (1 << c.width):
                lo, hi = wrap(val.lo, c.width, c.signed), wrap(val.hi, c.width, c.signed)
                if lo <= hi:
                    return exact(lo, hi)
            return exact(*type_range(c.width, c.signed))
        return modulo(min(c.width for c in sides))
    if same and to_target.width <= val.k:
        return exact(*type_range(to_target.width, to_target.signed))
    return modulo(min([val.k] + [c.width for c in sides]))


def promote(ctype, side):
    return side.int if ctype.rank < INT_RANK else ctype


def usual(a, b, side):
    a, b = promote(a, side), promote(b, side)
    if a == b:
        return a
    if a.signed == b.signed:
        return a if a.rank > b.rank else b
    u, s = (a, b) if not a.signed else (b, a)
    if u.rank >= s.rank:
        return u
    if s.width > u.width:
        return s
    return CType(s.width, False, s.rank)


def result_of(lo, hi, pt, ph):
    """The exact result [lo, hi] computed in pt on the target and ph on the
    host: an overflow of a signed type is undefined, unsigned ones wrap."""
    for c in (pt, ph):
        if c.signed and not fits(lo, hi, c):
            raise Reject("signed overflow")
    return convert(exact(lo, hi), pt, ph)


class Node:
    """An expression: its text, its C type on each side, what the sides agree
    on, and a guess at the bytes of temporaries the target spends on it."""

    __slots__ = ("text", "t", "h", "val", "nonzero", "cost")

    def __init__(self, text, t, h, val, nonzero=False, kids=()):
        self.text, self.t, self.h, self.val, self.nonzero = text, t, h, val, nonzero
        self.cost = sum(k.cost for k in kids) + (t.width // 8 if kids else 0)

    def bare(self):
        """The text without its outer parentheses, for a statement."""
        if self.text.startswith("(") and self.text.endswith(")"):
            depth = 0
            for i, ch in enumerate(self.text):
                depth += ch == "("
                depth -= ch == ")"
                if depth == 0 and i < len(self.text) - 1:
                    return self.text
            return self.text[1:-1]
        return self.text


def literal_types(value, form):
    """The literal's type on each side, or None when one side would give it a
    type outside the model (the host's long).  The target gives a literal the
    smallest type that holds it, down to a char: 1u and 0x80 are unsigned
    char there and promote to a signed int, where the host's are unsigned."""
    schar, uchar = CType(8, True, CHAR_RANK), CType(8, False, CHAR_RANK)
    s24, u24 = CType(24, True, SHORT_LONG_RANK), CType(24, False, SHORT_LONG_RANK)
    s32, u32 = CType(32, True, LONG_RANK), CType(32, False, LONG_RANK)
    if form == "dec":
        candidates = (schar, TARGET.int, s24, s32)
        host = HOST.int if value <= 0x7FFFFFFF else None
    elif form == "hex":
        candidates = (schar, uchar, TARGET.int, TARGET.uint, s24, u24, s32, u32)
        host = HOST.int if value <= 0x7FFFFFFF else HOST.uint
    else:
        candidates = (uchar, TARGET.uint, u24, u32)
        host = HOST.uint
    target = next((c for c in candidates if fits(value, value, c)), None)
    if target is None or host is None:
        return None
    return target, host


LITERAL_TEXT = {"dec": "{}", "hex": "0x{:X}", "u": "{}u", "hexu": "0x{:X}u"}


def literal(value, form="dec"):
    types = literal_types(value, "u" if form == "hexu" else form)
    if types is None:
        raise Reject("literal")
    return Node(LITERAL_TEXT[form].format(value), types[0], types[1], exact(value, value),
                nonzero=value != 0)


def make_literal(value, rng):
    forms = [f for f in LITERAL_TEXT if literal_types(value, "u" if f == "hexu" else f) is not None]
    return literal(value, rng.choice(forms))


def interval_mul(a, b):
    products = [a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi]
    return min(products), max(products)


def signed_bits(lo, hi):
    n = 1
    while not (-(1 << (n - 1)) <= lo and hi <= (1 << (n - 1)) - 1):
        n += 1
    return n


def bitwise_interval(op, a, b):
    if op == "&":
        if a.lo >= 0 and b.lo >= 0:
            return 0, min(a.hi, b.hi)
        if a.lo >= 0:
            return 0, a.hi
        if b.lo >= 0:
            return 0, b.hi
    if a.lo >= 0 and b.lo >= 0:
        top = (1 << max(a.hi, b.hi).bit_length()) - 1
        return (max(a.lo, b.lo) if op == "|" else 0), top
    n = max(signed_bits(a.lo, a.hi), signed_bits(b.lo, b.hi))
    return -(1 << (n - 1)), (1 << (n - 1)) - 1


def binary(op, left, right, wide_muldiv=True):
    """left op right under both sides' rules, or Reject."""
    text = f"({left.text} {op} {right.text})"
    if op in ("<<", ">>"):
        return shift(op, left, right)
    pt, ph = usual(left.t, right.t, TARGET), usual(left.h, right.h, HOST)
    lv, rv = convert(left.val, pt, ph), convert(right.val, pt, ph)
    if op in ("*", "/", "%") and not wide_muldiv and pt.width > 16:
        raise Reject("wide product or quotient")
    if op in ("+", "-", "*"):
        if lv.exact and rv.exact:
            if op == "+":
                lo, hi = lv.lo + rv.lo, lv.hi + rv.hi
            elif op == "-":
                lo, hi = lv.lo - rv.hi, lv.hi - rv.lo
            else:
                lo, hi = interval_mul(lv, rv)
            return Node(text, pt, ph, result_of(lo, hi, pt, ph), kids=(left, right))
        if pt.signed or ph.signed:
            raise Reject("signed arithmetic on a value known only modulo 2^k")
        k = min(lv.modulus(), rv.modulus(), pt.width, ph.width)
        return Node(text, pt, ph, modulo(k), kids=(left, right))
    if op in ("&", "|", "^"):
        nonzero = op == "|" and (left.nonzero or right.nonzero)
        if lv.exact and rv.exact:
            lo, hi = bitwise_interval(op, lv, rv)
            return Node(text, pt, ph, exact(lo, hi), nonzero=nonzero, kids=(left, right))
        k = min(lv.modulus(), rv.modulus(), pt.width, ph.width)
        for mask in (lv, rv):
            if op == "&" and mask.exact and mask.lo >= 0 and mask.hi < (1 << k):
                return Node(text, pt, ph, exact(0, mask.hi), kids=(left, right))
        return Node(text, pt, ph, modulo(k), nonzero=nonzero, kids=(left, right))
    if op in ("/", "%"):
        if not (lv.exact and rv.exact):
            raise Reject("quotient of a value known only modulo 2^k")
        if not (right.nonzero or rv.lo > 0 or rv.hi < 0):
            raise Reject("divisor may be zero")
        for c in (pt, ph):
            if c.signed and lv.lo <= type_range(c.width, True)[0] and rv.lo <= -1 <= rv.hi:
                raise Reject("quotient overflow")
        top = max(abs(lv.lo), abs(lv.hi))
        divisor = max(abs(rv.lo), abs(rv.hi))
        if op == "/":
            lo, hi = (0, top) if lv.lo >= 0 and rv.lo >= 0 else (-top, top)
        else:
            bound = min(top, divisor - 1)
            lo, hi = (0, bound) if lv.lo >= 0 else (-bound, max(0, min(lv.hi, bound)))
        return Node(text, pt, ph, exact(lo, hi), kids=(left, right))
    if op in ("<", "<=", ">", ">=", "==", "!="):
        if not (lv.exact and rv.exact):
            raise Reject("comparison of values known only modulo 2^k")
        node = Node(text, TARGET.int, HOST.int, exact(0, 1), kids=(left, right))
        # The target copies both operands of a comparison into temporaries.
        node.cost += 2 * (pt.width // 8)
        return node
    if op in ("&&", "||"):
        if not (left.val.exact and right.val.exact):
            raise Reject("truth of a value known only modulo 2^k")
        return Node(text, TARGET.int, HOST.int, exact(0, 1), kids=(left, right))
    raise ValueError(op)


def shift(op, left, count):
    c = count.val.lo
    pt, ph = promote(left.t, TARGET), promote(left.h, HOST)
    if not (count.val.exact and count.val.lo == count.val.hi and 0 <= c < min(pt.width, ph.width)):
        raise Reject("shift count")
    text = f"({left.text} {op} {count.text})"
    v = left.val
    signed = pt.signed or ph.signed
    if op == "<<":
        if v.exact:
            if signed and v.lo < 0:
                raise Reject("left shift of a negative value")
            return Node(text, pt, ph, result_of(v.lo << c, v.hi << c, pt, ph), kids=(left,))
        if signed:
            raise Reject("left shift of a value known only modulo 2^k")
        return Node(text, pt, ph, modulo(min(v.k, pt.width, ph.width)), kids=(left,))
    if not v.exact:
        raise Reject("right shift of a value known only modulo 2^k")
    if signed and v.lo < 0:
        raise Reject("right shift of a negative value")
    return Node(text, pt, ph, exact(v.lo >> c, v.hi >> c), kids=(left,))


def unary(op, x):
    pt, ph = promote(x.t, TARGET), promote(x.h, HOST)
    v = x.val
    # "- -5" must not become the decrement token.
    text = f"{op}({x.text})" if x.text.startswith("-") else f"{op}{x.text}"
    if op == "!":
        if not v.exact:
            raise Reject("truth of a value known only modulo 2^k")
        return Node(text, TARGET.int, HOST.int, exact(0, 1), kids=(x,))
    if op == "-":
        if v.exact:
            return Node(text, pt, ph, result_of(-v.hi, -v.lo, pt, ph), nonzero=x.nonzero, kids=(x,))
        if pt.signed or ph.signed:
            raise Reject("negation of a value known only modulo 2^k")
        return Node(text, pt, ph, modulo(min(v.k, pt.width, ph.width)), kids=(x,))
    if v.exact:
        return Node(text, pt, ph, convert(exact(-v.hi - 1, -v.lo - 1), pt, ph), kids=(x,))
    return Node(text, pt, ph, modulo(min(v.k, pt.width, ph.width)), kids=(x,))


def cast(typedef, x):
    if typedef.width == 24:
        text = f"{'S' if typedef.signed else 'U'}24({x.bare()})"
    else:
        text = f"({typedef.name}){x.text}"
    c = CType(typedef.width, typedef.signed, 0)
    return Node(text, typedef.target, typedef.host, convert(x.val, c, c), kids=(x,))


def cast_unsigned(x):
    """(unsigned)x: 16 bits on the target, 32 on the host."""
    return Node(f"(unsigned){x.text}", TARGET.uint, HOST.uint, convert(x.val, TARGET.uint, HOST.uint),
                kids=(x,))


def host_reduce(typedef, x):
    """HU24/HS24 around a value that the target holds in typedef already."""
    if x.t != typedef.target:
        raise Reject("host-only reduction of a value the target does not hold in 24 bits")
    c = CType(24, typedef.signed, 0)
    return Node(f"H{'S' if typedef.signed else 'U'}24({x.bare()})", typedef.target, typedef.host,
                convert(x.val, None, c), kids=(x,))


def conditional(cond, a, b):
    if not cond.val.exact:
        raise Reject("truth of a value known only modulo 2^k")
    pt, ph = usual(a.t, b.t, TARGET), usual(a.h, b.h, HOST)
    av, bv = convert(a.val, pt, ph), convert(b.val, pt, ph)
    text = f"({cond.text} ? {a.text} : {b.text})"
    if av.exact and bv.exact:
        return Node(text, pt, ph, exact(min(av.lo, bv.lo), max(av.hi, bv.hi)),
                    nonzero=a.nonzero and b.nonzero, kids=(cond, a, b))
    return Node(text, pt, ph, modulo(min(av.modulus(), bv.modulus())), kids=(cond, a, b))


def clamp(node, low, high):
    """(node < low ? low : (node > high ? high : node)), whose value lies
    within [low, high] when every comparison and arm keeps its operands'
    values: the model does not narrow a conditional's interval by its
    condition, so this one is proved here."""
    inner = conditional(binary(">", node, high), high, node)
    outer = conditional(binary("<", node, low), low, inner)
    for a, b in ((node, high), (node, low), (low, inner)):
        for c in (usual(a.t, b.t, TARGET), usual(a.h, b.h, HOST)):
            for x in (a, b):
                if not (x.val.exact and fits(x.val.lo, x.val.hi, c)):
                    raise Reject("clamp")
    outer.val = exact(max(low.val.lo, min(node.val.lo, high.val.lo)),
                      min(high.val.hi, max(node.val.hi, low.val.hi)))
    return outer


def assigned(typedef, val):
    """The value that a store into typedef keeps, the same on both sides."""
    c = CType(typedef.width, typedef.signed, 0)
    return convert(val, c, c)


class Var:
    """A variable, or an array when length is set, whose values keep to
    [lo, hi]."""

    def __init__(self, name, typedef, lo, hi, kind, length=None):
        self.name, self.type, self.lo, self.hi, self.kind = name, typedef, lo, hi, kind
        self.length = length

    def node(self):
        return Node(self.name, self.type.target, self.type.host, exact(self.lo, self.hi),
                    nonzero=self.lo > 0 or self.hi < 0)


class Function:
    def __init__(self, name, params, result, pure, calls):
        self.name, self.params, self.result, self.pure, self.calls = name, params, result, pure, calls


SIZES = {
    # globals, functions, statements in main, statements per function, expression depth
    "small": (4, 2, 12, 4, 3),
    "medium": (6, 3, 20, 6, 4),
    "large": (8, 4, 30, 8, 4),
}


class Generator:
    def __init__(self, seed, size="small", wide_muldiv=True):
        self.rng = random.Random(seed)
        self.seed = seed
        self.size = size
        self.globals_count, self.functions_count, self.main_statements, self.function_statements, \
            self.depth = SIZES[size]
        self.wide_muldiv = wide_muldiv
        self.globals = []
        self.functions = []
        self.budget = OUT_BUDGET
        self.names = 0

    # Values and types.

    def pick_type(self):
        return self.rng.choice(TYPEDEFS)

    def interesting(self, typedef):
        lo, hi = type_range(typedef.width, typedef.signed)
        r = self.rng
        bit = 1 << r.randrange(typedef.width - (1 if typedef.signed else 0))
        choices = [0, 1, 2, lo, hi, hi - 1, lo + 1, bit, bit - 1, r.randint(0, 20), r.randint(lo, hi),
                   r.randint(lo, hi), int("55" * (typedef.width // 8), 16) & hi]
        if typedef.signed:
            choices += [-1, -bit, -r.randint(1, 20)]
        return r.choice(choices)

    def pick_interval(self, typedef):
        """The interval a variable keeps to: its whole range, or a smaller one
        that lets signed arithmetic on it be proved free of overflow."""
        lo, hi = type_range(typedef.width, typedef.signed)
        r = self.rng
        if r.random() < 0.5:
            return lo, hi
        bits = r.randint(max(2, typedef.width // 2), typedef.width - 1)
        if typedef.signed and r.random() < 0.7:
            return -(1 << (bits - 1)), (1 << (bits - 1)) - 1
        start = 0 if r.random() < 0.7 else r.randint(max(lo, -(1 << bits)), hi - (1 << bits) + 1)
        return start, start + (1 << bits) - 1

    def constant(self, typedef, value=None):
        """value written as a literal, negated when negative, sometimes cast
        to its type."""
        if value is None:
            value = self.interesting(typedef)
        if value < 0:
            node = unary("-", make_literal(-value, self.rng))
        else:
            node = make_literal(value, self.rng)
        if self.rng.random() < 0.15:
            node = cast(typedef, node)
        return node

    def literal_for(self, value):
        """value as the plainest literal, when the text must be its value
        whatever the type (initializers, case labels, counts)."""
        if value < 0:
            return f"(-{-value - 1} - 1)" if value in (-(1 << 31), -(1 << 15), -(1 << 23)) else str(value)
        if value > 0x7FFFFFFF:
            return f"0x{value:X}u"
        return str(value)

    # Expressions.

    def leaf(self, scope):
        r = self.rng.random()
        variables = scope.readable()
        if variables and r < 0.6:
            return self.access(self.rng.choice(variables), scope)
        pure = [f for f in scope.callable if f.pure]
        if pure and r < 0.7 and scope.call_depth > 0:
            return self.call(self.rng.choice(pure), scope)
        return self.constant(self.pick_type())

    def access(self, var, scope, store=False):
        """var, or one of its elements at an index within bounds, as an
        expression that can also be stored into. The index of a store is a
        constant or a loop counter: the target needs temporaries for the
        address, and those of a computed one come on top of the value's."""
        if var.length is None:
            return var.node()
        r = self.rng.random()
        counters = [c for c in scope.active if c.hi < var.length]
        index = literal(self.rng.randrange(var.length))
        if counters and r < 0.3:
            index = self.rng.choice(counters).node()
        elif r > 0.6 and not store:
            computed = binary("&", self.make_exact(self.expr(scope, self.depth - 2)), literal(var.length - 1))
            if computed.cost <= TEMPORARY_BUDGET // 4:
                index = computed
        return Node(f"{var.name}[{index.bare()}]", var.type.target, var.type.host, exact(var.lo, var.hi),
                    kids=(index,))

    def call(self, function, scope):
        inner = scope.nested_call()
        params = function.params
        args = [self.fitted(p.type, p.lo, p.hi, inner, max(0, self.depth - 2)) for p in params]
        # Arguments are evaluated into temporaries before the call.
        while sum(a.cost + p.type.width // 8 for a, p in zip(args, params)) > TEMPORARY_BUDGET:
            index = max(range(len(args)), key=lambda i: args[i].cost)
            args[index] = self.random_literal(params[index].lo, params[index].hi)
        text = f"{function.name}({', '.join(a.text for a in args)})"
        result = function.result
        if result is None:
            node = Node(text, None, None, exact(0, 0))
        else:
            node = Node(text, result.type.target, result.type.host, exact(result.lo, result.hi),
                        nonzero=result.lo > 0 or result.hi < 0)
        node.cost = sum(a.cost + p.type.width // 8 for a, p in zip(args, params))
        if result is not None:
            node.cost += result.type.width // 8
        return node

    def make_exact(self, node):
        """node itself when both sides hold the same integer, else a cast or a
        mask to as many bits as they agree on."""
        if node.val.exact:
            return node
        k = node.val.k
        r = self.rng
        if r.random() < 0.25:
            bits = r.randint(1, min(k, 31))
            mask = self.constant(BY_NAME["u32"], (1 << bits) - 1)
            try:
                masked = binary("&", node, mask)
                if masked.val.exact:
                    return masked
            except Reject:
                pass
        candidates = [t for t in TYPEDEFS if t.width <= k]
        typedef = r.choice(candidates)
        if typedef.width == 24 and node.t == typedef.target and r.random() < 0.7:
            return host_reduce(typedef, node)
        return cast(typedef, node)

    def expr(self, scope, depth):
        if depth <= 0 or self.rng.random() < 0.2:
            return self.leaf(scope)
        kind = self.rng.choices(
            ["arith", "bitwise", "shift", "divide", "compare", "logical", "unary", "cast", "conditional"],
            [30, 14, 10, 8, 10, 4, 7, 12, 5])[0]
        for _ in range(4):
            try:
                node = getattr(self, "gen_" + kind)(scope, depth)
            except Reject:
                continue
            if node.cost <= TEMPORARY_BUDGET:
                return node
        return self.leaf(scope)

    def with_fixes(self, build, operands):
        """build(*operands), or, when the model rejects it, build over the
        operands made exact, then cast to one type or to unsigned."""
        try:
            return build(*operands)
        except Reject:
            pass
        exacts = [self.make_exact(x) for x in operands]
        try:
            return build(*exacts)
        except Reject:
            pass
        width = max(x.t.width for x in exacts)
        choices = [t for t in TYPEDEFS if t.width >= width]
        self.rng.shuffle(choices)
        for fix in choices[:3] + ["unsigned"]:
            if fix == "unsigned":
                fixed = [cast_unsigned(x) for x in exacts]
            else:
                fixed = [cast(fix, x) for x in exacts]
            try:
                return build(*fixed)
            except Reject:
                continue
        raise Reject("no fix")

    def gen_arith(self, scope, depth):
        op = self.rng.choice(["+", "-", "*", "+", "-"])
        left, right = self.expr(scope, depth - 1), self.expr(scope, depth - 1)
        return self.with_fixes(lambda a, b: binary(op, a, b, self.wide_muldiv), [left, right])

    def gen_bitwise(self, scope, depth):
        op = self.rng.choice(["&", "|", "^"])
        left = self.expr(scope, depth - 1)
        right = self.constant(self.pick_type()) if self.rng.random() < 0.4 else self.expr(scope, depth - 1)
        return self.with_fixes(lambda a, b: binary(op, a, b), [left, right])

    def gen_shift(self, scope, depth):
        op = self.rng.choice(["<<", ">>"])
        left = self.expr(scope, depth - 1)

        def build(a):
            width = min(promote(a.t, TARGET).width, promote(a.h, HOST).width)
            count = self.rng.randrange(width)
            return binary(op, a, make_literal(count, self.rng))
        return self.with_fixes(build, [left])

    def divisor(self, scope, depth):
        r = self.rng.random()
        if r < 0.5:
            typedef = self.pick_type()
            value = 0
            while value == 0:
                value = self.interesting(typedef)
            return self.constant(typedef, value)
        x = self.make_exact(self.expr(scope, depth - 1))
        if r < 0.8:
            return binary("|", x, literal(1))
        masked = binary("&", x, make_literal(self.rng.choice([1, 3, 7, 15, 255]), self.rng))
        return binary("+", masked, literal(1))

    def gen_divide(self, scope, depth):
        op = self.rng.choice(["/", "%"])
        left = self.make_exact(self.expr(scope, depth - 1))
        right = self.divisor(scope, depth)
        try:
            return binary(op, left, right, self.wide_muldiv)
        except Reject:
            pass
        # A cast would lose the divisor's proof of being non-zero, so only
        # the dividend is cast.
        for typedef in self.rng.sample(TYPEDEFS, 4):
            try:
                return binary(op, cast(typedef, left), right, self.wide_muldiv)
            except Reject:
                continue
        raise Reject("division")

    def gen_compare(self, scope, depth):
        op = self.rng.choice(["<", "<=", ">", ">=", "==", "!="])
        left = self.expr(scope, depth - 1)
        if self.rng.random() < 0.4:
            right = self.constant(self.pick_type())
        else:
            right = self.expr(scope, depth - 1)
        return self.with_fixes(lambda a, b: binary(op, a, b), [left, right])

    def gen_logical(self, scope, depth):
        op = self.rng.choice(["&&", "||"])
        left = self.make_exact(self.expr(scope, depth - 1))
        right = self.make_exact(self.expr(scope, depth - 1))
        return binary(op, left, right)

    def gen_unary(self, scope, depth):
        op = self.rng.choice(["-", "~", "!"])
        x = self.expr(scope, depth - 1)
        return self.with_fixes(lambda a: unary(op, a), [x])

    def gen_cast(self, scope, depth):
        x = self.expr(scope, depth - 1)
        if self.rng.random() < 0.1:
            return cast_unsigned(x)
        return cast(self.pick_type(), x)

    def gen_conditional(self, scope, depth):
        cond = self.make_exact(self.expr(scope, depth - 1))
        a, b = self.expr(scope, depth - 1), self.expr(scope, depth - 1)
        return self.with_fixes(lambda x, y: conditional(cond, x, y), [a, b])

    def fitted(self, typedef, lo, hi, scope, depth):
        """An expression whose value, stored into typedef, lies within
        [lo, hi]: a random one, clamped or masked when it may not. Its text
        is the one to store (see store_text)."""
        node = self.expr(scope, depth)
        stored = self.stored(typedef, node, lo, hi)
        if stored is not None:
            return stored
        node = self.make_exact(node)

        def clamped():
            return clamp(node, self.constant(typedef, lo), self.constant(typedef, hi))

        def remainder():
            span = min(hi, -lo) + 1
            if not lo <= 0 <= hi or (node.val.lo < 0 and lo == 0) or span < 2:
                raise Reject("remainder")
            return binary("%", node, self.constant(typedef, span), self.wide_muldiv)

        def masked():
            bits = (hi - lo + 1).bit_length() - 1
            result = binary("&", node, make_literal((1 << bits) - 1, self.rng))
            return binary("+", result, self.constant(typedef, lo)) if lo else result

        ways = [clamped, remainder, masked]
        self.rng.shuffle(ways)
        for way in ways:
            try:
                candidate = way()
            except Reject:
                continue
            stored = self.stored(typedef, candidate, lo, hi)
            if stored is not None and candidate.cost <= TEMPORARY_BUDGET:
                return stored
        return self.random_literal(lo, hi)

    def random_literal(self, lo, hi):
        value = self.rng.randint(lo, hi)
        return Node(self.literal_for(value), None, None, exact(value, value))

    def stored(self, typedef, node, lo, hi):
        """node with the text of store_text, or None."""
        text = self.store_text(typedef, node, lo, hi)
        if text is None:
            return None
        result = Node(text, node.t, node.h, node.val)
        result.cost = node.cost
        return result

    def store_text(self, typedef, node, lo, hi):
        """node's text as stored into typedef when the stored value is sure to
        lie within [lo, hi], else None."""
        val = assigned(typedef, node.val)
        if not (val.exact and lo <= val.lo and val.hi <= hi):
            return None
        if typedef.width == 24 and not (node.val.exact and fits(node.val.lo, node.val.hi, typedef.host)
                                        and fits(node.val.lo, node.val.hi, CType(24, typedef.signed, 0))):
            return f"H{'S' if typedef.signed else 'U'}24({node.bare()})"
        return node.bare()

    # Statements.

    def statements(self, scope, count, indent, loop_depth=0, multiplier=1):
        lines = []
        for _ in range(count):
            lines += self.statement(scope, indent, loop_depth, multiplier)
        return lines

    def statement(self, scope, indent, loop_depth, multiplier):
        pad = "    " * indent
        kinds = ["assign", "chain", "compound", "incdec", "put", "if", "loop", "switch", "call", "jump"]
        weights = [28, 4, 18, 5, 25 if scope.main else 0, 8, 6 if loop_depth < 2 else 0, 5, 8, 3]
        if indent > 3:
            weights[5] = weights[6] = weights[7] = 0
        kind = self.rng.choices(kinds, weights)[0]
        writable = scope.writable()
        if kind in ("assign", "chain", "compound", "incdec") and not writable:
            kind = "put" if scope.main else "call"
        if kind == "assign":
            return self.assign_fallback(self.rng.choice(writable), scope, pad)
        if kind == "chain":
            return self.chain(scope, pad)
        if kind == "compound":
            return self.compound(scope, pad)
        if kind == "incdec":
            return self.incdec(scope, pad)
        if kind == "put":
            return self.put(scope, pad, multiplier)
        if kind == "if":
            cond = self.make_exact(self.expr(scope, self.depth))
            lines = [f"{pad}if ({cond.bare()}) {{"]
            lines += self.statements(scope, self.rng.randint(1, 3), indent + 1, loop_depth, multiplier)
            if self.rng.random() < 0.5:
                lines += [f"{pad}}} else {{"]
                lines += self.statements(scope, self.rng.randint(1, 3), indent + 1, loop_depth, multiplier)
            return lines + [f"{pad}}}"]
        if kind == "loop":
            return self.loop(scope, indent, loop_depth, multiplier)
        if kind == "switch":
            return self.switch(scope, indent, loop_depth, multiplier)
        if kind == "jump":
            return self.jump(scope, pad, loop_depth)
        return self.call_statement(scope, pad)

    def loop(self, scope, indent, loop_depth, multiplier):
        """A loop of a few trips on a counter that nothing else writes. The
        while and do forms count at the top, so that continue cannot skip
        the count."""
        pad = "    " * indent
        i = scope.counters[loop_depth].name
        trips = self.rng.randint(1, 5)
        scope.active.append(scope.counters[loop_depth])
        body = self.statements(scope, self.rng.randint(1, 3), indent + 1, loop_depth + 1, multiplier * trips)
        scope.active.pop()
        form = self.rng.choice(["for", "for", "while", "do"])
        if form == "for":
            return [f"{pad}for ({i} = 0; {i} < {trips}; {i}++) {{"] + body + [f"{pad}}}"]
        count = [f"{pad}    {i}++;"]
        if form == "while":
            return [f"{pad}{i} = 0;", f"{pad}while ({i} < {trips}) {{"] + count + body + [f"{pad}}}"]
        return [f"{pad}{i} = 0;", f"{pad}do {{"] + count + body + [f"{pad}}} while ({i} < {trips});"]

    def jump(self, scope, pad, loop_depth):
        """A conditional break, continue or return."""
        cond = self.make_exact(self.expr(scope, self.depth - 1))
        choices = ["return"] + (["break", "continue"] if loop_depth else [])
        kind = self.rng.choice(choices)
        if kind != "return":
            return [f"{pad}if ({cond.bare()})", f"{pad}    {kind};"]
        result = scope.result
        value = "" if result is None else \
            " " + self.fitted(result.type, result.lo, result.hi, scope, self.depth - 1).text
        return [f"{pad}if ({cond.bare()})", f"{pad}    return{value};"]

    def chain(self, scope, pad):
        """a = b = e: b takes e, a takes b's new value."""
        writable = [v for v in scope.writable() if v.length is None]
        if len(writable) < 2:
            return []
        outer, inner = self.rng.sample(writable, 2)
        node = self.fitted(inner.type, inner.lo, inner.hi, scope, self.depth - 1)
        value = Node(inner.name, inner.type.target, inner.type.host, assigned(inner.type, node.val))
        text = self.store_text(outer.type, value, outer.lo, outer.hi)
        if text is None or text != inner.name:
            return [f"{pad}{inner.name} = {node.text};"]
        return [f"{pad}{outer.name} = {inner.name} = {node.text};"]

    def compound(self, scope, pad):
        var = self.rng.choice(scope.writable())
        op = self.rng.choice(["+", "-", "*", "&", "|", "^", "<<", ">>", "/", "%"])
        left = self.access(var, scope, store=True)
        try:
            if op in ("<<", ">>"):
                width = min(promote(left.t, TARGET).width, promote(left.h, HOST).width)
                right = literal(self.rng.randrange(width))
            elif op in ("/", "%"):
                right = self.divisor(scope, self.depth)
            else:
                right = self.expr(scope, self.depth - 1)
                if not right.val.exact and self.rng.random() < 0.5:
                    right = self.make_exact(right)
            node = binary(op, left, right, self.wide_muldiv)
        except Reject:
            return self.assign_fallback(var, scope, pad)
        val = assigned(var.type, node.val)
        if not (val.exact and var.lo <= val.lo and val.hi <= var.hi):
            return self.assign_fallback(var, scope, pad)
        if var.type.width == 24:
            reduce = f"H{'S' if var.type.signed else 'U'}24"
            return ["#ifdef __VxCORE", f"{pad}{left.text} {op}= {right.bare()};", "#else",
                    f"{pad}{left.text} = {reduce}({node.bare()});", "#endif"]
        return [f"{pad}{left.text} {op}= {right.bare()};"]

    def assign_fallback(self, var, scope, pad):
        target = self.access(var, scope, store=True)
        return [f"{pad}{target.text} = {self.fitted(var.type, var.lo, var.hi, scope, self.depth).text};"]

    def incdec(self, scope, pad):
        var = self.rng.choice(scope.writable())
        op = self.rng.choice(["+", "-"])
        target = self.access(var, scope, store=True)
        try:
            node = binary(op, target, literal(1))
        except Reject:
            return self.assign_fallback(var, scope, pad)
        val = assigned(var.type, node.val)
        if not (val.exact and var.lo <= val.lo and val.hi <= var.hi):
            return self.assign_fallback(var, scope, pad)
        text = self.rng.choice([f"{target.text}{op}{op}", f"{op}{op}{target.text}"])
        if var.type.width == 24:
            reduce = f"H{'S' if var.type.signed else 'U'}24"
            return ["#ifdef __VxCORE", f"{pad}{text};", "#else",
                    f"{pad}{target.text} = {reduce}({node.bare()});", "#endif"]
        return [f"{pad}{text};"]

    def put(self, scope, pad, multiplier):
        sizes = [n for n in (1, 2, 4) if n * multiplier <= self.budget]
        if not sizes:
            return []
        size = self.rng.choice(sizes)
        self.budget -= size * multiplier
        node = self.expr(scope, self.depth)
        width = size * 8
        if not node.val.exact and node.val.k < width:
            node = self.make_exact(node)
        return [f"{pad}put{width}({node.bare()});"]

    def switch(self, scope, indent, loop_depth, multiplier):
        pad = "    " * indent
        node = self.make_exact(self.expr(scope, self.depth - 1))
        pt, ph = promote(node.t, TARGET), promote(node.h, HOST)
        lo = max(node.val.lo, type_range(pt.width, pt.signed)[0], type_range(ph.width, ph.signed)[0])
        hi = min(node.val.hi, type_range(pt.width, pt.signed)[1], type_range(ph.width, ph.signed)[1])
        labels = set()
        for _ in range(self.rng.randint(1, 4)):
            if self.rng.random() < 0.5 and hi - lo < 64:
                labels.add(self.rng.randint(lo, hi))
            else:
                labels.add(min(max(self.rng.choice([lo, hi, 0, 1, -1, lo + 1, hi - 1]), lo), hi))
        lines = [f"{pad}switch ({node.bare()}) {{"]
        for label in sorted(labels):
            lines += [f"{pad}case {self.literal_for(label)}:"]
            body = self.statements(scope, self.rng.randint(1, 2), indent + 1, loop_depth, multiplier)
            # A label needs a statement after it; without a break the case
            # falls through into the next.
            if not body or self.rng.random() < 0.8:
                body += [f"{pad}    break;"]
            lines += body
        if self.rng.random() < 0.6:
            lines += [f"{pad}default:"]
            lines += self.statements(scope, 1, indent + 1, loop_depth, multiplier) + [f"{pad}    break;"]
        return lines + [f"{pad}}}"]

    def call_statement(self, scope, pad):
        if scope.call_depth <= 0 or not scope.callable:
            return []
        function = self.rng.choice(scope.callable)
        call = self.call(function, scope)
        writable = [v for v in scope.writable() if function.pure or v.kind != "global"]
        if function.result is not None and writable and self.rng.random() < 0.7:
            var = self.rng.choice(writable)
            text = self.store_text(var.type, call, var.lo, var.hi)
            if text is not None:
                return [f"{pad}{self.access(var, scope, store=True).text} = {text};"]
        if function.result is not None and scope.main and self.budget >= 2 and self.rng.random() < 0.5:
            self.budget -= 2
            return [f"{pad}put16({call.text});"]
        return [f"{pad}{call.text};"]

    # Declarations.

    def new_var(self, kind, prefix, typedef=None, interval=None):
        typedef = typedef or self.pick_type()
        lo, hi = interval or self.pick_interval(typedef)
        self.names += 1
        return Var(f"{prefix}{self.names}", typedef, lo, hi, kind)

    def new_array(self, kind):
        var = self.new_var(kind, "a")
        var.length = self.rng.choice([2, 4, 8])
        return var

    def declaration(self, var, init):
        return f"{var.type.name} {var.name} = {init};"

    def array_declaration(self, var):
        """An array with constant initial values, or, for a global, none
        when zero lies in its interval."""
        if var.kind == "global" and var.lo <= 0 <= var.hi and self.rng.random() < 0.3:
            return f"{var.type.name} {var.name}[{var.length}];"
        values = [self.literal_for(min(max(self.interesting(var.type), var.lo), var.hi))
                  for _ in range(var.length)]
        return f"{var.type.name} {var.name}[{var.length}] = {{{', '.join(values)}}};"

    def function(self, index):
        r = self.rng
        pure = r.random() < 0.6
        params = [self.new_var("param", "p") for _ in range(r.randint(0, 3))]
        result = self.new_var("result", "r") if pure or r.random() < 0.5 else None
        name = f"f{index}"
        # A function calls only functions that call none, which keeps the
        # frames on the target's small software stack to three.
        callees = [f for f in self.functions if not f.calls and (f.pure or not pure)]
        calls = bool(callees) and r.random() < 0.6
        function = Function(name, params, result, pure, calls)
        scope = Scope(self, params, callable=callees if calls else [], main=False, pure=pure,
                      call_depth=1 if calls else 0, result=result)
        decls = self.local_declarations(scope, r.randint(0, 3))
        body = decls
        statements = self.statements(scope, r.randint(1, self.function_statements), 1)
        body += self.counter_declarations(scope) + statements
        if result is not None:
            value = self.fitted(result.type, result.lo, result.hi, scope, self.depth)
            body.append(f"    return {value.text};")
        ret = result.type.name if result else "void"
        args = ", ".join(f"{p.type.name} {p.name}" for p in params) or "void"
        comment = self.function_comment(function)
        text = [comment, f"{ret} {name}({args})", "{"] + body + ["}", ""]
        return function, text

    def local_declarations(self, scope, count):
        decls = []
        for _ in range(count):
            if self.rng.random() < 0.15:
                var = self.new_array("local")
                decls.append(f"    {self.array_declaration(var)}")
            else:
                var = self.new_var("local", "v")
                init = self.fitted(var.type, var.lo, var.hi, scope, 2).text
                decls.append(f"    {self.declaration(var, init)}")
            scope.locals.append(var)
        return decls

    def counter_declarations(self, scope):
        return [f"    u8 {c.name};" for c in scope.counters]

    def function_comment(self, function):
        params = ", ".join(f"{p.name} in [{p.lo}, {p.hi}]" for p in function.params)
        result = f"result in [{function.result.lo}, {function.result.hi}]" if function.result else "no result"
        kind = "reads globals only" if function.pure else "may write globals"
        parts = [p for p in (params, result, kind) if p]
        return f"/* {'; '.join(parts)} */"

    def program(self):
        r = self.rng
        options = self.size + ("" if self.wide_muldiv else ", no-wide-muldiv")
        lines = [f"// Random program {self.seed} ({options}) from tests/e2e/randgen.py.", PRELUDE]
        for _ in range(self.globals_count):
            if r.random() < 0.2:
                var = self.new_array("global")
                lines.append(f"{self.array_declaration(var)} /* [{var.lo}, {var.hi}] */")
                self.globals.append(var)
                continue
            var = self.new_var("global", "g")
            if r.random() < 0.2 and var.lo <= 0 <= var.hi:
                lines.append(f"{var.type.name} {var.name}; /* [{var.lo}, {var.hi}] */")
            else:
                value = min(max(self.interesting(var.type), var.lo), var.hi)
                lines.append(f"{self.declaration(var, self.literal_for(value))} /* [{var.lo}, {var.hi}] */")
            self.globals.append(var)
        lines.append("")
        for index in range(r.randint(1, self.functions_count)):
            function, text = self.function(index)
            self.functions.append(function)
            lines += text
        scope = Scope(self, [], callable=list(self.functions), main=True, pure=False, call_depth=1)
        decls = self.local_declarations(scope, r.randint(1, 4))
        body = self.statements(scope, self.main_statements, 1)
        tail = []
        for var in self.globals + scope.locals:
            size = 4 if var.type.width == 24 else var.type.width // 8
            names = [var.name] if var.length is None else [f"{var.name}[0]", f"{var.name}[{var.length - 1}]"]
            for name in names:
                if size <= self.budget:
                    self.budget -= size
                    tail.append(f"    put{size * 8}({name});")
        lines += ["void main(void)", "{"] + decls + self.counter_declarations(scope) + body + tail + ["}"]
        return "\n".join(lines) + "\n"


class Scope:
    def __init__(self, generator, params, callable, main, pure, call_depth, result=None):
        self.generator = generator
        self.result = result
        self.params = params
        self.locals = []
        self.callable = callable
        self.main = main
        self.pure = pure
        self.call_depth = call_depth
        self.counters = [Var(f"i{n}", BY_NAME["u8"], 0, 5, "counter") for n in range(2)]
        self.active = []

    def readable(self):
        return self.generator.globals + self.params + self.locals + self.active

    def writable(self):
        own = self.params + self.locals
        return own if self.pure else self.generator.globals + own

    def nested_call(self):
        inner = Scope(self.generator, self.params, self.callable, self.main, self.pure, self.call_depth - 1,
                      self.result)
        inner.locals = self.locals
        inner.active = self.active
        return inner


def generate(seed, size="small", wide_muldiv=True):
    return Generator(seed, size, wide_muldiv).program()


def main():
    parser = argparse.ArgumentParser(description="Writes a random integer C program.")
    parser.add_argument("seed", type=int)
    parser.add_argument("--size", choices=sorted(SIZES), default="small")
    parser.add_argument("--no-wide-muldiv", action="store_true",
                        help="no products, quotients or remainders of 24 or 32 bits")
    parser.add_argument("-o", "--output", help="file to write (default: standard output)")
    args = parser.parse_args()
    text = generate(args.seed, args.size, not args.no_wide_muldiv)
    if args.output:
        with open(args.output, "w", encoding="utf-8") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
