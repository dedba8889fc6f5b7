// Malformed pragmas post their diagnostic and are skipped to the end of
// their line; parsing goes on with the next line.
// RUN: cp %s p.c && %vexpp -o p.i p.c && %expect-exit 6 %astdump p.i | %FileCheck %s
#pragma udata access access mydata
#pragma code a b
#pragma interrupt
#pragma interrupt isr nosave=FSR1, WREG
#pragma interruptlow isr2 save=PROD nosave=PRODL
#pragma interrupt isr3 save=x extra
#pragma config OSC=HS
#pragma optimize
int still_parsed;
// CHECK: p.c:4:Error [1014] redundant attribute specifier declaring section 'mydata'
// CHECK-NEXT: p.c:5:Error [1013] error in pragma directive
// CHECK-NEXT: p.c:6:Error [1018] function name expected in 'interrupt' pragma
// CHECK-NEXT: p.c:7:Warning [2077] FSR1 is not a valid compiler managed resource for use in the interrupt nosave list
// CHECK-NEXT: p.c:7:Warning [2076] WREG ignored in the interrupt nosave list, as it is preserved via shadow register
// CHECK-NEXT: p.c:8:Error [1228] PRODL cannot be specified in both interrupt save= and nosave= clauses
// CHECK-NEXT: p.c:9:Error [1020] unexpected input following 'interrupt'
// CHECK-NEXT: p.c:10:Error [1227] cannot specify #pragma config directive when compiling for generic device
// CHECK-NEXT: p.c:11:Warning [2002] unknown pragma 'optimize'
