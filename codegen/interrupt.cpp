#include "codegen/interrupt.h"

#include <algorithm>
#include <iterator>

#include "codegen/code_list.h"
#include "codegen/regs.h"
#include "driver/options.h"
#include "frontend/post_at.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "target/sfr_map.h"
#include "translate/interrupt.h"
#include "translate/symbols.h"

namespace {

// The destination bit of a byte-oriented instruction.
constexpr int32_t W = 0, F = 1;

enum resource_id {
    R_STATUS,
    R_BSR,
    R_WREG,
    R_FSR2,
    R_FSR0,
    R_TBLPTR,
    R_TBLPTRU,
    R_TABLAT,
    R_PROD,
    R_PCLATH,
    R_PCLATU,
    R_TMPDATA,
    R_MATH_DATA,
    RESOURCE_COUNT
};

enum save_condition {
    // The minimal context.  A high-priority routine returns with RETFIE 1,
    // which restores it from the shadow registers.
    LOW_PRIORITY,
    // Only on request, and not with a frame, whose prologue saves FSR2.
    NAMED_WITHOUT_FRAME,
    // The section copy loops run through FSR0.
    CHANGED_OR_COPYING,
    // A called function may use the register without saving it.
    CALLS_OR_CHANGED,
    CALLS,
    CHANGED,
    // An upper byte stays 0 in the small memory model unless written.
    UPPER_BYTE,
};

constexpr int NO_NOSAVE_FLAG = -1;

struct resource {
    resource_id id;
    const char *name; // as the diagnostics name it; a section's own name
    int save_flag;
    int nosave_flag;
    save_condition condition;
    bool section;
    const char *bytes[2]; // a register's bytes, in save order
    resource_id lower;    // UPPER_BYTE: the register below the byte
};

// In save order.
constexpr resource RESOURCES[] = {
    {R_STATUS, "STATUS", SAVE_STATUS, NOSAVE_STATUS, LOW_PRIORITY, false, {"STATUS"}, R_STATUS},
    {R_BSR, "BSR", SAVE_BSR, NOSAVE_BSR, LOW_PRIORITY, false, {"BSR"}, R_BSR},
    {R_WREG, "WREG", SAVE_WREG, NOSAVE_WREG, LOW_PRIORITY, false, {"WREG"}, R_WREG},
    {R_FSR2, "FSR2", SAVE_FSR2, NO_NOSAVE_FLAG, NAMED_WITHOUT_FRAME, false, {"FSR2L", "FSR2H"}, R_FSR2},
    {R_FSR0, "FSR0", SAVE_FSR0, NOSAVE_FSR0, CHANGED_OR_COPYING, false, {"FSR0L", "FSR0H"}, R_FSR0},
    {R_TBLPTR, "TBLPTR", SAVE_TBLPTR, NOSAVE_TBLPTR, CALLS_OR_CHANGED, false, {"TBLPTRL", "TBLPTRH"}, R_TBLPTR},
    {R_TBLPTRU, "TBLPTRU", SAVE_TBLPTRU, NOSAVE_TBLPTRU, UPPER_BYTE, false, {"TBLPTRU"}, R_TBLPTR},
    {R_TABLAT, "TABLAT", SAVE_TABLAT, NOSAVE_TABLAT, CALLS_OR_CHANGED, false, {"TABLAT"}, R_TABLAT},
    {R_PROD, "PROD", SAVE_PROD, NOSAVE_PROD, CHANGED, false, {"PRODL", "PRODH"}, R_PROD},
    {R_PCLATH, "PCLATH", SAVE_PCLATH, NOSAVE_PCLATH, CALLS_OR_CHANGED, false, {"PCLATH"}, R_PCLATH},
    {R_PCLATU, "PCLATU", SAVE_PCLATU, NOSAVE_PCLATU, UPPER_BYTE, false, {"PCLATU"}, R_PCLATH},
    {R_TMPDATA, ".tmpdata", SAVE_TMPDATA, NOSAVE_TMPDATA, CALLS, true, {}, R_TMPDATA},
    {R_MATH_DATA, "MATH_DATA", SAVE_MATH_DATA, NOSAVE_MATH_DATA, CHANGED, true, {}, R_MATH_DATA},
};

constexpr bool s_rows_follow_ids()
{
    for (size_t i = 0; i < std::size(RESOURCES); ++i)
        if (RESOURCES[i].id != resource_id(i))
            return false;
    return std::size(RESOURCES) == RESOURCE_COUNT;
}
static_assert(s_rows_follow_ids(), "RESOURCES is indexed by resource_id");

// What a routine's body does to a resource.
enum answer { UNCHANGED = 0, WRITTEN = 1, CALLEE_MAY_WRITE = 2 };

// Registers that instructions write without naming them.
struct implicit_write {
    uint32_t opcode;
    resource_id resource;
};
constexpr implicit_write IMPLICIT_WRITES[] = {
    {IT_MULWF, R_PROD},          {IT_MULLW, R_PROD},          {IT_TBLRD, R_TABLAT},
    {IT_TBLRDPOSTINC, R_TABLAT}, {IT_TBLRDPOSTDEC, R_TABLAT}, {IT_TBLRDPREINC, R_TABLAT},
    {IT_TBLRDPOSTINC, R_TBLPTR}, {IT_TBLRDPOSTDEC, R_TBLPTR}, {IT_TBLRDPREINC, R_TBLPTR},
    {IT_TBLWTPOSTINC, R_TBLPTR}, {IT_TBLWTPOSTDEC, R_TBLPTR}, {IT_TBLWTPREINC, R_TBLPTR},
};

// The math routines keep their working values in the math-library data
// and may multiply; table reads, indirect pointers and computed jumps they
// leave to their callers.
constexpr resource_id MATH_ROUTINE_WRITES[] = {R_PROD, R_MATH_DATA};

// Where an instruction's file-register operand (always operand 0) has its
// access bit, and whether it writes the register.
enum file_role { READS, WRITES, WRITES_WITH_D };
struct file_form {
    uint32_t opcode;
    file_role role;
    unsigned access_position;
};
constexpr file_form FILE_FORMS[] = {
    {IT_ADDWF, WRITES_WITH_D, 2}, {IT_ADDWFC, WRITES_WITH_D, 2}, {IT_ANDWF, WRITES_WITH_D, 2},
    {IT_COMF, WRITES_WITH_D, 2},  {IT_DCFSNZ, WRITES_WITH_D, 2}, {IT_DECF, WRITES_WITH_D, 2},
    {IT_DECFSZ, WRITES_WITH_D, 2}, {IT_INCF, WRITES_WITH_D, 2},  {IT_INCFSZ, WRITES_WITH_D, 2},
    {IT_INFSNZ, WRITES_WITH_D, 2}, {IT_IORWF, WRITES_WITH_D, 2}, {IT_MOVF, WRITES_WITH_D, 2},
    {IT_RLCF, WRITES_WITH_D, 2},  {IT_RLNCF, WRITES_WITH_D, 2},  {IT_RRCF, WRITES_WITH_D, 2},
    {IT_RRNCF, WRITES_WITH_D, 2}, {IT_SUBFWB, WRITES_WITH_D, 2}, {IT_SUBWF, WRITES_WITH_D, 2},
    {IT_SUBWFB, WRITES_WITH_D, 2}, {IT_SWAPF, WRITES_WITH_D, 2}, {IT_XORWF, WRITES_WITH_D, 2},
    {IT_BCF, WRITES, 2},          {IT_BSF, WRITES, 2},          {IT_BTG, WRITES, 2},
    {IT_CLRF, WRITES, 1},         {IT_MOVWF, WRITES, 1},        {IT_NEGF, WRITES, 1},
    {IT_SETF, WRITES, 1},         {IT_BTFSC, READS, 2},         {IT_BTFSS, READS, 2},
    {IT_CPFSEQ, READS, 1},        {IT_CPFSGT, READS, 1},        {IT_CPFSLT, READS, 1},
    {IT_MULWF, READS, 1},         {IT_TSTFSZ, READS, 1},
};

struct file_access {
    const inst_operand *operand;
    int32_t address; // -1 where it is not known
    bool written;
};

unsigned s_sfr_address(const char *name)
{
    unsigned address = 0;
    VX_ASSERT(sfr_lookup(name, &address));
    return address;
}

// Register symbols have fixed addresses; in-line assembly may also name a
// register by its address, through the access bank or as the full address
// of MOVFF (access is null then).
int32_t s_address(const inst_operand &op, const inst_operand *access)
{
    if (op.type == SYMBOL_OP) {
        const symbol *sym = op.value.sym;
        unsigned address = 0;
        if (gen_register_symbol(sym->name) != sym || !sfr_lookup(sym->name, &address))
            return -1;
        return int32_t(address) + op.offset;
    }
    if (op.type != LITERAL_OP)
        return -1;
    if (!access)
        return op.value.literal & 0xFFF;
    if (access->type == LITERAL_OP && access->value.literal == 0)
        return int32_t(access_bank_address(unsigned(op.value.literal) & 0xFF));
    return -1;
}

// A MOVFF's destination is the operand of the second word after it.
int s_file_accesses(const ocode *oc, file_access accesses[2])
{
    const inst *ins = oc->data.inst.ins;
    if (ins->opcode == IT_MOVFF) {
        VX_ASSERT(oc->next && oc->next->type == OC_INST && oc->next->data.inst.ins->opcode == IT_WORD2);
        const inst_operand &destination = oc->next->data.inst.ins->operand[0];
        accesses[0] = {&ins->operand[0], s_address(ins->operand[0], nullptr), false};
        accesses[1] = {&destination, s_address(destination, nullptr), true};
        return 2;
    }
    for (const file_form &form : FILE_FORMS) {
        if (form.opcode != ins->opcode)
            continue;
        const inst_operand &d = ins->operand[1];
        bool written = form.role == WRITES ||
                       (form.role == WRITES_WITH_D && d.type == LITERAL_OP && d.value.literal == F);
        accesses[0] = {&ins->operand[0], s_address(ins->operand[0], &ins->operand[form.access_position]), written};
        return 1;
    }
    return 0;
}

bool s_is_call(const ocode *oc) { return is_call(oc) || is_rcall(oc); }

bool s_is_math_call(const ocode *oc)
{
    if (!s_is_call(oc))
        return false;
    const inst_operand &callee = oc->data.inst.ins->operand[0];
    return callee.type == SYMBOL_OP && s_is_math_function(callee.value.sym);
}

// Every access through PREINC0, POSTDEC0 or POSTINC0, read or write, moves
// FSR0.
bool s_steps_fsr0(int32_t address)
{
    return address == SFR_PREINC0 || address == SFR_POSTDEC0 || address == SFR_POSTINC0;
}

bool s_is_byte_of(const file_access &access, resource_id id)
{
    if (id == R_MATH_DATA)
        return access.operand->type == SYMBOL_OP && s_is_math_symbol(access.operand->value.sym);
    for (const char *byte : RESOURCES[id].bytes)
        if (byte && access.address == int32_t(s_sfr_address(byte)))
            return true;
    return false;
}

// Whether the instruction itself writes the resource, or the math routine
// that it calls does.
bool s_writes(const ocode *oc, resource_id id)
{
    if (s_is_call(oc))
        return s_is_math_call(oc) &&
               std::find(std::begin(MATH_ROUTINE_WRITES), std::end(MATH_ROUTINE_WRITES), id) !=
                   std::end(MATH_ROUTINE_WRITES);
    const inst *ins = oc->data.inst.ins;
    for (const implicit_write &write : IMPLICIT_WRITES)
        if (write.opcode == ins->opcode && write.resource == id)
            return true;
    const inst_operand &pointer = ins->operand[0];
    if (id == R_FSR0 && ins->opcode == IT_LFSR && pointer.type == LITERAL_OP && pointer.value.literal == 0)
        return true;
    file_access accesses[2];
    int count = s_file_accesses(oc, accesses);
    for (int i = 0; i < count; ++i) {
        if (id == R_FSR0 && s_steps_fsr0(accesses[i].address))
            return true;
        if (accesses[i].written && s_is_byte_of(accesses[i], id))
            return true;
    }
    return false;
}

bool s_is_other_call(const ocode *oc) { return s_is_call(oc) && !s_is_math_call(oc); }

answer s_does_make_function_call(const ocode *body)
{
    for (const ocode *oc = body; oc; oc = oc->next)
        if (oc->type == OC_INST && s_is_other_call(oc))
            return CALLEE_MAY_WRITE;
    return UNCHANGED;
}

// A write by the body itself outweighs what a called function may do.
answer s_does_change(const ocode *body, resource_id id)
{
    answer result = UNCHANGED;
    for (const ocode *oc = body; oc; oc = oc->next) {
        if (oc->type != OC_INST)
            continue;
        if (s_writes(oc, id))
            return WRITTEN;
        if (s_is_other_call(oc))
            result = CALLEE_MAY_WRITE;
    }
    return result;
}

// Calls push onto the software stack, and so do the body's own accesses
// through FSR1.
bool s_does_use_stack(const ocode *body)
{
    int32_t first = FSR_LOW_ADDRESS[1] + FSR_OFFSET_LOW, last = FSR_LOW_ADDRESS[1] + FSR_OFFSET_INDF;
    for (const ocode *oc = body; oc; oc = oc->next) {
        if (oc->type != OC_INST)
            continue;
        if (s_is_call(oc))
            return true;
        file_access accesses[2];
        int count = s_file_accesses(oc, accesses);
        for (int i = 0; i < count; ++i)
            if (accesses[i].address >= first && accesses[i].address <= last)
                return true;
    }
    return false;
}

struct analysis {
    const interrupt_record *record;
    bool has_frame;
    answer calls;
    answer answers[RESOURCE_COUNT];
    bool saved[RESOURCE_COUNT];
};

answer s_answer(const resource &r, const analysis &a, const ocode *body)
{
    switch (r.condition) {
    case LOW_PRIORITY:
    case NAMED_WITHOUT_FRAME: return UNCHANGED;
    case CALLS: return a.calls;
    default: return s_does_change(body, r.id);
    }
}

bool s_condition_holds(const resource &r, const analysis &a)
{
    answer own = a.answers[r.id];
    switch (r.condition) {
    case LOW_PRIORITY: return a.record->low_priority != 0;
    case NAMED_WITHOUT_FRAME: return false;
    case CHANGED_OR_COPYING:
        return own != UNCHANGED || a.record->saves || a.saved[R_TMPDATA] || a.saved[R_MATH_DATA];
    case CALLS_OR_CHANGED: return a.calls != UNCHANGED || own != UNCHANGED;
    case CALLS: return a.calls != UNCHANGED;
    case CHANGED: return own != UNCHANGED;
    case UPPER_BYTE:
        return own == WRITTEN || (memory_model != 0 && (own != UNCHANGED || a.answers[r.lower] != UNCHANGED));
    }
    _assert("save condition", __FILE__, __LINE__);
}

bool s_saved(const resource &r, const analysis &a)
{
    if (a.record->save[r.save_flag])
        return r.condition != NAMED_WITHOUT_FRAME || !a.has_frame;
    bool excluded = r.nosave_flag != NO_NOSAVE_FLAG && a.record->nosave[r.nosave_flag];
    return !excluded && s_condition_holds(r, a);
}

void s_warn_unsaved(const symbol *function, const analysis &a)
{
    for (const resource &r : RESOURCES) {
        if (r.nosave_flag == NO_NOSAVE_FLAG || !a.record->nosave[r.nosave_flag])
            continue;
        if (r.condition == LOW_PRIORITY) {
            if (a.record->low_priority)
                post_error_at(function->line, function->file, 3003, r.name);
        } else if (a.answers[r.id] == WRITTEN) {
            post_error_at(function->line, function->file, 2075, r.name);
        }
    }
}

// The count in WREG runs down while DECF leaves the carry set, so a section
// of 0 bytes copies nothing.
void s_copy_loop(code_list &code, symbol *scn, const char *source, const char *destination)
{
    symbol *again = sym_temp_label(code.line, code.file);
    symbol *done = sym_temp_label(code.line, code.file);
    code.add(iVx_LSCNSIZEL(scn, 0));
    code.add(objLabel(again, code.line, code.file));
    code.add(iVx_opWF(IT_DECF, code_register("WREG"), 0, W));
    code.add(objBNCSymbol(done, code.line, code.file));
    code.add_movff(code_register(source), 0, code_register(destination), 0);
    code.add(objBranchSymbol(again, code.line, code.file));
    code.add(objLabel(done, code.line, code.file));
}

} // namespace

interrupt_context interrupt_context_of(const symbol *function, const ocode *body, bool has_frame)
{
    const interrupt_record *record = function->interrupt;
    VX_ASSERT(record != nullptr);
    analysis a{record, has_frame, s_does_make_function_call(body), {}, {}};
    for (const resource &r : RESOURCES)
        a.answers[r.id] = s_answer(r, a, body);
    // From the last row up: FSR0 depends on the sections below it.
    for (auto r = std::rbegin(RESOURCES); r != std::rend(RESOURCES); ++r)
        a.saved[r->id] = s_saved(*r, a);
    s_warn_unsaved(function, a);

    interrupt_context context{{}, has_frame || s_does_use_stack(body)};
    std::vector<symbol *> sections;
    for (const resource &r : RESOURCES) {
        if (!a.saved[r.id])
            continue;
        if (r.section)
            sections.push_back(trn_section_symbol(r.name, function->line, function->file));
        for (const char *byte : r.bytes)
            if (byte)
                context.items.push_back({code_register(byte), 0, false});
    }
    for (const save_element *e = record->saves; e; e = e->next) {
        switch (e->kind) {
        case SAVE_VARIABLE:
            for (uint32_t i = 0; i < e->size; ++i)
                context.items.push_back({e->sym, int32_t(i), false});
            break;
        case SAVE_SECTION: sections.push_back(e->sym); break;
        default: _assert("save list element kind", __FILE__, __LINE__);
        }
    }
    for (symbol *scn : sections)
        context.items.push_back({scn, 0, true});
    return context;
}

// PREINC1 leaves the byte at FSR1 alone: the interrupted code may be
// between the two instructions of a pop, with the popped byte still there.
ocode *oVxSaveInterruptContext(const interrupt_context &context, int32_t line, const char *file)
{
    code_list code{line, file};
    symbol *preinc1 = code_register("PREINC1");
    for (const interrupt_context::item &item : context.items) {
        if (item.section) {
            code.add(iVx_LFSR(item.sym, 0, 0));
            code.add(iVx_LFSR2(item.sym, 0));
            s_copy_loop(code, item.sym, "POSTINC0", "PREINC1");
        } else if (item.sym == code_register("WREG")) {
            code.add(iVx_MOVWF(preinc1, 0));
        } else {
            code.add_movff(item.sym, item.offset, preinc1, 0);
        }
    }
    // FSR1 points at the last byte saved, or at that byte of the interrupted
    // code; the routine's own pushes begin above it.
    if (context.uses_stack)
        code.add(iVx_opWF(IT_MOVF, code_register("POSTINC1"), 0, F));
    return code.head;
}

ocode *oVxRestoreInterruptContext(const interrupt_context &context, int32_t line, const char *file)
{
    code_list code{line, file};
    symbol *postdec1 = code_register("POSTDEC1");
    if (context.uses_stack)
        code.add(iVx_opWF(IT_MOVF, postdec1, 0, F));
    for (auto item = context.items.rbegin(); item != context.items.rend(); ++item) {
        if (item->section) {
            code.add(iVx_LFSRSCNEND(item->sym, 0, 0));
            code.add(iVx_LFSRSCNEND2(item->sym, 0));
            s_copy_loop(code, item->sym, "POSTDEC1", "POSTDEC0");
        } else if (item->sym == code_register("WREG")) {
            code.add(iVx_opWF(IT_MOVF, postdec1, 0, W));
        } else {
            code.add_movff(postdec1, 0, item->sym, item->offset);
        }
    }
    return code.head;
}
