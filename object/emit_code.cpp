// The code pass: each function's output code encoded into its code section,
// with a line-number entry per instruction that has a source line, a
// relocation per symbolic operand, and the labels that relocations name.
#include <algorithm>

#include "codegen/enum_labels.h"
#include "codegen/ocode.h"
#include "object/emit_state.h"
#include "support/vxassert.h"
#include "target/instset.h"

namespace {

void s_add_label_to_symbol_table(const symbol *label)
{
    int code = s_emit->current[SECTION_CODE];
    uint32_t index = s_add_entry(label->name, s_emit->sections[code].address(), s_section_number(code), T_NULL,
                                 s_convert_storage_class(label));
    s_insert_sym(label, index);
}

void s_instruction(const inst *ins, int32_t line, const char *file, uint32_t function_index)
{
    int code = s_emit->current[SECTION_CODE];
    coff_section &scn = s_emit->image->sections[code];
    if (line != 0)
        scn.linenos.push_back(coff_lineno{s_file_index(file), static_cast<uint16_t>(line),
                                          s_emit->sections[code].address(), 0, function_index});
    VX_ASSERT(ins->opcode != IT_BANKSEL);
    uint16_t word = 0;
    setInstType(&word, ins->opcode, s_emit->inst_set);
    for (unsigned position = 0; position < 3; ++position) {
        const inst_operand &operand = ins->operand[position];
        if (operand.type == SYMBOL_OP && operand.reloc != NO_RELOC)
            s_generate_relocation(code, operand.reloc, operand.offset, operand.value.sym);
        else if (operand.type == LITERAL_OP)
            (position == 0   ? setOperandOne
             : position == 1 ? setOperandTwo
                             : setOperandThree)(&word, static_cast<unsigned>(operand.value.literal), s_emit->inst_set);
    }
    coff_add_word(&scn, word);
    s_emit->sections[code].size += 2;
}

} // namespace

void s_emit_function_code(const symbol *function)
{
    int code = s_emit->current[SECTION_CODE];
    VX_ASSERT(code >= 0);
    uint32_t index = s_lookup_syment(function);
    VX_ASSERT(index != NO_INDEX);
    uint32_t start = s_emit->sections[code].address();
    s_emit->function_lines_begin = s_emit->image->sections[code].linenos.size();
    for (uint32_t entry : {index, s_emit->function_bf[function]}) {
        s_entry(entry).n_value = start;
        s_entry(entry).n_scnum = s_section_number(code);
    }
    for (const ocode *oc = ocode_function_record(function); oc; oc = oc->type == OC_EFUNCT ? nullptr : oc->next) {
        switch (oc->type) {
        case OC_INST:
            if (symbol *label = getBuiltinEnumLabelSymbol(oc->line, oc->file)) {
                s_add_label_to_symbol_table(label);
                removeEnumLabelInfo(oc->line, oc->file);
            }
            s_instruction(oc->data.inst.ins, oc->line, oc->file, index);
            break;
        case OC_LABEL:
            VX_ASSERT(oc->data.label.used_in_relocation && oc->data.label.label);
            s_add_label_to_symbol_table(oc->data.label.label);
            break;
        case OC_BFUNCT:
        case OC_EFUNCT:
        case OC_NOP: break;
        default: _assert("emitter: output code after branch resolution", __FILE__, __LINE__);
        }
    }
    s_emit->function_lines_end = s_emit->image->sections[code].linenos.size();
    auto ef = s_emit->function_ef.find(function);
    if (ef != s_emit->function_ef.end()) {
        // The function's last program word; a function without code has none.
        uint32_t end = s_emit->sections[code].address();
        s_entry(ef->second).n_value = end > start ? end - 2 : start;
        s_entry(ef->second).n_scnum = s_section_number(code);
    }
}

// A block starts at the first instruction of its function at or after its
// line and ends at the last one at or before its closing line.
void s_place_block(const symbol *entry)
{
    auto found = s_emit->block_entries.find(entry);
    int code = s_emit->current[SECTION_CODE];
    if (found == s_emit->block_entries.end() || code < 0)
        return;
    const std::vector<coff_lineno> &lines = s_emit->image->sections[code].linenos;
    coff_syment &block = s_entry(found->second);
    block.n_scnum = s_section_number(code);
    size_t begin = s_emit->function_lines_begin, end = std::min(s_emit->function_lines_end, lines.size());
    if (entry->kind == BEGIN_BLOCK) {
        for (size_t i = begin; i < end; ++i)
            if (lines[i].l_lnno >= entry->line) {
                block.n_value = lines[i].l_paddr;
                return;
            }
    } else {
        for (size_t i = end; i-- > begin;)
            if (lines[i].l_lnno <= entry->line) {
                block.n_value = lines[i].l_paddr;
                return;
            }
    }
}
