// The older configuration macro's variable and the configuration pragma
// exclude each other: 1226 at the variable, once per touched register, and
// no configuration section.
// RUN: %expect-exit 2 %vexc -p 61C3506 %s -fo l.o | %FileCheck %s
// RUN: test ! -e l.o
#pragma config CLKSRC = XTAL
#pragma config VDROP = OFF
rom char _configuration = 0;
// CHECK: config_legacy.c:8:Error [1226] cannot specify both #pragma config and _CONFIG_DECL macro
// CHECK-NEXT: config_legacy.c:8:Error [1226] cannot specify both #pragma config and _CONFIG_DECL macro
// CHECK-NOT: Error
