// Interrupt pragmas and the end of the unit: the interrupt function's checks,
// an unknown save-list symbol, a handler never defined, and static functions
// not defined, never referenced, or referenced without a definition.
// RUN: %expect-exit 7 %vexc %s | %FileCheck %s
static void never(void);
static void unused(void) { }
static void missing(void);
int counter;
int not_a_function;
int returns_value(void);
void takes_param(int x);
void handler(void);
#pragma interrupt takes_param
#pragma interrupt returns_value
#pragma interrupt not_a_function
#pragma interrupt handler save=ghost
#pragma interrupt undefined_handler
void handler(void) { }
void caller(void)
{
#pragma interrupt handler
    missing();
}
// CHECK: {{.*}}unit_end_errors.c:13:Error [1107] interrupt functions must not take parameters
// CHECK-NEXT: {{.*}}unit_end_errors.c:14:Error [1108] interrupt functions must not return a value
// CHECK-NEXT: {{.*}}unit_end_errors.c:15:Error [1106] 'not_a_function' is not a function
// CHECK-NEXT: {{.*}}unit_end_errors.c:16:Error [1210] unknown symbol 'ghost' in interrupt save list
// CHECK-NEXT: {{.*}}unit_end_errors.c:21:Error [1208] "#pragma interrupt" detected inside function body
// CHECK-NEXT: {{.*}}unit_end_errors.c:19:Error [1211] missing definition for interrupt function 'undefined_handler'
// CHECK-NEXT: {{.*}}unit_end_errors.c:19:Error [1212] static function 'missing' referenced but not defined
// CHECK-NEXT: {{.*}}unit_end_errors.c:19:Warning [2065] static function 'unused' never referenced
// CHECK-NEXT: {{.*}}unit_end_errors.c:19:Warning [2064] static function 'never' not defined
