// The run-time model of generated code: the software stack (FSR1 points at
// the next free byte and the stack grows upwards), the frame of a function
// (FSR2 points at its first auto local, the caller's arguments lie below the
// saved frame pointer), calls with their argument frames, and the small
// sequences that the rest of code generation builds on.  Every routine
// returns a new output-code list stamped with the given source position;
// an empty list is null.
#pragma once
#include <cstdint>

struct symbol;
struct ocode;

// Wraps a function's body with its prologue and epilogue, and an interrupt
// routine's also with the save and restore of its context.  return_kind 1
// means the result comes back in WREG, which the epilogue must keep.
ocode *oVxProcessFunction(ocode *body, uint32_t local_size, uint32_t param_size, symbol *function, int32_t return_kind,
                          int32_t begin_line, const char *begin_file, int32_t end_line, const char *end_file);

ocode *oVx_call_direct(symbol *function, int32_t offset, int32_t line, const char *file);
// Calls the function whose address is held at pointer+offset, 2 or 3 bytes
// long, least significant byte first.
ocode *oVx_call_indirect(symbol *pointer, int32_t offset, uint32_t pointer_size, int32_t line, const char *file);
// Drops `bytes` pushed argument bytes after a call, keeping WREG.
ocode *call_pop_argframe(uint32_t bytes, int32_t line, const char *file);
ocode *oVxStackAlloc(uint32_t bytes, int32_t line, const char *file);
ocode *oVxCallCMATHVx(symbol *routine, int32_t line, const char *file);

// MOVWF f+off, with the bank selected first when f is banked.
ocode *oVxMovWF(symbol *f, int32_t offset, int32_t line, const char *file);
// MOVLB with the bank of f+off.
ocode *oVxBanksel(symbol *f, int32_t offset, int32_t line, const char *file);
// n byte copies src+src_offset+i to dst+dst_offset+i, each a MOVFF with its
// second word.
ocode *oVxMovFFX(uint32_t n, symbol *src, int32_t src_offset, symbol *dst, int32_t dst_offset, int32_t line,
                 const char *file);
// MOVF f+off, W, with the bank selected first when f is banked.
ocode *oVxLoadW(symbol *f, int32_t offset, int32_t line, const char *file);
// n bytes of f+off onto the software stack, least significant first, and
// back off it in the reverse order.
ocode *oVxPush(symbol *f, int32_t offset, uint32_t n, int32_t line, const char *file);
ocode *oVxPop(symbol *f, int32_t offset, uint32_t n, int32_t line, const char *file);

// The exponent of a power of two; -1 for anything else, 0 included.
int32_t vx_log2(uint32_t value);
