// The statements of an in-line assembly block as the parser collects them
// and the code generator later turns into instructions.
#pragma once
#include <cstdint>

struct pcodehl;
struct symbol;

enum asm_statement_kind : uint32_t { LABEL_HINST = 0, INST_HINST = 1 };

// A resolved operand: a symbol with an offset, or a plain value (no symbol).
struct asm_operand {
    char *symbol;
    uint32_t reserved1;
    int32_t offset;
    uint32_t reserved2;
    struct symbol *resolved;     // the label or object the name meant where the block was written
    asm_operand *next;
};

struct asm_statement {
    uint32_t kind;          // an asm_statement_kind
    char *mnemonic;         // INST_HINST: as written
    asm_operand *operands;  // INST_HINST: in order
    int32_t line;
    char *file;
    char *label;            // LABEL_HINST
    struct symbol *label_symbol; // LABEL_HINST: the function's label of that name
    asm_statement *next;
};

// Both take ownership of the strings and the operand list they are given.
asm_statement *asmInstruction(char *mnemonic, asm_operand *operands, int32_t line, char *file);
asm_statement *asmLabel(char *name);
void asm_list_free(asm_statement *list);

// Evaluates an operand expression into `result` (zeroed first); posts 1253
// for an expression that is not a symbol, a symbol plus or minus a
// constant, or a constant.
void resolve_asm_constant_expression(asm_operand *result, const pcodehl *expression);
