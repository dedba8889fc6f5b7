// Conditional groups: only the first true group of each conditional is
// kept, groups inside a skipped group are skipped whatever they say, and
// lines left out are bridged by empty lines or a line directive.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define ONE 1
#define EMPTY
#if ONE
kept_if
#elif 1/0
never
#else
never
#endif
#ifdef EMPTY
kept_ifdef
#endif
#ifndef EMPTY
never
#elif defined ONE && defined(EMPTY) && !defined NONE
kept_elif
#endif
#if 0
#if 1
never
#else
never
#endif
#error not reached
#include "not reached"
#define ONE 2
#elif 0
never
#else
kept_else ONE
#endif
#if 0
  a long skipped group
  with several lines
  ' an apostrophe and a "string
  /* a comment that hides
#endif
     from the conditional */
  more lines
  more lines
  more lines
  more lines
  more lines
#endif
after
# /* the null directive */
#
last
// CHECK: kept_if
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: kept_ifdef
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: kept_elif
// CHECK-NEXT: #line 34 "t.c"
// CHECK-NEXT: kept_else 1
// CHECK-NEXT: #line 49 "t.c"
// CHECK-NEXT: after
// CHECK-EMPTY:
// CHECK-EMPTY:
// CHECK-NEXT: last
