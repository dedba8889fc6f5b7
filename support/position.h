// The source position that every diagnostic reports: the current file, kept
// up to date by line directives, and the current line, advanced by the
// scanner.  Each program (compiler, preprocessor, tests) shares this pair.
#pragma once

constexpr int MAX_PATH_LENGTH = 260; // the host's maximum path, terminator included

extern char yyfilename[MAX_PATH_LENGTH];
extern int yylineno;
