#include "codegen/temps.h"

#include <algorithm>
#include <map>
#include <vector>

#include "codegen/frame.h"
#include "codegen/obj.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "target/procdb.h"
#include "translate/symbols.h"

namespace {

symbol *s_main_tmp_sym;
uint32_t s_main_tmp_next_off;
uint32_t s_main_tmp_scn_sz;
symbol *s_int_tmp_sym;
uint32_t s_int_tmp_next_off;
uint32_t s_int_tmp_scn_sz;
symbol *s_pragma_tmp_sym;
uint32_t s_pragma_tmp_next_off;
uint32_t s_pragma_tmp_scn_sz;
bool s_in_int;
bool s_in_pragmatmp;

// The blocks that tmp_alloc handed out since the statement began.
struct tmp_block {
    uint32_t offset;
    uint32_t size;
};
std::vector<tmp_block> s_statement_blocks;

struct tmp_scope {
    symbol *&sym;
    uint32_t &next_off;
    uint32_t &size;
};

tmp_scope s_main_scope() { return {s_main_tmp_sym, s_main_tmp_next_off, s_main_tmp_scn_sz}; }
tmp_scope s_int_scope() { return {s_int_tmp_sym, s_int_tmp_next_off, s_int_tmp_scn_sz}; }
tmp_scope s_pragma_scope() { return {s_pragma_tmp_sym, s_pragma_tmp_next_off, s_pragma_tmp_scn_sz}; }

// An interrupt routine under a temporary-data pragma still must not share
// a block with the code it interrupts.
tmp_scope s_active_scope()
{
    if (s_in_int)
        return s_int_scope();
    if (s_in_pragmatmp)
        return s_pragma_scope();
    return s_main_scope();
}

void s_enter(tmp_scope scope)
{
    scope.next_off = 0;
    scope.size = 0;
    scope.sym = sym_temp_symbol(0);
}

// The block's length is known only now, after the functions that use it;
// a scope that needed no temporary declares nothing, so its symbol stays
// out of the object file.
void s_exit(tmp_scope scope, const char *section_name, bool overlay)
{
    VX_ASSERT(scope.sym != nullptr);
    VX_ASSERT(section_name != nullptr);
    if (scope.size != 0) {
        VX_ASSERT(scope.sym->type && scope.sym->type->kind == ARY);
        scope.sym->type->detail.count = scope.size;
        sym_enter_section(SECTION_TMPDATA, section_name, false, overlay, true, false, 0);
        sym_declare_symbol(scope.sym, true, 0, "");
    }
    scope.sym = nullptr;
}

// One bit per byte offset of the active block.
constexpr uint32_t TMP_SET_WORDS = 129;
constexpr uint32_t TMP_SET_BITS = TMP_SET_WORDS * 32;

struct tmp_set {
    uint32_t word[TMP_SET_WORDS];
};

uint32_t s_bit_index(int32_t offset)
{
    if (offset < 0 || uint32_t(offset) >= TMP_SET_BITS) {
        post_error(1511);
        throw compile_abort{};
    }
    return uint32_t(offset);
}

void s_include(tmp_set &set, int32_t offset)
{
    uint32_t bit = s_bit_index(offset);
    set.word[bit / 32] |= 1u << (bit % 32);
}

void s_exclude(tmp_set &set, int32_t offset)
{
    uint32_t bit = s_bit_index(offset);
    set.word[bit / 32] &= ~(1u << (bit % 32));
}

bool s_contains(const tmp_set &set, uint32_t bit) { return (set.word[bit / 32] >> (bit % 32)) & 1u; }

tmp_set s_intersection(const tmp_set &a, const tmp_set &b)
{
    tmp_set both;
    for (uint32_t i = 0; i < TMP_SET_WORDS; ++i)
        both.word[i] = a.word[i] & b.word[i];
    return both;
}

bool s_is_word2(const ocode *oc) { return oc && oc->type == OC_INST && oc->data.inst.ins->opcode == IT_WORD2; }

bool s_has_word2(const ocode *oc)
{
    return oc && oc->type == OC_INST && hasWord2(oc->data.inst.ins->opcode, getInstSet(GetProcessor()));
}

// A two-word instruction and its WORD2 are one step.  In-line assembly may
// leave a WORD2 of its own, which is then a step by itself.
ocode *s_next_step(ocode *oc)
{
    if (s_has_word2(oc) && s_is_word2(oc->next))
        return oc->next->next;
    return oc->next;
}

ocode *s_step_start(ocode *oc)
{
    if (!s_is_word2(oc))
        return oc;
    if (s_has_word2(oc->prev))
        return oc->prev;
    if (!oc->data.inst.ins->is_inline)
        _assert("hasWord2 (prev_oc->prev->data.inst.ins->opcode, getInstSet (GetProcessor ( )))", __FILE__, __LINE__);
    return oc;
}

// The temporary bytes that one step reads and writes.  A read-modify-write
// such as ADDWF tmp, F counts as a read: the byte must hold its value
// before the step.
struct step_access {
    int32_t reads[2];
    unsigned read_count;
    int32_t write;
    bool writes;
};

step_access s_accesses(const ocode *step, const symbol *tmp)
{
    step_access access{};
    auto read = [&](const inst_operand &op) {
        if (op.type == SYMBOL_OP && op.value.sym == tmp)
            access.reads[access.read_count++] = op.offset;
    };
    auto write = [&](const inst_operand &op) {
        if (op.type == SYMBOL_OP && op.value.sym == tmp) {
            access.write = op.offset;
            access.writes = true;
        }
    };
    if (step->type == OC_BTFBS || step->type == OC_BTFBC) {
        if (step->data.branch.freg == tmp)
            access.reads[access.read_count++] = step->data.branch.freg_offset;
        return access;
    }
    if (step->type != OC_INST)
        return access;
    const inst *ins = step->data.inst.ins;
    switch (ins->opcode) {
    case IT_MOVWF:
    case IT_CLRF:
    case IT_SETF: write(ins->operand[0]); break;
    case IT_MOVFF:
        read(ins->operand[0]);
        if (s_is_word2(step->next))
            write(step->next->data.inst.ins->operand[0]);
        break;
    case IT_LFSR: read(ins->operand[1]); break;
    default: read(ins->operand[0]); break;
    }
    return access;
}

struct tmp_walk {
    ocode *head;
    symbol *tmp;
};

ocode *s_matching_pop(ocode *push, const ocode *end)
{
    int depth = 0;
    for (ocode *oc = push->next; oc && oc != end; oc = oc->next) {
        if (oc->type == OC_PUSH_TEMPS) {
            ++depth;
        } else if (oc->type == OC_POP_TEMPS) {
            if (depth == 0)
                return oc;
            --depth;
        }
    }
    _assert("OC_POP_TEMPS matching an OC_PUSH_TEMPS", __FILE__, __LINE__);
}

// The bytes read after `pop` before they are written again, up to `end`
// (the enclosing pair's OC_POP_TEMPS, or the end of the list).
tmp_set s_read_after(const tmp_walk &walk, ocode *pop, const ocode *end)
{
    ocode *last = pop;
    if (end)
        last = end->prev;
    else
        while (last->next)
            last = last->next;
    tmp_set read{};
    for (ocode *oc = last; oc != pop;) {
        ocode *step = s_step_start(oc);
        step_access access = s_accesses(step, walk.tmp);
        if (access.writes)
            s_exclude(read, access.write);
        for (unsigned i = 0; i < access.read_count; ++i)
            s_include(read, access.reads[i]);
        oc = step->prev;
    }
    return read;
}

// Puts `code` in the marker's place and frees the marker; returns what now
// stands there: the first record of `code`, or the marker's successor.
ocode *s_replace(tmp_walk &walk, ocode *marker, ocode *code)
{
    ocode *prev = marker->prev;
    ocode *next = marker->next;
    ocode *first = code ? code : next;
    if (code) {
        ocode *tail = code;
        while (tail->next)
            tail = tail->next;
        code->prev = prev;
        tail->next = next;
        if (next)
            next->prev = tail;
    } else if (next) {
        next->prev = prev;
    }
    if (prev)
        prev->next = first;
    else
        walk.head = first;
    marker->prev = marker->next = nullptr;
    ocodeFree(marker);
    return first;
}

ocode *s_replace_pair(tmp_walk &walk, ocode *push, ocode *pop, const tmp_set &live)
{
    ocode *new_push_oc = nullptr;
    ocode *new_pop_oc = nullptr;
    for (uint32_t bit = 0; bit < TMP_SET_BITS; ++bit)
        if (s_contains(live, bit))
            new_push_oc = objAppend(new_push_oc, oVxPush(walk.tmp, int32_t(bit), 1, push->line, push->file));
    for (uint32_t bit = TMP_SET_BITS; bit-- > 0;)
        if (s_contains(live, bit))
            new_pop_oc = objAppend(new_pop_oc, oVxPop(walk.tmp, int32_t(bit), 1, pop->line, pop->file));
    VX_ASSERT((new_push_oc && new_pop_oc) || (!new_push_oc && !new_pop_oc));
    s_replace(walk, pop, new_pop_oc);
    return s_replace(walk, push, new_push_oc);
}

// Saves around each marker pair from `first` up to `end` exactly the bytes
// written before its OC_PUSH_TEMPS (or defined on entry) and read after its
// OC_POP_TEMPS before they are written again: the callee reuses the block.
void s_process_oc_for_temps(tmp_walk &walk, ocode *first, const ocode *end, const tmp_set &defined_before)
{
    tmp_set defined = defined_before;
    for (ocode *oc = first; oc != end;) {
        if (oc->type != OC_PUSH_TEMPS) {
            step_access access = s_accesses(oc, walk.tmp);
            if (access.writes)
                s_include(defined, access.write);
            oc = s_next_step(oc);
            continue;
        }
        ocode *pop = s_matching_pop(oc, end);
        s_process_oc_for_temps(walk, oc->next, pop, defined);
        tmp_set live = s_intersection(defined, s_read_after(walk, pop, end));
        // What the pair's arguments write counts as written before any later
        // pair of the statement.
        oc = s_replace_pair(walk, oc, pop, live);
    }
}


// Where each block of a statement is used, as positions in its code.
struct block_use {
    int32_t first = -1;
    int32_t last = -1;
    uint32_t packed = 0;
};

bool s_takes_address(const inst *ins) { return ins->opcode == IT_MOVLW || ins->opcode == IT_LFSR; }

template <class Visit> void s_each_tmp_operand(ocode *oc, const symbol *tmp, Visit visit)
{
    if ((oc->type == OC_BTFBS || oc->type == OC_BTFBC) && oc->data.branch.freg == tmp)
        visit(oc->data.branch.freg_offset);
    if (oc->type != OC_INST)
        return;
    for (inst_operand &op : oc->data.inst.ins->operand)
        if (op.type == SYMBOL_OP && op.value.sym == tmp)
            visit(op.offset);
}

// A backward branch makes a loop: a block used inside it stays live for
// the whole loop, since the next round may read it again.
struct loop_span {
    int32_t head;
    int32_t tail;
};

// Gives blocks whose uses do not overlap the same bytes: the statement's
// code is straight-line except for forward branches and small loops, so a
// block is live from its first use to its last.  A block whose address
// the code takes is never moved, nor is anything in such a statement.
void s_pack(ocode *list, const symbol *tmp)
{
    std::vector<tmp_block> &blocks = s_statement_blocks;
    if (blocks.size() < 2)
        return;
    std::sort(blocks.begin(), blocks.end(), [](const tmp_block &a, const tmp_block &b) { return a.offset < b.offset; });
    constexpr size_t NO_BLOCK = SIZE_MAX;
    auto block_of = [&](int32_t offset) {
        auto it = std::upper_bound(blocks.begin(), blocks.end(), uint32_t(offset),
                                   [](uint32_t value, const tmp_block &b) { return value < b.offset; });
        if (offset < 0 || it == blocks.begin())
            return NO_BLOCK;
        size_t index = size_t(it - blocks.begin()) - 1;
        return uint32_t(offset) < blocks[index].offset + blocks[index].size ? index : NO_BLOCK;
    };
    std::vector<block_use> uses(blocks.size());
    std::map<const symbol *, int32_t> labels;
    std::vector<std::pair<const symbol *, int32_t>> branches;
    std::vector<loop_span> loops;
    int32_t position = 0;
    for (ocode *oc = list; oc; oc = oc->next, ++position) {
        bool movable = true;
        s_each_tmp_operand(oc, tmp, [&](int32_t offset) {
            size_t i = block_of(offset);
            if (i == NO_BLOCK || (oc->type == OC_INST && s_takes_address(oc->data.inst.ins))) {
                movable = false;
                return;
            }
            if (uses[i].first < 0)
                uses[i].first = position;
            uses[i].last = position;
        });
        if (!movable)
            return;
        if (oc->type == OC_LABEL && oc->data.label.label)
            labels[oc->data.label.label] = position;
        if (oc->type >= OC_BRANCH && oc->type <= OC_BTFBC) {
            const ocode_branch_data &b = oc->data.branch;
            if (b.type == SYMBOL_BRANCH)
                branches.emplace_back(b.sym, position);
            else if (b.type == LITERAL_BRANCH && b.literal <= 0)
                loops.push_back({0, position});
        }
    }
    for (const auto &[label, from] : branches) {
        auto target = labels.find(label);
        if (target != labels.end() && target->second <= from)
            loops.push_back({target->second, from});
    }
    for (bool grown = true; grown;) {
        grown = false;
        for (block_use &use : uses)
            for (const loop_span &loop : loops)
                if (use.first >= 0 && use.first <= loop.tail && use.last >= loop.head &&
                    (use.first > loop.head || use.last < loop.tail)) {
                    use.first = std::min(use.first, loop.head);
                    use.last = std::max(use.last, loop.tail);
                    grown = true;
                }
    }
    // First fit in order of first use.
    std::vector<size_t> order;
    for (size_t i = 0; i < blocks.size(); ++i)
        if (uses[i].first >= 0)
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return uses[a].first < uses[b].first; });
    std::vector<size_t> placed;
    uint32_t end = 0;
    for (size_t i : order) {
        uint32_t offset = 0;
        for (bool moved = true; moved;) {
            moved = false;
            for (size_t j : placed) {
                bool live_together = uses[j].first <= uses[i].last && uses[i].first <= uses[j].last;
                bool share_bytes = uses[j].packed < offset + blocks[i].size && offset < uses[j].packed + blocks[j].size;
                if (live_together && share_bytes) {
                    offset = uses[j].packed + blocks[j].size;
                    moved = true;
                }
            }
        }
        uses[i].packed = offset;
        placed.push_back(i);
        end = std::max(end, offset + blocks[i].size);
    }
    for (ocode *oc = list; oc; oc = oc->next)
        s_each_tmp_operand(oc, tmp, [&](int32_t &offset) {
            size_t i = block_of(offset);
            offset = int32_t(uses[i].packed + (uint32_t(offset) - blocks[i].offset));
        });
    s_active_scope().next_off = end;
}

} // namespace

void tmp_enter_main()
{
    s_in_int = false;
    s_in_pragmatmp = false;
    s_enter(s_main_scope());
}

void tmp_exit_main() { s_exit(s_main_scope(), ".tmpdata", true); }

void tmp_enter_int()
{
    s_in_int = true;
    s_enter(s_int_scope());
}

void tmp_exit_int(const char *name)
{
    s_exit(s_int_scope(), name, false);
    s_in_int = false;
}

void tmp_enter_pragmatmp()
{
    s_in_pragmatmp = true;
    s_enter(s_pragma_scope());
}

void tmp_exit_pragmatmp(const char *name)
{
    s_exit(s_pragma_scope(), name, false);
    s_in_pragmatmp = false;
}

bool tmp_non_default() { return s_in_int || s_in_pragmatmp; }

symbol *tmp_get_sym() { return s_active_scope().sym; }

uint32_t tmp_alloc(uint32_t size)
{
    tmp_scope scope = s_active_scope();
    VX_ASSERT(scope.sym != nullptr);
    uint32_t offset = scope.next_off;
    scope.next_off += size;
    if (size)
        s_statement_blocks.push_back({offset, size});
    return offset;
}

void tmp_clear()
{
    tmp_scope scope = s_active_scope();
    if (scope.next_off > scope.size)
        scope.size = scope.next_off;
    scope.next_off = 0;
    s_statement_blocks.clear();
}

ocode *tmp_save_and_restore(ocode *list)
{
    if (list)
        s_pack(list, tmp_get_sym());
    tmp_walk walk{list, tmp_get_sym()};
    if (list)
        s_process_oc_for_temps(walk, list, nullptr, tmp_set{});
    return walk.head;
}
