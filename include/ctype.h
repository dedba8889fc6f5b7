/* Character classes of the "C" locale: 7-bit ASCII.  Any other value,
   EOF and the codes from 128 up included, belongs to no class, and
   tolower and toupper return it unchanged.  A true result is 1.

   Each function is a few comparisons in a runtime member of its own,
   rather than a lookup in a shared 128-entry class table in program
   memory: compiled, a comparison function takes 80 to 140 bytes, while a
   table lookup with its range check took 128 bytes a function on top of
   the table's 128, so the comparisons are smaller for any number of
   classes a program uses. */
#ifndef _CTYPE_H
#define _CTYPE_H

int isalnum(auto int c);
int isalpha(auto int c);
int iscntrl(auto int c);
int isdigit(auto int c);
int isgraph(auto int c);
int islower(auto int c);
int isprint(auto int c);
int ispunct(auto int c);
int isspace(auto int c);
int isupper(auto int c);
int isxdigit(auto int c);
int tolower(auto int c);
int toupper(auto int c);

#endif
