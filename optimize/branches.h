// Branch pseudo-instructions: their machine forms, the conversion of
// literal displacements into labels, and the final resolution of every
// pseudo-instruction into the shortest instruction sequence that reaches
// its target.
#pragma once
#include <cstdint>

#include "codegen/ocode.h"

// The `resolved` state of a branch pseudo-instruction.
enum resolution_state : int32_t {
    NOT_RESOLVED = 0,
    BRA = 1,      // BRA n
    BCOND = 2,    // Bcc n, or a bit test that skips one instruction
    BRACOND = 3,  // the inverted Bcc 1 (or bit test) around BRA n
    GOTO = 4,     // GOTO and its WORD2
    GOTOCOND = 5, // the inverted Bcc 2 (or bit test) around GOTO and its WORD2
};

bool opt_is_branch_pseudo(const ocode *oc);
// An OC_INST record or a branch pseudo-instruction: one program word or more.
bool opt_is_instruction_record(const ocode *oc);
// The machine instruction of a conditional kind taken when its condition
// holds: BZ for OC_BZ, BTFSS for OC_BTFBS (which skips when the bit is set).
unsigned opt_short_branch_opcode(ocode_kind kind);
// The conditional kind that branches exactly when `kind` does not.
ocode_kind opt_inverted_branch(ocode_kind kind);
// The pseudo-instruction kind of a branch instruction (BRA, GOTO or a
// conditional branch); false for any other opcode.
bool opt_branch_kind_of(unsigned opcode, ocode_kind *kind);

void s_convert_literal_branches(ocode *list);
void s_do_convert_literal_branch(ocode *branch);
// The record that a literal branch's count of instructions reaches.
ocode *s_find_literal_branch_target(ocode *branch);

void s_resolve_branches(ocode *list);
// Program words of `record` at most, given its resolution state.
int32_t s_max_instruction_size(const ocode *record);
// Program words from a branch (or CALL) to its target, at most.
int32_t s_max_distance_to_branch_target(const ocode *record);
