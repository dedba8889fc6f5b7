#include "optimize/optimize.h"

#include <cstdio>
#include <cstdlib>

#include "codegen/ocode.h"
#include "driver/options.h"
#include "optimize/blocks.h"
#include "optimize/branches.h"
#include "optimize/passes.h"
#include "optimize/placement.h"
#include "optimize/symref.h"
#include "support/list.h"
#include "support/vxassert.h"
#include "translate/symbols.h"
#include "translate/trnalloc.h"
#include "translate/types.h"

namespace {

// Bounds the work on one function should two rewrites keep undoing each
// other.
constexpr int MAX_FUNCTION_PASSES = 10;

struct function_entry {
    symbol *function;
    ocode *begin; // its OC_BFUNCT record, the head of its own list
    function_entry *next;
};

// Cuts the section's list into one list per function, each from its
// OC_BFUNCT to its OC_EFUNCT.
function_entry *s_build_function_list(ocode *list)
{
    function_entry *first = nullptr;
    function_entry **tail = &first;
    for (ocode *oc = list; oc;) {
        VX_ASSERT(oc->type == OC_BFUNCT);
        auto *entry = trn_new<function_entry>();
        entry->function = oc->data.function;
        entry->begin = oc;
        *tail = entry;
        tail = &entry->next;
        ocode *end = oc;
        while (end->type != OC_EFUNCT) {
            end = end->next;
            VX_ASSERT(end != nullptr);
        }
        oc = end->next;
        end->next = nullptr;
        if (oc)
            oc->prev = nullptr;
    }
    return first;
}

// Joins the functions' lists into one section list again, in their order.
ocode *s_link_function_list(const function_entry *functions)
{
    ocode *tail = nullptr;
    for (const function_entry *entry = functions; entry; entry = entry->next) {
        if (tail) {
            tail->next = entry->begin;
            entry->begin->prev = tail;
        }
        tail = entry->begin;
        while (tail->next)
            tail = tail->next;
    }
    return functions ? functions->begin : nullptr;
}

void s_free_function_list(function_entry *functions)
{
    while (functions) {
        function_entry *next = functions->next;
        free(functions);
        functions = next;
    }
}

// Runs `pass` until it reports no change; true when it changed anything.
template <typename Pass> bool s_until_no_change(Pass pass)
{
    bool changed = false;
    while (pass())
        changed = true;
    return changed;
}

void s_dump_blocks(const basic_block *first)
{
    printf("\n\n++++++++++ Dump of assembly level basic blocks");
    dumpBasicBlocks(first);
    printf("\n++++++++++ end of assembly level basic block dump");
}

// One pass over a function's blocks; true when any rewrite changed the code.
bool s_optimize_blocks(basic_block *blocks, int32_t *counter)
{
    bool changed = false;
    for (basic_block *block = blocks; block; block = block->next)
        changed |= s_until_no_change([&] { return s_peephole_optimizations(block); });
    if (do_banking_optimizations || do_wreg_tracking)
        changed |= s_optimize_banking(blocks);
    if (do_code_straightening)
        changed |= s_until_no_change([&] { return s_straighten(blocks, counter); });
    if (do_tail_merging)
        changed |= s_until_no_change([&] { return s_tail_merging(blocks, counter); });
    if (do_branch_optimizations)
        changed |= s_until_no_change([&] { return s_block_branch_optimizations(blocks); });
    if (do_unreachable_code_removal)
        changed |= s_until_no_change([&] { return s_unreachable_code_removal(blocks); });
    if (do_copy_propagation)
        changed |= opt_copy_propagation(blocks);
    if (do_redundant_store_elimination)
        changed |= opt_redundant_store_elimination(blocks);
    return changed;
}

void s_optimize_function(const function_entry *entry)
{
    ocode *list = entry->begin;
    typell *return_type = type_function_return_type(entry->function->type);
    bool changed = true;
    for (int pass = 0; changed && pass < MAX_FUNCTION_PASSES; ++pass) {
        changed = false;
        ocode_enumerate(list);
        if (do_branch_optimizations)
            changed |= s_until_no_change([&] { return s_branch_optimizations(list); });
        int32_t counter = 0;
        basic_block *blocks = s_calculate_basic_blocks(list, &counter);
        if (dump_assembly_level_basic_blocks)
            s_dump_blocks(blocks);
        changed |= s_optimize_blocks(blocks, &counter);
        s_convert_block_branches(blocks);
        s_free_basic_blocks(blocks);
        // Dead code is found on blocks that reflect the rewrites above.
        blocks = s_calculate_basic_blocks(list, &counter);
        if (do_dead_code_removal)
            changed |= s_dead_code_removal(return_type, blocks);
        s_convert_block_branches(blocks);
        s_free_basic_blocks(blocks);
    }
    type_free(return_type);
}

void s_optimize_section(section *scn)
{
    s_convert_literal_branches(scn->code);
    if (global_optimize_flag) {
        function_entry *functions = s_build_function_list(scn->code);
        // Code with in-line assembly is the user's: it stays as written.
        for (const function_entry *entry = functions; entry; entry = entry->next)
            if (!entry->function->has_asm)
                s_optimize_function(entry);
        scn->code = s_link_function_list(functions);
        if (do_procedural_abstraction)
            for (int round = 0; round < procedural_abstraction_count; ++round)
                if (!perform_procedural_abstraction(scn, scn->code))
                    break;
        s_until_no_change([&] { return s_post_process_peephole_optimizations(scn->code); });
        s_free_function_list(functions);
    }
    s_resolve_branches(scn->code);
}

} // namespace

std::vector<section *> opt_code_sections()
{
    std::vector<section *> sections;
    for (void *element = list_first(master_symbol_list); element; element = list_next(element)) {
        const symbol *entry = *static_cast<symbol **>(element);
        if (entry->kind == SECTION_CHANGE && entry->scn->type == SECTION_CODE && entry->scn->code)
            sections.push_back(entry->scn);
    }
    return sections;
}

void optimize_assembly()
{
    opt_apply_varlocate();
    s_normalize_all_symrefs();
    for (section *scn : opt_code_sections())
        s_optimize_section(scn);
}
