#include "optimize/blocks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <vector>

#include "codegen/obj.h"
#include "driver/diag.h"
#include "optimize/branches.h"
#include "support/vxassert.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"

namespace {

using leader_map = std::unordered_map<const ocode *, basic_block *>;

void s_add_leader(ocode *leader, leader_map &leaders, int32_t *counter)
{
    VX_ASSERT(leader != nullptr);
    basic_block *&block = leaders[leader];
    if (block)
        return;
    block = trn_new<basic_block>();
    block->header.number = (*counter)++;
    block->bblock = leader;
}

// Each block ends where the next one begins; the last ends the list.
basic_block *s_link_in_list_order(const leader_map &leaders, ocode *last_record)
{
    std::vector<basic_block *> blocks;
    for (const auto &entry : leaders)
        blocks.push_back(entry.second);
    std::sort(blocks.begin(), blocks.end(),
              [](const basic_block *a, const basic_block *b) { return a->bblock->number < b->bblock->number; });
    for (size_t i = 0; i < blocks.size(); ++i) {
        basic_block *block = blocks[i];
        block->prev = i > 0 ? blocks[i - 1] : nullptr;
        block->next = i + 1 < blocks.size() ? blocks[i + 1] : nullptr;
        block->eblock = block->next ? block->next->bblock->prev : last_record;
    }
    return blocks.front();
}

// Labels go from immutable blocks too, hence no check here.
void s_remove_from_block(basic_block *block, ocode *record)
{
    if (record == block->bblock && record == block->eblock)
        block->bblock = block->eblock = nullptr;
    else if (record == block->bblock)
        block->bblock = record->next;
    else if (record == block->eblock)
        block->eblock = record->prev;
    remove_instruction(record);
}

// A label that an instruction's relocation names (the stub that an
// indirect call reaches with RCALL) is no branch target: it stays, begins
// a block of its own, and that block is left alone.
bool s_is_relocated_label(const ocode *oc) { return oc->type == OC_LABEL && oc->data.label.used_in_relocation; }

void s_delete_labels(basic_block *block)
{
    ocode *oc = block->bblock;
    for (bool last = false; !last;) {
        last = oc == block->eblock;
        ocode *next = oc->next;
        if (oc->type == OC_LABEL && !s_is_relocated_label(oc))
            s_remove_from_block(block, oc);
        oc = next;
    }
}

void s_report_label(const ocode *label)
{
    const symbol *sym = label->data.label.label;
    char text[1024];
    if (sym && sym->name)
        snprintf(text, sizeof text, "%s:%ld:OC_LABEL '%s' found in basic block.\n", label->file ? label->file : "",
                 static_cast<long>(label->line), sym->name);
    else
        snprintf(text, sizeof text, "%s:%ld:OC_LABEL found in basic block.\n", label->file ? label->file : "",
                 static_cast<long>(label->line));
    post_error(100, text);
}

// A block holding user-written instructions must stay as written.
void s_check_records(basic_block *block)
{
    for (const ocode *oc = block->bblock;; oc = oc->next) {
        if ((oc->type == OC_INST && oc->data.inst.ins->is_inline) || s_is_relocated_label(oc))
            block->isImmutable = true;
        if (oc->type == OC_LABEL && !s_is_relocated_label(oc))
            s_report_label(oc);
        if (oc == block->eblock)
            break;
    }
}

const ocode *s_last_instruction(const basic_block *block)
{
    for (const ocode *oc = block->eblock;; oc = oc->prev) {
        if (opt_is_instruction_record(oc))
            return oc;
        if (oc == block->bblock)
            return nullptr;
    }
}

// Every branch target was made a leader, so a branch names a whole block.
basic_block *s_target_block(const ocode *branch)
{
    VX_ASSERT(branch->data.branch.type == BLOCK_BRANCH && branch->data.branch.block);
    return branch->data.branch.block;
}

void s_add_edge(basic_block *from, basic_block *to)
{
    if (s_is_adjacency(from->succ, to))
        return;
    s_add_adjacency(&from->succ, to);
    s_add_adjacency(&to->pred, from);
}

void s_add_edges(basic_block *first, basic_block *exit)
{
    for (basic_block *block = first; block; block = block->next) {
        const ocode *last = s_last_instruction(block);
        if (is_unconditional_branch(last)) {
            s_add_edge(block, s_target_block(last));
        } else if (is_conditional_branch(last)) {
            s_add_edge(block, s_target_block(last));
            s_add_edge(block, block->next);
        } else if (is_return(last)) {
            s_add_edge(block, exit);
        } else if (block->next) {
            s_add_edge(block, block->next);
        }
    }
}

void s_free_adjacency(block_adjacency *list)
{
    while (list) {
        block_adjacency *next = list->next;
        free(list);
        list = next;
    }
}

void s_dump_adjacency(const block_adjacency *list)
{
    if (!list)
        printf("none");
    for (; list; list = list->next)
        printf("#%d ", list->node->header.number);
}

} // namespace

basic_block *s_calculate_basic_blocks(ocode *list, int32_t *counter)
{
    VX_ASSERT(list && list->type == OC_BFUNCT);
    ocode_enumerate(list);
    *counter = 0;
    leader_map leaders;
    std::vector<std::pair<ocode *, ocode *>> targets; // a branch and the leader at its target
    s_add_leader(list, leaders, counter);
    s_add_leader(s_get_real_instruction(list->next), leaders, counter);
    ocode *last = list;
    for (ocode *oc = list; oc; oc = oc->next) {
        if (opt_is_branch_pseudo(oc)) {
            ocode *target = s_get_real_instruction(s_get_branch_target(oc));
            s_add_leader(target, leaders, counter);
            targets.emplace_back(oc, target);
            s_add_leader(s_get_real_instruction(oc->next), leaders, counter);
        } else if (is_return(oc)) {
            s_add_leader(s_get_real_instruction(oc->next), leaders, counter);
        } else if (s_is_relocated_label(oc)) {
            s_add_leader(oc, leaders, counter);
        }
        last = oc;
    }
    VX_ASSERT(last->type == OC_EFUNCT);
    s_add_leader(last, leaders, counter);
    for (const auto &[branch, target] : targets) {
        branch->data.branch.type = BLOCK_BRANCH;
        branch->data.branch.block = leaders.at(target);
    }
    basic_block *first = s_link_in_list_order(leaders, last);
    basic_block *exit = leaders.at(last);
    for (basic_block *block = first; block; block = block->next) {
        s_delete_labels(block);
        block->isImmutable = block == first || block == exit;
        s_check_records(block);
    }
    s_add_edges(first, exit);
    return first;
}

void s_convert_block_branches(basic_block *first)
{
    for (basic_block *block = first; block; block = block->next) {
        VX_ASSERT(block->bblock && block->eblock);
        block->eblock->next = block->next ? block->next->bblock : nullptr;
        if (block->next)
            block->next->bblock->prev = block->eblock;
    }
    std::unordered_map<const basic_block *, ocode *> labels;
    for (ocode *oc = first->bblock; oc; oc = oc->next) {
        if (!opt_is_branch_pseudo(oc) || oc->data.branch.type != BLOCK_BRANCH)
            continue;
        basic_block *target = s_target_block(oc);
        ocode *&label = labels[target];
        if (!label)
            label = objInsertLabel(target->bblock);
        oc->data.branch.type = LABEL_BRANCH;
        oc->data.branch.label = label;
        oc->data.branch.block = nullptr;
    }
}

void s_free_basic_blocks(basic_block *first)
{
    while (first) {
        basic_block *next = first->next;
        s_free_adjacency(first->succ);
        s_free_adjacency(first->pred);
        free(first);
        first = next;
    }
}

ocode *s_get_real_instruction(ocode *record)
{
    while (record && !opt_is_instruction_record(record) && record->type != OC_EFUNCT)
        record = record->next;
    return record;
}

ocode *s_get_branch_target(const ocode *branch)
{
    ocode *target = nullptr;
    if (opt_is_branch_pseudo(branch)) {
        const ocode_branch_data &b = branch->data.branch;
        if (b.type == SYMBOL_BRANCH)
            target = ocode_label_record(b.sym);
        else if (b.type == LABEL_BRANCH)
            target = b.label;
        else if (b.type == BLOCK_BRANCH && b.block)
            target = b.block->bblock;
    }
    if (!target) {
        if (branch)
            printOcode(branch, 1);
        _assert("branch target", __FILE__, __LINE__);
    }
    return target;
}

void s_add_adjacency(block_adjacency **list, basic_block *node)
{
    while (*list)
        list = &(*list)->next;
    *list = trn_new<block_adjacency>();
    (*list)->node = node;
}

void s_remove_adjacency(block_adjacency **list, const basic_block *node)
{
    for (; *list; list = &(*list)->next)
        if ((*list)->node == node) {
            block_adjacency *gone = *list;
            *list = gone->next;
            free(gone);
            return;
        }
    _assert("adjacency to remove", __FILE__, __LINE__);
}

bool s_is_adjacency(const block_adjacency *list, const basic_block *node)
{
    for (; list; list = list->next)
        if (list->node == node)
            return true;
    return false;
}

void remove_instruction(ocode *record)
{
    VX_ASSERT(record != nullptr);
    if (record->prev)
        record->prev->next = record->next;
    if (record->next)
        record->next->prev = record->prev;
    ocodeFree(record);
}

void remove_instruction_from_block(basic_block *block, ocode *record)
{
    VX_ASSERT(!block->isImmutable);
    s_remove_from_block(block, record);
}

void dumpBasicBlocks(const basic_block *first)
{
    for (const basic_block *block = first; block; block = block->next) {
        printf("\nBLOCK #%d:\n", block->header.number);
        printf("    predecessors: ");
        s_dump_adjacency(block->pred);
        printf("\n    successors: ");
        s_dump_adjacency(block->succ);
        printf("\n");
        for (const ocode *oc = block->bblock; oc; oc = oc == block->eblock ? nullptr : oc->next)
            printOcode(oc, 1);
    }
}
