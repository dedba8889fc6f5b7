// Nesting deeper than the parser stack can hold is one error, "yacc stack
// overflow", and not a crash; a long flat expression is no problem at all.
// RUN: { printf 'int x = '; head -c 12000 /dev/zero | tr '\0' '('; printf 1; head -c 12000 /dev/zero | tr '\0' ')'; printf ';\n'; } > deep.i
// RUN: %expect-exit 1 %astdump deep.i | %FileCheck %s
// RUN: { printf 'int y = 1'; for i in $(seq 5000); do printf ' + %d' $i; done; printf ';\n'; } > long.i
// RUN: %astdump long.i > long.dump && grep -c H_ADD long.dump | grep -x 5000
// CHECK: deep.i:1:Error: yacc stack overflow
// CHECK-NOT: Error
