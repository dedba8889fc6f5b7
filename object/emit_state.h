// The emitter's state between its modules: the image under construction,
// the sections with their running addresses, the symbol indexes given so
// far and the references still waiting for one.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "object/coff.h"
#include "translate/symbols.h"

struct aggregate_definition;

constexpr uint32_t NO_INDEX = 0xFFFFFFFF;

struct emit_section {
    std::string name;
    section_type type;
    uint32_t start; // the absolute address, 0 for a relocatable section
    uint32_t size;  // bytes placed so far
    uint32_t address() const { return start + size; }
};

// A relocation or call-list slot that names a symbol not yet in the table.
struct pending_reference {
    std::vector<std::pair<unsigned, size_t>> relocations; // section, entry
    std::vector<size_t> call_slots;                      // auxiliary entries
};

struct emit_state {
    coff_file *image = nullptr;
    int inst_set = 0;
    std::vector<emit_section> sections; // beside image->sections
    int current[SECTION_TMPDATA + 1];    // by section type; -1 for none

    std::unordered_map<const symbol *, uint32_t> indexes;    // variables, functions, labels
    std::unordered_map<const aggregate_definition *, uint32_t> tags;
    std::unordered_map<const aggregate_definition *, bool> tags_in_progress;
    std::unordered_map<std::string, uint32_t> files;          // full path to its .file entry
    std::unordered_map<const char *, uint32_t> file_of_name;  // output-code file names already looked up

    std::unordered_map<const symbol *, pending_reference> pending;
    std::vector<const symbol *> pending_order;
    // Array and aggregate entries waiting for the index of their tag.
    std::vector<std::pair<size_t, const aggregate_definition *>> pending_tag_slots;

    std::unordered_map<const symbol *, uint32_t> function_bf; // function: its .bf entry
    std::unordered_map<const symbol *, uint32_t> function_ef;
    std::unordered_map<const symbol *, uint32_t> block_entries; // .bb/.eb master entry: its entry
    std::vector<uint32_t> block_stack;                         // open .bb entries
    size_t function_lines_begin = 0, function_lines_end = 0;   // the line entries of the function last encoded

    uint32_t last_bf_aux = NO_INDEX;
    uint32_t last_tag_aux = NO_INDEX;
    uint32_t first_file = NO_INDEX;
    uint32_t open_file = NO_INDEX;
    int member_counter = 0;
};

extern emit_state *s_emit;

// Sections.
int s_section(const char *name, section_type type, bool share, bool overlay, bool access, bool absolute,
              uint32_t address);
emit_section &s_current_section(section_type type);
int16_t s_section_number(int section);

// Symbol entries.
uint32_t s_add_entry(const char *name, uint32_t value, int16_t scnum, uint32_t type, int8_t sclass);
coff_auxent &s_add_aux(uint32_t entry);
coff_syment &s_entry(uint32_t index);
void s_insert_sym(const symbol *sym, uint32_t index);
uint32_t s_lookup_syment(const symbol *sym);

// References.
void s_generate_relocation(int section, uint16_t type, int32_t offset, const symbol *sym);
void s_add_call_slot(size_t aux, const symbol *callee);
void s_patch_references(const symbol *sym, uint32_t index);
void s_populate_external_references();

// Types, tags and storage classes.
uint32_t s_convert_type(const typell *type);
int8_t s_convert_storage_class(const symbol *sym);
void s_process_tag_type(const typell *type);
uint32_t s_tag_index(const typell *type, const char *owner, size_t aux);
void s_add_aux_arr_or_sue_var(uint32_t entry, const typell *type, const char *name);

// Source files, functions, blocks, variables.
void s_source_file_begin(const char *path, uint32_t include_line, uint8_t flag);
void s_source_file_end();
uint32_t s_file_index(const char *file);
void s_function_begin(const symbol *entry, const symbol *function);
void s_function_end(const symbol *entry);
void s_block_begin(const symbol *entry);
void s_block_end(const symbol *entry);
void s_declare_variable(const symbol *sym);
void s_variable(const symbol *sym);

// The code pass.
void s_emit_function_code(const symbol *function);
void s_place_block(const symbol *entry);
