// Struct assignment of every size from 29 to 40 bytes, by the program for the smaller sizes: frame to frame, frame to global, global to global and global to frame.
#define SIZES(X) \
    X(29) X(30) X(31) X(32) X(33) X(34) X(35) X(36) X(37) X(38) X(39) X(40)
#include "struct_copy_sizes.c"
