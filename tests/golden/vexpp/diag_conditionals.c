// Conditional directives out of place, and controlling expressions that
// cannot be evaluated; a failed expression counts as false.
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
#elif 1
#else
#endif
#if 1 +
#endif
#if (1
#elif 1 / 0
#elif 2 % (1 - 1)
#elif 1.5
#elif "string"
#elif defined
#elif defined(X
#elif 1 ? 2
#elif 0x1g
#elif
#endif
#ifdef
#endif
#ifndef 3
#endif
#ifdef A B
#endif
#undef "x"
#if 1
#else
#elif 1
#else
#endif
#if 0
#else junk
#endif
#if 0
#if 1 / 0
#endif
#endif
#if 1
// CONSOLE: {{.*}}/t.c:5:Error [1028] #elif without matching #if
// CONSOLE-NEXT: {{.*}}/t.c:6:Error [1028] #else without matching #if
// CONSOLE-NEXT: {{.*}}/t.c:7:Error [1028] #endif without matching #if
// CONSOLE-NEXT: {{.*}}/t.c:8:Error [1029] malformed expression in '#if'
// CONSOLE-NEXT: {{.*}}/t.c:10:Error [1029] malformed expression in '#if'
// CONSOLE-NEXT: {{.*}}/t.c:11:Error [1104] division by zero in constant expression
// CONSOLE-NEXT: {{.*}}/t.c:12:Error [1104] division by zero in constant expression
// CONSOLE-NEXT: {{.*}}/t.c:13:Error [1029] malformed expression in '#elif'
// CONSOLE-NEXT: {{.*}}/t.c:14:Error [1029] malformed expression in '#elif'
// CONSOLE-NEXT: {{.*}}/t.c:15:Error [1030] identifier expected in 'defined'
// CONSOLE-NEXT: {{.*}}/t.c:16:Error [1031] ')' expected in 'defined'
// CONSOLE-NEXT: {{.*}}/t.c:17:Error [1029] malformed expression in '#elif'
// CONSOLE-NEXT: {{.*}}/t.c:18:Error [1029] malformed expression in '#elif'
// CONSOLE-NEXT: {{.*}}/t.c:19:Error [1029] malformed expression in '#elif'
// CONSOLE-NEXT: {{.*}}/t.c:21:Error [1030] identifier expected in #ifdef
// CONSOLE-NEXT: {{.*}}/t.c:23:Error [1030] identifier expected in #ifndef
// CONSOLE-NEXT: {{.*}}/t.c:25:Error [1020] unexpected input following '#ifdef'
// CONSOLE-NEXT: {{.*}}/t.c:27:Error [1030] identifier expected in #undef
// CONSOLE-NEXT: {{.*}}/t.c:30:Error [1000] #elif following #else
// CONSOLE-NEXT: {{.*}}/t.c:31:Error [1000] #else following #else
// CONSOLE-NEXT: {{.*}}/t.c:34:Error [1020] unexpected input following '#else'
// CONSOLE-NEXT: {{.*}}/t.c:40:Error [1000] #if without matching #endif
// CONSOLE-NOT: Error
// ERRFILE: Error[1028] {{.*}}/t.c 5 : #elif without matching #if
// ERRFILE: Error[1000] {{.*}}/t.c 40 : #if without matching #endif
