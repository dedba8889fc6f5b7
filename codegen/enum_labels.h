// Enumeration labels waiting for the first instruction at their source
// position: instruction selection records them, the object emitter turns
// each into a label symbol at that instruction's address.
#pragma once
#include <cstdint>

struct symbol;

void addBuiltinEnumLabelInfo(symbol *label, int32_t line, const char *file);
// The label of the first record at this line and file, or null.
symbol *getBuiltinEnumLabelSymbol(int32_t line, const char *file);
void removeEnumLabelInfo(int32_t line, const char *file);
void enum_labels_clear();
