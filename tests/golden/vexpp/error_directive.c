// #error reports its text as diagnostic 1099, on the console and in the
// error file, and the run fails; text after it is still preprocessed.
// RUN: cp %s t.c && %expect-exit 1 %vexpp -o t.i -e t.err t.c | %FileCheck --check-prefix=CONSOLE %s
// RUN: %FileCheck --check-prefix=ERRFILE %s < t.err
// RUN: test ! -e t.i
#define VERSION 3
#if VERSION < 4
#error   version  VERSION is too old /* says why */
#endif
#error
// CONSOLE: {{.*}}/t.c:8:Error [1099] version VERSION is too old{{$}}
// CONSOLE-NEXT: {{.*}}/t.c:10:Error [1099] {{$}}
// ERRFILE: Error[1099] {{.*}}/t.c 8 : version VERSION is too old{{$}}
// ERRFILE-NEXT: Error[1099] {{.*}}/t.c 10 : {{$}}
