#include <cstdio>

#include "codegen/ocode.h"
#include "support/vxassert.h"
#include "translate/symbols.h"

namespace {

const char *s_name(const symbol *sym) { return sym && sym->name ? sym->name : "NULL"; }

const char *s_branch_name(ocode_kind kind)
{
    switch (kind) {
    case OC_BRANCH: return "BRANCH";
    case OC_BZ: return "BZ";
    case OC_BNZ: return "BNZ";
    case OC_BC: return "BC";
    case OC_BNC: return "BNC";
    case OC_BOV: return "BOV";
    case OC_BNOV: return "BNOV";
    case OC_BN: return "BN";
    case OC_BNN: return "BNN";
    case OC_BTFBS: return "BTFBS";
    default: return "BTFBC";
    }
}

const char *s_label_name(const ocode *label)
{
    return label && label->type == OC_LABEL ? s_name(label->data.label.label) : "NULL";
}

int32_t s_block_number(const basic_block *block)
{
    return reinterpret_cast<const basic_block_header *>(block)->number;
}

// Every branch kind prints its label targets like its symbol targets, and
// only the caller's newline ends the line.
void s_print_branch(const ocode *oc, long line)
{
    const ocode_branch_data &b = oc->data.branch;
    printf("(%4ld): OC_%s ", line, s_branch_name(oc->type));
    bool known = b.type == LITERAL_BRANCH || b.type == SYMBOL_BRANCH || b.type == LABEL_BRANCH ||
                 (b.type == BLOCK_BRANCH && b.block);
    if (!known) {
        printf("xxxx");
        return;
    }
    if (oc->type == OC_BTFBS || oc->type == OC_BTFBC)
        printf("%s+%d, %d, %d --> ", s_name(b.freg), b.freg_offset, b.bit, b.access);
    if (b.type == LITERAL_BRANCH)
        printf("%ld", static_cast<long>(b.literal));
    else if (b.type == SYMBOL_BRANCH)
        printf("%s", s_name(b.sym));
    else if (b.type == LABEL_BRANCH)
        printf("%s", s_label_name(b.label));
    else
        printf("block #%d", s_block_number(b.block));
}

} // namespace

int printOcode(const ocode *oc, int newline)
{
    VX_ASSERT(oc != nullptr);
    long line = oc->line;
    int is_instruction = 0;
    switch (oc->type) {
    case OC_NOP:
        printf("(%4ld): OC_NOP", line);
        break;
    case OC_LABEL:
        if (oc->data.label.label && oc->data.label.label->name)
            printf("(%4ld): OC_LABEL: %s", line, oc->data.label.label->name);
        else
            printf("(%4ld): OC_LABEL", line);
        break;
    case OC_BFUNCT:
        printf("(%4ld): OC_BFUNCT: %s", line, s_name(oc->data.function));
        break;
    case OC_EFUNCT:
        printf("(%4ld): OC_EFUNCT: %s", line, s_name(oc->data.function));
        break;
    case OC_INST:
        VX_ASSERT(oc->data.inst.ins != nullptr);
        printf("(%4ld): %-25s", line, inst_print(oc->data.inst.ins));
        is_instruction = 1;
        break;
    case OC_BRANCH:
    case OC_BZ:
    case OC_BNZ:
    case OC_BC:
    case OC_BNC:
    case OC_BOV:
    case OC_BNOV:
    case OC_BN:
    case OC_BNN:
    case OC_BTFBS:
    case OC_BTFBC:
        s_print_branch(oc, line);
        is_instruction = 1;
        break;
    default:
        // Temporaries markers are consumed before anything is printed.
        _assert("printable output-code kind", __FILE__, __LINE__);
    }
    if (newline)
        putchar('\n');
    return is_instruction;
}
