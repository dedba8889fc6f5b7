// Statement checks: return values, scalar conditions, break and continue,
// switch, case and default, labels and goto (an undefined one at the '}').
// RUN: %expect-exit 15 %vexc %s | %FileCheck %s
struct s { int m; } sv;
float fl;
int value(void)
{
    return;
}
void nothing(void)
{
    return 1;
}
struct s *mismatch(void)
{
    return 1.5;
}
void flow(int x)
{
    if (sv)
        x = 1;
    while (sv)
        x = 2;
    do x = 3; while (sv);
    for (; sv;)
        x = 4;
    break;
    switch (x) {
    case 1: x = 5;
    case 1: x = 6;
    case 1.5: x = 7;
    default: x = 8;
    default: x = 9;
    }
    switch (x) { case 2: continue; }
    switch (fl) { }
    case 3: x = 10;
    default: x = 11;
    goto out;
again:
again:
    x = 12;
}
// CHECK: {{.*}}statement_errors.c:8:Warning [2053] return value expected
// CHECK-NEXT: {{.*}}statement_errors.c:12:Warning [2052] unexpected return value
// CHECK-NEXT: {{.*}}statement_errors.c:16:Error [1116] type mismatch in return statement
// CHECK-NEXT: {{.*}}statement_errors.c:20:Error [1117] scalar type expected in 'if' statement
// CHECK-NEXT: {{.*}}statement_errors.c:22:Error [1118] scalar type expected in 'while' statement
// CHECK-NEXT: {{.*}}statement_errors.c:24:Error [1119] scalar type expected in 'do..while' statement
// CHECK-NEXT: {{.*}}statement_errors.c:25:Error [1120] scalar type expected in 'for' statement
// CHECK-NEXT: {{.*}}statement_errors.c:27:Error [1125] 'break' must appear in a loop or switch statement
// CHECK-NEXT: {{.*}}statement_errors.c:30:Error [1515] redefinition of case value 1
// CHECK-NEXT: {{.*}}statement_errors.c:31:Error [1113] integer constant expected for case label value
// CHECK-NEXT: {{.*}}statement_errors.c:33:Error [1115] multiple default labels in switch statement
// CHECK-NEXT: {{.*}}statement_errors.c:35:Error [1126] 'continue' must appear in a loop statement
// CHECK-NEXT: {{.*}}statement_errors.c:36:Error [1112] integer type expected in switch control expression
// CHECK-NEXT: {{.*}}statement_errors.c:37:Error [1114] case label outside switch statement detected
// CHECK-NEXT: {{.*}}statement_errors.c:38:Error [1159] default label outside switch statement detected
// CHECK-NEXT: {{.*}}statement_errors.c:40:Error [1512] redefinition of label 'again'
// CHECK-NEXT: {{.*}}statement_errors.c:43:Error [1111] undefined label 'out' in 'flow'
