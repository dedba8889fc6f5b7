// For a specific device the configuration pragma reads its settings; a
// setting the device does not have is reported with 1224 and ends the line.
// RUN: cp %s c.c && %vexpp -o c.i c.c && %expect-exit 1 %astdump -s c.i | %FileCheck %s
#pragma config WDT = OFF, OSC = HS
int after_config;
// CHECK: c.c:4:Error [1224] configuration setting 'WDT' not recognized
// CHECK-NOT: Error
// CHECK: H_IDENT
