#include "codegen/codegen.h"

#include "codegen/enum_labels.h"
#include "codegen/obj.h"
#include "codegen/regsyms.h"
#include "translate/symbols.h"

void genFree()
{
    if (section_set)
        for (auto *scn = static_cast<section *>(list_first(section_set)); scn;
             scn = static_cast<section *>(list_next(scn))) {
            objFree(scn->code);
            scn->code = nullptr;
        }
    enum_labels_clear();
    gen_register_symbols_clear();
}
