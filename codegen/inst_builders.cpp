#include "codegen/inst.h"

#include "object/coff.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/symbols.h"

namespace {

inst *s_inst(uint32_t opcode)
{
    inst *i = inst_create();
    i->opcode = opcode;
    return i;
}

void s_symbol(inst *i, unsigned index, symbol *sym, int32_t off, uint16_t reloc)
{
    inst_operand &op = i->operand[index];
    op.type = SYMBOL_OP;
    op.value.sym = sym;
    op.offset = off;
    op.reloc = reloc;
}

void s_literal(inst *i, unsigned index, int32_t value)
{
    i->operand[index].type = LITERAL_OP;
    i->operand[index].value.literal = value;
}

inst *s_symbol_inst(uint32_t opcode, symbol *sym, int32_t off, uint16_t reloc)
{
    inst *i = s_inst(opcode);
    s_symbol(i, 0, sym, off, reloc);
    return i;
}

inst *s_literal_inst(uint32_t opcode, int32_t k)
{
    inst *i = s_inst(opcode);
    s_literal(i, 0, k);
    return i;
}

// f with the access operand after it: MOVWF f, a.
inst *s_fa(uint32_t opcode, symbol *f, int32_t off, uint16_t reloc)
{
    inst *i = s_symbol_inst(opcode, f, off, reloc);
    s_literal(i, 1, inst_access_bit(f));
    return i;
}

// f, b, a for the bit-oriented instructions.
inst *s_fba(uint32_t opcode, symbol *f, int32_t off, int32_t b, uint16_t reloc)
{
    inst *i = s_symbol_inst(opcode, f, off, reloc);
    s_literal(i, 1, b);
    s_literal(i, 2, inst_access_bit(f));
    return i;
}

// The linker resolves section-end and section-size relocations only
// against the symbol that names the section.
symbol *s_section_symbol(symbol *scn)
{
    VX_ASSERT(scn && scn->name && scn->name[0] == '.');
    return scn;
}

} // namespace

inst *iVx_opWF(uint32_t op, symbol *f, int32_t off, int32_t d)
{
    inst *i = s_symbol_inst(op, f, off, RELOC_FILE);
    s_literal(i, 1, d);
    s_literal(i, 2, inst_access_bit(f));
    return i;
}

inst *iVx_opLW(uint32_t op, int32_t k) { return s_literal_inst(op, k); }

inst *iVx_MOVWF(symbol *f, int32_t off) { return s_fa(IT_MOVWF, f, off, RELOC_FILE); }
inst *iVx_MULWF(symbol *f, int32_t off) { return s_fa(IT_MULWF, f, off, RELOC_FILE); }
inst *iVx_TSTFSZ(symbol *f, int32_t off) { return s_fa(IT_TSTFSZ, f, off, RELOC_FILE); }
inst *iVx_CPFSLT(symbol *f, int32_t off) { return s_fa(IT_CPFSLT, f, off, RELOC_FILE); }
inst *iVx_CPFSGT(symbol *f, int32_t off) { return s_fa(IT_CPFSGT, f, off, RELOC_FILE); }
inst *iVx_CPFSEQ(symbol *f, int32_t off) { return s_fa(IT_CPFSEQ, f, off, RELOC_FILE); }

inst *iVx_SETF(symbol *f, int32_t off) { return s_fa(IT_SETF, f, off, RELOC_LOW); }
inst *iVx_CLRF(symbol *f, int32_t off) { return s_fa(IT_CLRF, f, off, RELOC_LOW); }
inst *iVx_NEGF(symbol *f, int32_t off) { return s_fa(IT_NEGF, f, off, RELOC_LOW); }

inst *iVx_BCF(symbol *f, int32_t off, int32_t b) { return s_fba(IT_BCF, f, off, b, RELOC_LOW); }
inst *iVx_BSF(symbol *f, int32_t off, int32_t b) { return s_fba(IT_BSF, f, off, b, RELOC_LOW); }
inst *iVx_BTG(symbol *f, int32_t off, int32_t b) { return s_fba(IT_BTG, f, off, b, RELOC_LOW); }
inst *iVx_BTFSC(symbol *f, int32_t off, int32_t b) { return s_fba(IT_BTFSC, f, off, b, RELOC_FILE); }
inst *iVx_BTFSS(symbol *f, int32_t off, int32_t b) { return s_fba(IT_BTFSS, f, off, b, RELOC_FILE); }

inst *iVx_MOVFF(symbol *src, int32_t off) { return s_symbol_inst(IT_MOVFF, src, off, RELOC_MOVFF_SRC); }

inst *iVx_MOVFF2(symbol *, int32_t, symbol *dst, int32_t dstoff)
{
    return s_symbol_inst(IT_WORD2, dst, dstoff, RELOC_MOVFF_DST);
}

inst *iVx_LFSR(symbol *sym, int32_t off, int32_t n)
{
    inst *i = s_literal_inst(IT_LFSR, n);
    s_symbol(i, 1, sym, off, RELOC_LFSR_HIGH);
    return i;
}

inst *iVx_LFSR2(symbol *sym, int32_t off) { return s_symbol_inst(IT_WORD2, sym, off, RELOC_LFSR_LOW); }

inst *iVx_LFSRSCNEND(symbol *scn, int32_t off, int32_t n)
{
    inst *i = s_literal_inst(IT_LFSR, n);
    s_symbol(i, 1, s_section_symbol(scn), off, RELOC_SCNEND_LFSR_HIGH);
    return i;
}

inst *iVx_LFSRSCNEND2(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_WORD2, s_section_symbol(scn), off, RELOC_SCNEND_LFSR_LOW);
}

inst *iVx_GOTO(symbol *sym, int32_t off) { return s_symbol_inst(IT_GOTO, sym, off, RELOC_GOTO); }
inst *iVx_GOTO2(symbol *sym, int32_t off) { return s_symbol_inst(IT_WORD2, sym, off, RELOC_WORD2_ADDR); }

inst *iVx_CALL(symbol *sym, int32_t off, int32_t s)
{
    inst *i = s_symbol_inst(IT_CALL, sym, off, RELOC_CALL);
    s_literal(i, 1, s);
    return i;
}

inst *iVx_CALL2(symbol *sym, int32_t off) { return s_symbol_inst(IT_WORD2, sym, off, RELOC_WORD2_ADDR); }

inst *iVx_RCALLliteral(int32_t k) { return s_literal_inst(IT_RCALL, k); }
inst *iVx_BRA(int32_t k) { return s_literal_inst(IT_BRA, k); }
inst *iVx_BZ(int32_t k) { return s_literal_inst(IT_BZ, k); }
inst *iVx_BNZ(int32_t k) { return s_literal_inst(IT_BNZ, k); }
inst *iVx_BC(int32_t k) { return s_literal_inst(IT_BC, k); }
inst *iVx_BNC(int32_t k) { return s_literal_inst(IT_BNC, k); }
inst *iVx_BOV(int32_t k) { return s_literal_inst(IT_BOV, k); }
inst *iVx_BNOV(int32_t k) { return s_literal_inst(IT_BNOV, k); }
inst *iVx_BN(int32_t k) { return s_literal_inst(IT_BN, k); }
inst *iVx_BNN(int32_t k) { return s_literal_inst(IT_BNN, k); }

inst *iVx_RETURN(int32_t s) { return s_literal_inst(IT_RETURN, s); }
inst *iVx_RETFIE(int32_t s) { return s_literal_inst(IT_RETFIE, s); }

inst *iVx_MOVLW(int32_t k) { return s_literal_inst(IT_MOVLW, k); }
inst *iVx_ADDLW(int32_t k) { return s_literal_inst(IT_ADDLW, k); }
inst *iVx_SUBLW(int32_t k) { return s_literal_inst(IT_SUBLW, k); }
inst *iVx_ANDLW(int32_t k) { return s_literal_inst(IT_ANDLW, k); }
inst *iVx_IORLW(int32_t k) { return s_literal_inst(IT_IORLW, k); }
inst *iVx_XORLW(int32_t k) { return s_literal_inst(IT_XORLW, k); }
inst *iVx_MULLW(int32_t k) { return s_literal_inst(IT_MULLW, k); }
inst *iVx_RETLW(int32_t k) { return s_literal_inst(IT_RETLW, k); }
inst *iVx_MOVLB(int32_t k) { return s_literal_inst(IT_MOVLB, k); }

inst *iVx_LADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_MOVLW, sym, off, RELOC_LOW); }
inst *iVx_LADDRH(symbol *sym, int32_t off) { return s_symbol_inst(IT_MOVLW, sym, off, RELOC_HIGH); }
inst *iVx_LADDRU(symbol *sym, int32_t off) { return s_symbol_inst(IT_MOVLW, sym, off, RELOC_UPPER); }

inst *iVx_LSCNENDL(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNEND_LOW);
}

inst *iVx_LSCNENDH(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNEND_HIGH);
}

inst *iVx_LSCNENDU(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNEND_UPPER);
}

inst *iVx_LSCNSIZEL(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNSIZE_LOW);
}

inst *iVx_LSCNSIZEH(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNSIZE_HIGH);
}

inst *iVx_LSCNSIZEU(symbol *scn, int32_t off)
{
    return s_symbol_inst(IT_MOVLW, s_section_symbol(scn), off, RELOC_SCNSIZE_UPPER);
}

inst *iVx_ADDLWADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_ADDLW, sym, off, RELOC_LOW); }
inst *iVx_ANDLWADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_ANDLW, sym, off, RELOC_LOW); }
inst *iVx_IORLWADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_IORLW, sym, off, RELOC_LOW); }
inst *iVx_XORLWADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_XORLW, sym, off, RELOC_LOW); }
inst *iVx_SUBADDRL(symbol *sym, int32_t off) { return s_symbol_inst(IT_SUBLW, sym, off, RELOC_LOW); }
inst *iVx_ADDLWADDRH(symbol *sym, int32_t off) { return s_symbol_inst(IT_ADDLW, sym, off, RELOC_HIGH); }
inst *iVx_ADDLWADDRU(symbol *sym, int32_t off) { return s_symbol_inst(IT_ADDLW, sym, off, RELOC_UPPER); }

inst *iVx_BANKSEL(symbol *sym, int32_t off) { return s_symbol_inst(IT_MOVLB, sym, off, RELOC_HIGH); }

inst *iVx_TBLRD() { return s_inst(IT_TBLRD); }
inst *iVx_TBLRDPOSTINC() { return s_inst(IT_TBLRDPOSTINC); }
inst *iVx_TBLRDPOSTDEC() { return s_inst(IT_TBLRDPOSTDEC); }
inst *iVx_TBLRDPREINC() { return s_inst(IT_TBLRDPREINC); }
inst *iVx_TBLWT() { return s_inst(IT_TBLWT); }
inst *iVx_TBLWTPOSTINC() { return s_inst(IT_TBLWTPOSTINC); }
inst *iVx_TBLWTPOSTDEC() { return s_inst(IT_TBLWTPOSTDEC); }
inst *iVx_TBLWTPREINC() { return s_inst(IT_TBLWTPREINC); }
inst *iVx_NOP() { return s_inst(IT_NOP); }
