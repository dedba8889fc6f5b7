#include "codegen/frame.h"

#include "codegen/code_list.h"
#include "codegen/interrupt.h"
#include "codegen/obj.h"
#include "codegen/temps.h"
#include "driver/options.h"
#include "object/coff.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/interrupt.h"
#include "translate/symbols.h"

namespace {

// The destination bit of a byte-oriented instruction.
constexpr int32_t W = 0, F = 1;

// Banked operands need BSR on their bank; access RAM needs nothing.
void s_select_bank(code_list &code, symbol *f, int32_t offset)
{
    if (inst_access_bit(f))
        code.add(iVx_BANKSEL(f, offset));
}

// FSR1 += n where the addition may carry into FSR1H: W gets the new low
// byte, and on a carry FSR1L is set to 0xFF so that one post-increment
// carries into the high byte before the low byte is written.
void s_raise_fsr1_across_banks(code_list &code, uint32_t n)
{
    symbol *fsr1l = code_register("FSR1L");
    code.add(iVx_MOVLW(int32_t(n)));
    code.add(iVx_opWF(IT_ADDWF, fsr1l, 0, W));
    code.add(iVx_BNC(2));
    code.add(iVx_SETF(fsr1l, 0));
    code.add(iVx_opWF(IT_MOVF, code_register("POSTINC1"), 0, F));
    code.add(iVx_MOVWF(fsr1l, 0));
}

// FSR1 -= n, the mirror image: on a borrow FSR1L is cleared so that one
// post-decrement borrows from the high byte.
void s_lower_fsr1_across_banks(code_list &code, uint32_t n)
{
    symbol *fsr1l = code_register("FSR1L");
    code.add(iVx_MOVLW(int32_t(n)));
    code.add(iVx_opWF(IT_SUBWF, fsr1l, 0, W));
    code.add(iVx_BC(2));
    code.add(iVx_CLRF(fsr1l, 0));
    code.add(iVx_opWF(IT_MOVF, code_register("POSTDEC1"), 0, F));
    code.add(iVx_MOVWF(fsr1l, 0));
}

void s_repeat_on_fsr1(code_list &code, const char *access_register, uint32_t n)
{
    symbol *reg = code_register(access_register);
    for (uint32_t i = 0; i < n; ++i)
        code.add(iVx_opWF(IT_MOVF, reg, 0, F));
}

// The sequences that lower FSR1 go through W, which may hold a result: it
// waits in a temporary of the statement meanwhile.
struct saved_wreg {
    symbol *tmp = nullptr;
    int32_t offset = 0;
};

saved_wreg s_save_wreg(code_list &code)
{
    saved_wreg saved{tmp_get_sym(), int32_t(tmp_alloc(1))};
    VX_ASSERT(saved.tmp != nullptr);
    code.add(iVx_MOVWF(saved.tmp, saved.offset));
    return saved;
}

void s_restore_wreg(code_list &code, const saved_wreg &saved)
{
    if (saved.tmp)
        code.add(iVx_opWF(IT_MOVF, saved.tmp, saved.offset, W));
}

// The linker fills in the displacement to the label, which branch
// resolution leaves alone: RCALL is no branch pseudo-instruction.
inst *s_rcall(symbol *label)
{
    inst *rcall = iVx_RCALLliteral(0);
    rcall->operand[0].type = SYMBOL_OP;
    rcall->operand[0].value.sym = label;
    rcall->operand[0].reloc = RELOC_BRA;
    return rcall;
}

ocode *s_allocate_frame(uint32_t local_size, bool has_params, bool multi_bank, int32_t line, const char *file)
{
    code_list code{line, file};
    if (local_size >= 1 || has_params) {
        code.add_movff(code_register("FSR2L"), 0, code_register("POSTINC1"), 0);
        if (multi_bank)
            code.add_movff(code_register("FSR2H"), 0, code_register("POSTINC1"), 0);
        code.add_movff(code_register("FSR1L"), 0, code_register("FSR2L"), 0);
        if (multi_bank)
            code.add_movff(code_register("FSR1H"), 0, code_register("FSR2H"), 0);
    }
    if (!multi_bank && local_size >= 2) {
        code.add(iVx_MOVLW(int32_t(local_size)));
        code.add(iVx_opWF(IT_ADDWF, code_register("FSR1L"), 0, F));
    } else if (multi_bank && local_size > 5) {
        s_raise_fsr1_across_banks(code, local_size);
    } else {
        s_repeat_on_fsr1(code, "POSTINC1", local_size);
    }
    return code.head;
}

ocode *s_deallocate_frame(uint32_t local_size, bool has_params, int32_t return_kind, bool multi_bank, int32_t line,
                          const char *file)
{
    code_list code{line, file};
    if (local_size > (multi_bank ? 3u : 1u)) {
        saved_wreg saved;
        if (return_kind == 1)
            saved = s_save_wreg(code);
        s_lower_fsr1_across_banks(code, local_size);
        s_restore_wreg(code, saved);
    } else {
        s_repeat_on_fsr1(code, "POSTDEC1", local_size);
    }
    if (local_size >= 1 || has_params) {
        code.add(iVx_opWF(IT_MOVF, code_register("POSTDEC1"), 0, F));
        if (multi_bank)
            code.add_movff(code_register("POSTDEC1"), 0, code_register("FSR2H"), 0);
        code.add_movff(code_register("INDF1"), 0, code_register("FSR2L"), 0);
    }
    return code.head;
}

ocode *s_process_non_interrupt(ocode *body, uint32_t local_size, bool has_params, int32_t return_kind, bool multi_bank,
                               int32_t begin_line, const char *begin_file, int32_t end_line, const char *end_file)
{
    code_list code{end_line, end_file};
    code.add(s_allocate_frame(local_size, has_params, multi_bank, begin_line, begin_file));
    code.add(body);
    code.add(s_deallocate_frame(local_size, has_params, return_kind, multi_bank, end_line, end_file));
    code.add(iVx_RETURN(0));
    return code.head;
}

// Only the high-priority interrupt has shadow registers for RETFIE 1 to
// restore STATUS, BSR and WREG from.
ocode *s_process_interrupt(ocode *body, uint32_t local_size, bool has_params, const symbol *function,
                           int32_t return_kind, bool multi_bank, int32_t begin_line, const char *begin_file,
                           int32_t end_line, const char *end_file)
{
    interrupt_context context = interrupt_context_of(function, body, local_size >= 1 || has_params);
    code_list code{end_line, end_file};
    code.add(oVxSaveInterruptContext(context, begin_line, begin_file));
    code.add(s_allocate_frame(local_size, has_params, multi_bank, begin_line, begin_file));
    code.add(body);
    code.add(s_deallocate_frame(local_size, has_params, return_kind, multi_bank, end_line, end_file));
    code.add(oVxRestoreInterruptContext(context, end_line, end_file));
    code.add(iVx_RETFIE(function->interrupt->low_priority ? 0 : 1));
    return code.head;
}

} // namespace

ocode *oVxProcessFunction(ocode *body, uint32_t local_size, uint32_t param_size, symbol *function, int32_t return_kind,
                          int32_t begin_line, const char *begin_file, int32_t end_line, const char *end_file)
{
    if (!function)
        _assert("ISR_sym", __FILE__, __LINE__);
    if (function->interrupt)
        return s_process_interrupt(body, local_size, param_size >= 1, function, return_kind, stack_multi_bank_flag != 0,
                                   begin_line, begin_file, end_line, end_file);
    return s_process_non_interrupt(body, local_size, param_size >= 1, return_kind, stack_multi_bank_flag != 0,
                                   begin_line, begin_file, end_line, end_file);
}

ocode *oVx_call_direct(symbol *function, int32_t offset, int32_t line, const char *file)
{
    code_list code{line, file};
    code.add_call(function, offset);
    return code.head;
}

// The stub jumps by writing PCL, which loads the upper bytes of the program
// counter from PCLATU and PCLATH; the RCALL into it leaves the return
// address after itself, so the callee's RETURN comes back there.
ocode *oVx_call_indirect(symbol *pointer, int32_t offset, uint32_t pointer_size, int32_t line, const char *file)
{
    VX_ASSERT(pointer_size == 2 || pointer_size == 3);
    code_list code{line, file};
    symbol *stub = sym_temp_label(line, file);
    symbol *call = sym_temp_label(line, file);
    code.add(objBranchSymbol(call, line, file));
    ocode *stub_label = objLabel(stub, line, file);
    // No branch names the stub: only the RCALL's relocation keeps its label.
    stub_label->data.label.used_in_relocation = 1;
    code.add(stub_label);
    if (pointer_size == 3)
        code.add_movff(pointer, offset + 2, code_register("PCLATU"), 0);
    code.add_movff(pointer, offset + 1, code_register("PCLATH"), 0);
    code.add(oVxLoadW(pointer, offset, line, file));
    code.add(iVx_MOVWF(code_register("PCL"), 0));
    code.add(objLabel(call, line, file));
    code.add(s_rcall(stub));
    return code.head;
}

ocode *call_pop_argframe(uint32_t bytes, int32_t line, const char *file)
{
    code_list code{line, file};
    if (bytes <= 4) {
        s_repeat_on_fsr1(code, "POSTDEC1", bytes);
        return code.head;
    }
    saved_wreg saved = s_save_wreg(code);
    if (stack_multi_bank_flag) {
        s_lower_fsr1_across_banks(code, bytes);
    } else {
        code.add(iVx_MOVLW(int32_t(bytes)));
        code.add(iVx_opWF(IT_SUBWF, code_register("FSR1L"), 0, F));
    }
    s_restore_wreg(code, saved);
    return code.head;
}

ocode *oVxStackAlloc(uint32_t bytes, int32_t line, const char *file)
{
    code_list code{line, file};
    bool multi_bank = stack_multi_bank_flag != 0;
    if (multi_bank && bytes >= 5) {
        s_raise_fsr1_across_banks(code, bytes);
    } else if (!multi_bank && bytes >= 3) {
        code.add(iVx_MOVLW(int32_t(bytes)));
        code.add(iVx_opWF(IT_ADDWF, code_register("FSR1L"), 0, F));
    } else {
        s_repeat_on_fsr1(code, "POSTINC1", bytes);
    }
    return code.head;
}

ocode *oVxCallCMATHVx(symbol *routine, int32_t line, const char *file)
{
    code_list code{line, file};
    code.add_call(routine, 0);
    return code.head;
}

ocode *oVxMovWF(symbol *f, int32_t offset, int32_t line, const char *file)
{
    code_list code{line, file};
    s_select_bank(code, f, offset);
    code.add(iVx_MOVWF(f, offset));
    return code.head;
}

ocode *oVxBanksel(symbol *f, int32_t offset, int32_t line, const char *file)
{
    return objInst(iVx_BANKSEL(f, offset), line, file);
}

ocode *oVxMovFFX(uint32_t n, symbol *src, int32_t src_offset, symbol *dst, int32_t dst_offset, int32_t line,
                 const char *file)
{
    code_list code{line, file};
    for (int32_t i = 0; i < int32_t(n); ++i)
        code.add_movff(src, src_offset + i, dst, dst_offset + i);
    return code.head;
}

ocode *oVxLoadW(symbol *f, int32_t offset, int32_t line, const char *file)
{
    code_list code{line, file};
    s_select_bank(code, f, offset);
    code.add(iVx_opWF(IT_MOVF, f, offset, W));
    return code.head;
}

ocode *oVxPush(symbol *f, int32_t offset, uint32_t n, int32_t line, const char *file)
{
    code_list code{line, file};
    for (int32_t i = 0; i < int32_t(n); ++i)
        code.add_movff(f, offset + i, code_register("POSTINC1"), 0);
    return code.head;
}

ocode *oVxPop(symbol *f, int32_t offset, uint32_t n, int32_t line, const char *file)
{
    code_list code{line, file};
    for (int32_t i = int32_t(n) - 1; i >= 0; --i) {
        code.add(iVx_opWF(IT_MOVF, code_register("POSTDEC1"), 0, F));
        code.add_movff(code_register("INDF1"), 0, f, offset + i);
    }
    return code.head;
}

int32_t vx_log2(uint32_t value)
{
    if (value == 0 || (value & (value - 1)) != 0)
        return -1;
    int32_t exponent = 0;
    while (value >>= 1)
        ++exponent;
    return exponent;
}
