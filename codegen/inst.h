// Target instruction records: one machine instruction (or the second word
// of a two-word instruction) with its operands in assembler order, the
// builders that code generation uses for each instruction form, and a
// one-line printer for listings and traces.
#pragma once
#include <cstdint>

struct symbol;

enum operand_kind : uint32_t { NO_OP = 0, SYMBOL_OP = 1, LITERAL_OP = 2 };

// Stored in `reloc` of a symbolic operand that the emitter must not relocate.
constexpr uint16_t NO_RELOC = 0xFFFF;

struct inst_operand {
    operand_kind type;
    union {
        symbol *sym;     // SYMBOL_OP
        int32_t literal; // LITERAL_OP
    } value;
    int32_t offset; // byte offset added to the symbol
    uint16_t reloc; // relocation type of the object format
};

constexpr unsigned INST_OPERANDS = 4;

struct inst {
    uint32_t opcode;    // an inst_type of target/instset.h
    uint32_t is_inline; // written by the user between _asm and _endasm
    inst_operand operand[INST_OPERANDS];
};

inst *inst_create();
// The symbols are shared with `i`.
inst *inst_copy(const inst *i);
// The text lives in one static buffer that the next call overwrites.
const char *inst_print(const inst *i);

// The access operand of an instruction on `f`: 0 for access RAM.
int32_t inst_access_bit(const symbol *f);

// f = file-register symbol, off = byte offset, d = destination (0 WREG,
// 1 file register), b = bit number, k = literal, s = fast-return flag.
inst *iVx_opWF(uint32_t op, symbol *f, int32_t off, int32_t d);
inst *iVx_opLW(uint32_t op, int32_t k);

inst *iVx_MOVWF(symbol *f, int32_t off);
inst *iVx_MULWF(symbol *f, int32_t off);
inst *iVx_TSTFSZ(symbol *f, int32_t off);
inst *iVx_CPFSLT(symbol *f, int32_t off);
inst *iVx_CPFSGT(symbol *f, int32_t off);
inst *iVx_CPFSEQ(symbol *f, int32_t off);

inst *iVx_SETF(symbol *f, int32_t off);
inst *iVx_CLRF(symbol *f, int32_t off);
inst *iVx_NEGF(symbol *f, int32_t off);

inst *iVx_BCF(symbol *f, int32_t off, int32_t b);
inst *iVx_BSF(symbol *f, int32_t off, int32_t b);
inst *iVx_BTG(symbol *f, int32_t off, int32_t b);
inst *iVx_BTFSC(symbol *f, int32_t off, int32_t b);
inst *iVx_BTFSS(symbol *f, int32_t off, int32_t b);

// Two-word instructions: the first word, then the WORD2 that follows it.
inst *iVx_MOVFF(symbol *src, int32_t off);
inst *iVx_MOVFF2(symbol *src, int32_t srcoff, symbol *dst, int32_t dstoff);
inst *iVx_LFSR(symbol *sym, int32_t off, int32_t n);
inst *iVx_LFSR2(symbol *sym, int32_t off);
// `scn` names a section: its name begins with ".".
inst *iVx_LFSRSCNEND(symbol *scn, int32_t off, int32_t n);
inst *iVx_LFSRSCNEND2(symbol *scn, int32_t off);
inst *iVx_GOTO(symbol *sym, int32_t off);
inst *iVx_GOTO2(symbol *sym, int32_t off);
inst *iVx_CALL(symbol *sym, int32_t off, int32_t s);
inst *iVx_CALL2(symbol *sym, int32_t off);

inst *iVx_RCALLliteral(int32_t k);
inst *iVx_BRA(int32_t k);
inst *iVx_BZ(int32_t k);
inst *iVx_BNZ(int32_t k);
inst *iVx_BC(int32_t k);
inst *iVx_BNC(int32_t k);
inst *iVx_BOV(int32_t k);
inst *iVx_BNOV(int32_t k);
inst *iVx_BN(int32_t k);
inst *iVx_BNN(int32_t k);

inst *iVx_RETURN(int32_t s);
inst *iVx_RETFIE(int32_t s);

inst *iVx_MOVLW(int32_t k);
inst *iVx_ADDLW(int32_t k);
inst *iVx_SUBLW(int32_t k);
inst *iVx_ANDLW(int32_t k);
inst *iVx_IORLW(int32_t k);
inst *iVx_XORLW(int32_t k);
inst *iVx_MULLW(int32_t k);
inst *iVx_RETLW(int32_t k);
inst *iVx_MOVLB(int32_t k);

// Bytes of an address, of a section's end address and of its size.
inst *iVx_LADDRL(symbol *sym, int32_t off);
inst *iVx_LADDRH(symbol *sym, int32_t off);
inst *iVx_LADDRU(symbol *sym, int32_t off);
inst *iVx_LSCNENDL(symbol *scn, int32_t off);
inst *iVx_LSCNENDH(symbol *scn, int32_t off);
inst *iVx_LSCNENDU(symbol *scn, int32_t off);
inst *iVx_LSCNSIZEL(symbol *scn, int32_t off);
inst *iVx_LSCNSIZEH(symbol *scn, int32_t off);
inst *iVx_LSCNSIZEU(symbol *scn, int32_t off);

inst *iVx_ADDLWADDRL(symbol *sym, int32_t off);
inst *iVx_ANDLWADDRL(symbol *sym, int32_t off);
inst *iVx_IORLWADDRL(symbol *sym, int32_t off);
inst *iVx_XORLWADDRL(symbol *sym, int32_t off);
inst *iVx_SUBADDRL(symbol *sym, int32_t off);
inst *iVx_ADDLWADDRH(symbol *sym, int32_t off);
inst *iVx_ADDLWADDRU(symbol *sym, int32_t off);

// MOVLB with the high byte of the address: the bank that holds it.
inst *iVx_BANKSEL(symbol *sym, int32_t off);

inst *iVx_TBLRD();
inst *iVx_TBLRDPOSTINC();
inst *iVx_TBLRDPOSTDEC();
inst *iVx_TBLRDPREINC();
inst *iVx_TBLWT();
inst *iVx_TBLWTPOSTINC();
inst *iVx_TBLWTPOSTDEC();
inst *iVx_TBLWTPREINC();
inst *iVx_NOP();
