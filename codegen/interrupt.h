// The context of an interrupt routine: what it saves on the software stack
// before its frame and restores after it, decided from what its body may
// change and from the save= and nosave= lists of its pragma.
#pragma once
#include <cstdint>
#include <vector>

struct ocode;
struct symbol;

struct interrupt_context {
    // A register or variable byte, or a whole section named by its
    // section symbol.
    struct item {
        symbol *sym;
        int32_t offset;
        bool section;
    };
    std::vector<item> items; // in save order; the restore runs backwards
    // The routine itself pushes onto the software stack.
    bool uses_stack;
};

// Posts 2075 and 3003 at the routine's declaration where the lists leave a
// resource unsaved that the routine changes or that belongs to the minimal
// context.
interrupt_context interrupt_context_of(const symbol *function, const ocode *body, bool has_frame);

ocode *oVxSaveInterruptContext(const interrupt_context &context, int32_t line, const char *file);
ocode *oVxRestoreInterruptContext(const interrupt_context &context, int32_t line, const char *file);
