// Type lists of declarations: the declarator's own parts (pointer, array,
// function) come first, then a copy of the declaration's specifiers;
// qualifiers written after a "*" precede that pointer.
// RUN: cp %s d.c && %vexpp -o d.i d.c && %astdump -t d.i | sed 's/ *$//' | %FileCheck --match-full-lines %s
typedef unsigned char byte;
const rom char *message;
char * const far table[4];
byte (*handler)(byte, int *);
static near volatile unsigned int flags, *flag_pointer;
overlay long total;
int cast = (int)(char *)0 + sizeof(far rom char *);
// CHECK: {{ *}}5: -: typedef unsigned char
// CHECK-NEXT: {{ *}}6: message: * const rom char
// CHECK-NEXT: {{ *}}7: table: [] const far * char
// CHECK-NEXT: {{ *}}8: handler: * () ???
// CHECK-NEXT: {{ *}}9: flags: static near volatile unsigned int
// CHECK-NEXT: {{ *}}9: flag_pointer: * static near volatile unsigned int
// CHECK-NEXT: {{ *}}10: total: overlay long
// CHECK-NEXT: {{ *}}11: cast: int
// CHECK-NEXT: {{ *}}11: -: int
// CHECK-NEXT: {{ *}}11: -: * char
// CHECK-NEXT: {{ *}}11: -: * far rom char
