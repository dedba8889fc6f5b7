/* Boolean type and values.  The compiler has no _Bool of its own; a byte
   holds a truth value as the comparison operators give it, 0 or 1. */
#ifndef __STDBOOL_H
#define __STDBOOL_H

#define bool unsigned char
#define true 1
#define false 0
#define __bool_true_false_are_defined 1

#endif
