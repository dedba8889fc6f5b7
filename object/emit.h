// The object emitter: builds the COFF image of a translation unit from its
// master symbol list, its sections and the output code of its functions,
// and writes it only when the compilation posted no error.
#pragma once

void emit_write_object_file(const char *name);
