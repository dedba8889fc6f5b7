// Numbered diagnostics: the message table, the counts that decide the exit
// status, the diagnostic level, suppression, the error limit and the help
// output.  Shared by the compiler and the preprocessor.
#pragma once
#include <cstdarg>
#include <cstdint>
#include <cstdio>

struct message_row {
    uint32_t number;
    const char *text; // printf format of the one-line message
    const char *help; // the long explanation, may be empty
};

constexpr int MESSAGE_TABLE_SZ = 216;
extern const message_row message_table[MESSAGE_TABLE_SZ];

// Thrown by a fatal diagnostic or the error limit; caught at the abort point
// of the program's main, which skips the remaining stages and shuts down.
struct compile_abort {};

extern int error_level; // 1 to 3: which classes are written
extern unsigned maxerror;

int error_init(const char *name);
void error_uninit();
unsigned get_error_count();
unsigned get_warning_count();
unsigned get_message_count();

void post_error(unsigned number, ...);
void vpost_error(unsigned number, va_list args);

// Numbers below 2000 (fatal diagnostics and errors) are never suppressed.
void suppress_message(unsigned number);
bool is_message_suppressed(unsigned number);
void retrieve_message(unsigned number, char *buffer, unsigned size);

void print_error(FILE *stream, const char *text);
[[gnu::format(printf, 2, 0)]] void vprint_error(FILE *stream, const char *format, va_list args);
[[gnu::format(printf, 2, 3)]] void _err_output(FILE *stream, const char *format, ...);

// Unnumbered reports of the parsers and late stages: counted and written by
// level only, never suppressed and never ending the compilation.
[[gnu::format(printf, 1, 2)]] void yyerror(const char *format, ...);
[[gnu::format(printf, 1, 2)]] void yywarning(const char *format, ...);
[[gnu::format(printf, 1, 2)]] void yymessage(const char *format, ...);

void show_message_list();
// Number 0 shows every listed row with its help text.
void show_message_help(unsigned number);
