// The attribute records that carry a rule's results between the actions of
// a node and those of its parent while a tree is reduced.
#pragma once
#include <cstdint>

struct ocode;
struct symbol;

// Where a value lives: a symbol and a byte offset in data memory; a byte
// offset in the running function's frame (reached through FSR2); or the
// object that a pointer points at, the pointer held at symbol + offset
// (reached through FSR0); or a byte of program memory whose 16- or 24-bit
// address is held at symbol + offset (read through TBLPTR).
enum location_kind : int32_t { LOC_RAM = 0, LOC_STACK = 1, LOC_POINTER = 2, LOC_ROM = 3, LOC_FAR_ROM = 4 };

struct gen_location {
    location_kind kind;
    symbol *sym;
    int32_t offset;
};

enum gconst_kind : int32_t { GCONST_INTEGER = 0, GCONST_FLOAT = 1, GCONST_ADDRESS = 2 };

struct gen_attrib {
    // For an address or a variable: the place it denotes.  For a computed
    // value: the place that holds it.
    gen_location loc;
    int32_t icnst;
    gconst_kind gkind;
    uint32_t gvalue; // integer value or float bits
    symbol *gsym;    // GCONST_ADDRESS: the symbol and offset
    int32_t goffset;
    ocode *code;     // the output code the node produced
    symbol *label;   // a rule's own label
    // A bit-field: its first bit and width within the byte at `loc`.
    int32_t bit_offset;
    int32_t bit_width;
    bool bit_signed;
};

constexpr int sATTRIBSTACKSIZE = 1024;

// During a node's actions: its own record, and the records of its pattern
// leaves in leaf order.
gen_attrib *attr_self();
gen_attrib *attr_kid(int leaf);
