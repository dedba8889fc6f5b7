// Output-code records: the doubly linked lists of instructions, labels,
// function boundaries and branch pseudo-instructions that instruction
// selection builds, the optimizer rewrites and the emitter encodes.
#pragma once
#include <cstdint>

#include "codegen/inst.h"

struct symbol;
struct ocode;

// The optimizer's basic blocks are branch targets here.  A block record
// begins with a basic_block_header (the block number), the only part of a
// block that output code reads.
struct basic_block;
struct basic_block_header {
    int32_t number;
};

enum ocode_kind : uint32_t {
    OC_NOP = 0,
    OC_LABEL = 1,
    OC_BFUNCT = 2,
    OC_EFUNCT = 3,
    OC_INST = 4,
    OC_BRANCH = 5,
    OC_BZ = 6,
    OC_BNZ = 7,
    OC_BC = 8,
    OC_BNC = 9,
    OC_BOV = 10,
    OC_BNOV = 11,
    OC_BN = 12,
    OC_BNN = 13,
    OC_BTFBS = 14,
    OC_BTFBC = 15,
    OC_FUNCTION = 16,
    OC_PUSH_TEMPS = 17,
    OC_POP_TEMPS = 18,
};

enum branch_target_kind : uint32_t { LITERAL_BRANCH = 0, SYMBOL_BRANCH = 1, LABEL_BRANCH = 2, BLOCK_BRANCH = 3 };

struct ocode_label_data {
    symbol *label; // may be null for a label made by objInsertLabel
    int32_t used_in_relocation;
};

struct ocode_inst_data {
    inst *ins; // owned
};

struct ocode_branch_data {
    branch_target_kind type;
    int32_t literal;
    symbol *sym;
    ocode *label;         // an OC_LABEL record
    symbol *freg;         // the file register of OC_BTFBS and OC_BTFBC
    int32_t freg_offset;
    int32_t access;
    int32_t bit;
    basic_block *block;
    int32_t resolved;
};

struct ocode {
    ocode_kind type;
    int32_t number; // position, written by ocode_enumerate
    int32_t reserved;
    int32_t is_function; // OC_BFUNCT and OC_EFUNCT
    union {
        ocode_label_data label;
        symbol *function; // OC_BFUNCT, OC_EFUNCT; the x of OC_FUNCTION
        ocode_inst_data inst;
        ocode_branch_data branch;
    } data;
    int32_t line;
    const char *file; // lives until the end of the run
    int32_t rule;     // the grammar rule whose actions made the record
    int32_t optimizer[5];
    ocode *prev;
    ocode *next;
};

ocode *ocodeCreate();
// Frees an OC_INST's instruction record with it.
void ocodeFree(ocode *oc);

ocode *ocodeNop(int32_t line, const char *file);
ocode *ocodeLabel(symbol *label, int32_t line, const char *file);
ocode *ocodeFunction(symbol *x, int32_t line, const char *file);
ocode *ocodeBFunct(symbol *fn, int32_t line, const char *file);
ocode *ocodeEFunct(symbol *fn, int32_t line, const char *file);
ocode *ocodeInst(inst *ins, int32_t line, const char *file);
ocode *ocodePushTemps(int32_t line, const char *file);
ocode *ocodePopTemps(int32_t line, const char *file);

ocode *ocodeBranchLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBranchSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBranchBlock(basic_block *block, int32_t line, const char *file);
// `kind` is the branch kind, OC_BRANCH to OC_BTFBC.
ocode *ocodeBLabel(ocode_kind kind, ocode *label, int32_t line, const char *file);

ocode *ocodeBZLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBZSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBNZLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBNZSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBCLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBCSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBNCLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBNCSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBVLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBNVLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBNLiteral(int32_t k, int32_t line, const char *file);
ocode *ocodeBNSymbol(symbol *sym, int32_t line, const char *file);
ocode *ocodeBNNLiteral(int32_t k, int32_t line, const char *file);

// Branch when bit `b` of f+off is set (BTFBS) or clear (BTFBC); `a` is the
// access bit of f.
ocode *ocodeBTFBSLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file);
ocode *ocodeBTFBSSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file);
ocode *ocodeBTFBCLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file);
ocode *ocodeBTFBCSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file);

// The OC_LABEL record of a label symbol and the OC_BFUNCT record of a
// function symbol, or null while there is none.
ocode *ocode_label_record(const symbol *label);
ocode *ocode_function_record(const symbol *fn);
// Gives a label record made without a symbol (objInsertLabel) the symbol
// that a relocation will name; the symbol then finds the record like the
// symbol of an ocodeLabel record does.
void ocode_set_label_symbol(ocode *label, symbol *sym);

// A copy of a source file name that lives until the end of the run; output
// code outlives the IR trees whose names it carries.
const char *ocode_file_name(const char *file);

bool is_call(const ocode *oc);
bool is_rcall(const ocode *oc);
bool is_return(const ocode *oc);
bool is_skip_conditional(const ocode *oc);
bool is_unconditional_branch(const ocode *oc);
bool is_conditional_branch(const ocode *oc);
bool is_branch(const ocode *oc);

// Numbers the records in list order after checking their links; returns
// the count.
int32_t ocode_enumerate(ocode *list);

// One debug line on standard output; returns 1 for a record that stands for
// an instruction.
int printOcode(const ocode *oc, int newline);
