// The unit's driver: functions reduced statement by statement into their
// code sections, with the temporaries scope each function needs.
#include "codegen/gen.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "codegen/code_list.h"
#include "codegen/frame.h"
#include "codegen/obj.h"
#include "codegen/regs.h"
#include "codegen/temps.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "support/vxassert.h"
#include "target/procdb.h"
#include "translate/interrupt.h"
#include "translate/ir.h"
#include "translate/ranges.h"
#include "translate/symbols.h"

namespace {

constexpr const char *DEFAULT_TMPDATA = ".tmpdata";

section *s_code_section;
std::string s_tmpdata_name;
// Each code section's list with its kept tail: a unit's code is appended
// function by function, and walking a long list for each would be
// quadratic.
std::unordered_map<const section *, code_list> s_section_code;

constexpr const char *STRUCT_RESULT_SECTION = "STRUCT_RESULT";
symbol *s_struct_result;
uint32_t s_struct_result_size;

// The buffer is declared once its size is known, after the last function.
void s_declare_struct_result()
{
    if (!s_struct_result)
        return;
    s_struct_result->type->detail.count = s_struct_result_size;
    sym_enter_section(SECTION_UDATA, STRUCT_RESULT_SECTION, false, true, false, false, 0);
    sym_declare_symbol(s_struct_result, true, 0, "");
    s_struct_result = nullptr;
    s_struct_result_size = 0;
}

void s_append_code(ocode *code)
{
    code_list &list = s_section_code[s_code_section];
    if (!list.head && s_code_section->code)
        list.add(s_code_section->code);
    list.add(code);
    s_code_section->code = list.head;
}

// One function, from its I_BFUNCT statement to its I_EFUNCT statement;
// returns the statement after it.
const stmt *s_function(const stmt *begin)
{
    pcodell *head = begin->tree;
    symbol *function = head->sym;
    VX_ASSERT(function != nullptr);
    function->code_section = s_code_section;
    bool interrupt = function->interrupt != nullptr;
    bool pragma_tmp = !interrupt && s_tmpdata_name != DEFAULT_TMPDATA;
    if (interrupt)
        tmp_enter_int();
    else if (pragma_tmp)
        tmp_enter_pragmatmp();
    s_append_code(gen_reduce_statement(head));
    code_list body{head->line, head->file};
    const stmt *at = begin->next;
    for (; at && at->tree->opcode != I_EFUNCT; at = at->next)
        body.add(gen_reduce_statement(at->tree));
    VX_ASSERT(at != nullptr && at->tree->opcode == I_EFUNCT);
    pcodell *end = at->tree;
    s_append_code(oVxProcessFunction(body.head, end->function.frame_size, end->function.param_frame_size, function,
                                     end->function.return_size == 1 ? 1 : 0, head->line, head->file, end->line,
                                     end->file));
    s_append_code(gen_reduce_statement(end));
    if (interrupt)
        tmp_exit_int(function->interrupt->tmpdata_name);
    else if (pragma_tmp)
        tmp_exit_pragmatmp(s_tmpdata_name.c_str());
    return at->next;
}

void generate_code(stmt *unit)
{
    s_code_section = sym_get_default_code_section();
    s_tmpdata_name = DEFAULT_TMPDATA;
    tmp_enter_main();
    for (const stmt *at = unit; at;) {
        pcodell *tree = at->tree;
        if (tree->opcode == I_SECTION) {
            section *scn = tree->sym->scn;
            if (scn->type == SECTION_CODE)
                s_code_section = scn;
            else if (scn->type == SECTION_TMPDATA)
                s_tmpdata_name = scn->name;
            at = at->next;
        } else if (tree->opcode == I_BFUNCT) {
            at = s_function(at);
        } else {
            // Data definitions and the like: they must not need code.
            VX_ASSERT(gen_reduce_statement(tree) == nullptr);
            at = at->next;
        }
    }
    tmp_exit_main();
    s_declare_struct_result();
    s_section_code.clear();
}

} // namespace

symbol *gen_struct_result(uint32_t size)
{
    if (!s_struct_result) {
        typell *bytes = type_create();
        bytes->kind = ARY;
        bytes->memory = MEMORY_RAM;
        bytes->range = RANGE_FAR;
        bytes->next = type_basic(BT_CHAR, 0);
        bytes->next->memory = MEMORY_RAM;
        bytes->next->range = RANGE_FAR;
        s_struct_result = sym_create_symbol("__struct_result", bytes, LINK_INTERNAL, SC_STATIC);
    }
    s_struct_result_size = std::max(s_struct_result_size, size);
    return s_struct_result;
}

void genInit()
{
    VX_ASSERT(getInstSet(GetProcessor()) == _VxCORE);
    genInitSymbols();
}

void genTranslate(stmt *unit)
{
    genInit();
    generate_code(unit);
}
