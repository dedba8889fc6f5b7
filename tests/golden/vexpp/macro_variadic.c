// Variable arguments: __VA_ARGS__, left out entirely, stringized, a named
// variable-argument parameter, and ", ## __VA_ARGS__" dropping its comma.
// RUN: cp %s t.c && %vexpp -o t.i t.c && %FileCheck --match-full-lines %s < t.i
#define debug(...) fprintf(stderr, __VA_ARGS__)
#define showlist(...) puts(#__VA_ARGS__)
#define report(test, ...) ((test)?puts(#test): printf(__VA_ARGS__))
#define log(fmt, ...) printf(fmt, ## __VA_ARGS__)
#define named(fmt, args...) printf(fmt, args)
#define count(a, ...) a
debug("Flag");
debug("X = %d\n", x);
showlist(The first, second, and third items.);
report(x>y, "x is %d but y is %d", x, y);
log("plain");
log("one %d", 1);
log("two %d %d", 1, 2);
named("%d %d", 3, 4);
count(1) count(2,) count(3, (4, 5))
// CHECK: fprintf(stderr, "Flag");
// CHECK-NEXT: fprintf(stderr, "X = %d\n", x);
// CHECK-NEXT: puts("The first, second, and third items.");
// CHECK-NEXT: ((x>y)?puts("x>y"): printf("x is %d but y is %d", x, y));
// CHECK-NEXT: printf("plain");
// CHECK-NEXT: printf("one %d", 1);
// CHECK-NEXT: printf("two %d %d", 1, 2);
// CHECK-NEXT: printf("%d %d", 3, 4);
// CHECK-NEXT: 1 2 3
