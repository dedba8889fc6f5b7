// Basic blocks of one function's output code: what the block-level passes
// work on, and the way back from blocks to a list with labels.
#pragma once
#include <cstdint>

#include "codegen/ocode.h"

struct block_adjacency {
    basic_block *node;
    block_adjacency *next;
};

struct basic_block {
    basic_block_header header; // the block number, which output code prints
    ocode *bblock;             // the leader
    ocode *eblock;             // the last record
    // The entry and exit blocks and blocks holding in-line assembly: no
    // pass may change them.
    bool isImmutable;
    block_adjacency *succ;
    block_adjacency *pred;
    basic_block *next;
    basic_block *prev;
};

// Cuts a function's list (from its OC_BFUNCT to its OC_EFUNCT) into blocks
// sorted by position and returns the first.  Blocks are numbered from 0 in
// the order they are created; `counter` receives the number of blocks, from
// which passes that make blocks go on numbering.  Labels are deleted and
// every branch names its target block.
basic_block *s_calculate_basic_blocks(ocode *list, int32_t *counter);
// Chains the blocks into one list again and makes every branch to a block a
// branch to a new label before the block.
void s_convert_block_branches(basic_block *first);
void s_free_basic_blocks(basic_block *first);

// `record` itself, or the first record after it that is an instruction, a
// branch pseudo-instruction or the OC_EFUNCT record; null when none.
ocode *s_get_real_instruction(ocode *record);
// The record that a branch pseudo-instruction leads to.
ocode *s_get_branch_target(const ocode *branch);

void s_add_adjacency(block_adjacency **list, basic_block *node);
void s_remove_adjacency(block_adjacency **list, const basic_block *node);
bool s_is_adjacency(const block_adjacency *list, const basic_block *node);

// Unlinks the record from its list and frees it.
void remove_instruction(ocode *record);
// The same inside a block, whose first and last records follow the change.
void remove_instruction_from_block(basic_block *block, ocode *record);

void dumpBasicBlocks(const basic_block *first);
