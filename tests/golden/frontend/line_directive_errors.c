// Line directives without a line number post 1016; anything after the file
// name posts 1020.  A valid directive renumbers the lines that follow.
// RUN: printf '#line x\n#line 5 "f.c" junk\nint a = = 1;\n#line 40 "g.c"\nint b = = 1;\n' > l.i
// RUN: %expect-exit 4 %astdump l.i | %FileCheck %s
// CHECK: l.i:1:Error [1016] integer constant expected for #line directive
// CHECK-NEXT: l.i:2:Error [1020] unexpected input following '#line'
// CHECK-NEXT: f.c:5:Error: syntax error
// CHECK-NEXT: g.c:40:Error: syntax error
