// Instruction words of the four core families: type codes, operand fields,
// relocation types of symbolic operands, validation, disassembly and
// mnemonic lookup.  Every query takes the instruction-set number of
// target/procdb.h and dispatches to the family's own function.
#pragma once
#include <cstdint>

// One code per mnemonic, shared by all families, in alphabetical order
// except the two pseudo-instructions at the end.
enum inst_type : unsigned {
    IT_ADDFSR = 1, IT_ADDLW, IT_ADDULNK, IT_ADDWF, IT_ADDWFC, IT_ANDLW, IT_ANDWF, IT_BC, IT_BCF,
    IT_BN, IT_BNC, IT_BNN, IT_BNOV, IT_BNZ, IT_BOV, IT_BRA, IT_BSF, IT_BTFSC, IT_BTFSS, IT_BTG,
    IT_BZ, IT_CALL, IT_CALLW, IT_CLRF, IT_CLRW, IT_CLRWDT, IT_COMF, IT_CPFSEQ, IT_CPFSGT,
    IT_CPFSLT, IT_DAW, IT_DCFSNZ, IT_DECF, IT_DECFSZ, IT_GOTO, IT_HALT, IT_INCF, IT_INCFSZ,
    IT_INFSNZ, IT_IORLW, IT_IORWF, IT_LCALL, IT_LFSR, IT_LOG, IT_MOVF, IT_MOVFF, IT_MOVFP,
    IT_MOVLB, IT_MOVLR, IT_MOVLW, IT_MOVPF, IT_MOVSF, IT_MOVSS, IT_MOVWF, IT_MULLW, IT_MULWF,
    IT_NEGF, IT_NEGW, IT_NOP, IT_OPTION, IT_PAUSE, IT_POP, IT_PUSH, IT_PUSHL, IT_RCALL,
    IT_RESET, IT_RETFIE, IT_RETLW, IT_RETURN, IT_RLCF, IT_RLF, IT_RLNCF, IT_RRCF, IT_RRF,
    IT_RRNCF, IT_SETF, IT_SLEEP, IT_STOP, IT_SUBFSR, IT_SUBFWB, IT_SUBLW, IT_SUBULNK, IT_SUBWF,
    IT_SUBWFB, IT_SWAPF, IT_TABLRD, IT_TABLWT, IT_TBLRD, IT_TBLRDPOSTDEC, IT_TBLRDPOSTINC,
    IT_TBLRDPREINC, IT_TBLWT, IT_TBLWTPOSTDEC, IT_TBLWTPOSTINC, IT_TBLWTPREINC, IT_TLRD,
    IT_TLWT, IT_TRAP, IT_TRET, IT_TRIS, IT_TSTFSZ, IT_WORD2, IT_XORLW, IT_XORWF, IT_BANKSEL,
    IT_PAGESEL
};

constexpr unsigned NUMBER_OF_INST_TYPES = 106;

const char *getInstName(unsigned type);

unsigned getInstType(uint16_t word, int inst_set);
unsigned getOperandOne(uint16_t word, int inst_set);
unsigned getOperandTwo(uint16_t word, int inst_set);
unsigned getOperandThree(uint16_t word, int inst_set);
unsigned getOperand(uint16_t word, int inst_set, unsigned index);

void setInstType(uint16_t *word, unsigned type, int inst_set);
void setOperandOne(uint16_t *word, unsigned value, int inst_set);
void setOperandTwo(uint16_t *word, unsigned value, int inst_set);
void setOperandThree(uint16_t *word, unsigned value, int inst_set);

int hasOperandOne(unsigned type, int inst_set);
int hasOperandTwo(unsigned type, int inst_set);
int hasOperandThree(unsigned type, int inst_set);
int hasOperand(unsigned type, int inst_set, unsigned index);
int hasWord2(unsigned type, int inst_set);

int getOperandOneReloct(unsigned type, int inst_set);
int getOperandTwoReloct(unsigned type, int inst_set);
int getOperandThreeReloct(unsigned type, int inst_set);
int getOperandReloct(unsigned type, int inst_set, unsigned index);
int getWord2Reloct(unsigned type, int inst_set);
int getWord2Arg(unsigned type, int inst_set);

int isOpcodeValid(uint16_t word, int inst_set, int extended);

// The text lives in one static buffer that the next call overwrites.
const char *disasm(unsigned long address, uint16_t word, uint16_t next_word, int *words_used,
                   int inst_set, int extended);

// Leaves `*type` unchanged and returns 0 for a text that names no mnemonic
// of the family.
int mnemonic2type(const char *text, unsigned *type, int inst_set, int extended);

// The same queries for one family each: getInstType_VxCORE, hasWord2_BaCORE, ...
#define VX_FAMILY_QUERIES(F)                                                                      \
    unsigned getInstType_##F(uint16_t word);                                                      \
    unsigned getOperandOne_##F(uint16_t word);                                                    \
    unsigned getOperandTwo_##F(uint16_t word);                                                    \
    unsigned getOperandThree_##F(uint16_t word);                                                  \
    unsigned getOperand_##F(uint16_t word, unsigned index);                                       \
    void setInstType_##F(uint16_t *word, unsigned type);                                          \
    void setOperandOne_##F(uint16_t *word, unsigned value);                                       \
    void setOperandTwo_##F(uint16_t *word, unsigned value);                                       \
    void setOperandThree_##F(uint16_t *word, unsigned value);                                     \
    int hasOperandOne_##F(unsigned type);                                                         \
    int hasOperandTwo_##F(unsigned type);                                                         \
    int hasOperandThree_##F(unsigned type);                                                       \
    int hasOperand_##F(unsigned type, unsigned index);                                            \
    int hasWord2_##F(unsigned type);                                                              \
    int getOperandOneReloct_##F(unsigned type);                                                   \
    int getOperandTwoReloct_##F(unsigned type);                                                   \
    int getOperandThreeReloct_##F(unsigned type);                                                 \
    int getOperandReloct_##F(unsigned type, unsigned index);                                      \
    int getWord2Reloct_##F(unsigned type);                                                        \
    int getWord2Arg_##F(unsigned type);                                                           \
    int isOpcodeValid_##F(uint16_t word, int extended);                                           \
    const char *disasm_##F(unsigned long address, uint16_t word, uint16_t next_word,              \
                           int *words_used, int extended);                                        \
    int mnemonic2type_##F(const char *text, unsigned *type, int extended);

VX_FAMILY_QUERIES(TwCORE)
VX_FAMILY_QUERIES(SyCORE)
VX_FAMILY_QUERIES(BaCORE)
VX_FAMILY_QUERIES(VxCORE)
