// Constant records: the value of a constant token in the target's own
// integer and float types, and the conversions that later stages apply.
#pragma once
#include <cstdint>

// Type codes, in order of increasing rank; the code also tells the width
// and signedness to the code generator.
enum constant_type_code : uint32_t {
    CT_SCHAR = 0,
    CT_UCHAR = 1,
    CT_INT = 2,
    CT_UINT = 3,
    CT_SHORTLONG = 4,
    CT_USHORTLONG = 5,
    CT_LONG = 6,
    CT_ULONG = 7,
    CT_FLOAT = 8,
};

struct constant_record {
    uint32_t type;  // a constant_type_code
    uint32_t value; // in the type's width; a float's bits for CT_FLOAT
};

// Scanners of the constant spellings; each fills `result` from `text`.
void scan_integer_constant(constant_record *result, const char *text);
void scan_character_constant(constant_record *result, const char *text);
void scan_float_constant(constant_record *result, const char *text);

// Escape sequences: `esc` maps the letter after a backslash, `hex2bin` and
// `oct2bin` read a numeric escape starting at `text` and advance it.
int esc(int letter);
unsigned hex2bin(const char **text);
unsigned oct2bin(const char **text);
// Copies a string literal body, converting escapes; returns the number of
// bytes written (the terminating zero that follows is not counted).
unsigned convert_escape_sequences(char *destination, const char *text);

int32_t get_signed_constant_value(uint32_t type, uint32_t value);
uint32_t get_unsigned_constant_value(uint32_t type, uint32_t value);
float get_float_constant_value(uint32_t type, uint32_t value);
void do_convert_constant_type(constant_record *record, uint32_t type);
void const_inc(constant_record *record);

// Width in bits and signedness of an integer type code.
unsigned nbits_in_type(uint32_t type);
bool is_signed_type(uint32_t type);
