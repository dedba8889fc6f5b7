#include "support/position.h"

char yyfilename[MAX_PATH_LENGTH];
int yylineno;
