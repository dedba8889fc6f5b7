// The command line and the run-wide settings it fills.  The settings are
// plain globals, set once by option parsing and read by every stage.
#pragma once

constexpr unsigned MAX_NUMBER_OF_INCLUDES = 128;
constexpr unsigned MAX_NUMBER_OF_DEFINES = 128;

// Storage classes shared by the command line and translation.
enum storage_class_code { SC_NONE = 0, SC_EXTERN = 100, SC_STATIC = 101, SC_OVERLAY = 102, SC_AUTO = 103, SC_TYPEDEF = 104 };

// Files and preprocessor inputs.
extern const char *_source_file_name;
extern const char *_object_file_name;
extern const char *_error_file_name;
extern const char *_cmdline_include_file_name;
extern char *includes[MAX_NUMBER_OF_INCLUDES]; // each enclosed in double quotes
extern unsigned num_includes;
extern char *command_line_defines[MAX_NUMBER_OF_DEFINES];
extern unsigned num_defines;
extern const char *DefaultIncludePath;
extern char *suppress_message_option;

// Processor and memory model.
extern int processor;
extern int generic_processor_flag;
extern int processor_specified_on_cmdline;
extern int memory_model; // 0 small, 3 large
extern int stack_multi_bank_flag;
extern int lfsr_valid;

// Language and translation.
extern int plain_char_signed_flag;
extern int suppress_integer_promotion_flag;
// Standard C: integer promotion, and string literals that become pointers
// to data memory placed in data memory.
extern int standard_c_flag;
extern int merge_duplicate_strings_flag;
extern int default_local_storage_class;

// Optimizer switches.
extern int global_optimize_flag;
extern int do_banking_optimizations;
extern int do_unreachable_code_removal;
extern int do_code_straightening;
extern int do_tail_merging;
extern int do_branch_optimizations;
extern int do_dead_code_removal;
extern int do_procedural_abstraction;
extern int procedural_abstraction_count;
extern int do_copy_propagation;
extern int do_redundant_store_elimination;
extern int do_wreg_tracking;

// Run control and debugging dumps.
extern int verbose;
extern int dump_version_only;
extern int preprocess_only;
extern int dump_preprocessor_cmd_line;
extern int show_pragma_config_help;
extern int debug_trans_flag;
extern int debug_code_gen_flag;
extern int emit_assembly_flag;
extern int dump_procedural_abstraction;
extern int dump_assembly_level_basic_blocks;

// The table that popt parses the command line with.  vexcc reads it too, to
// tell the compiler options that take a value from those that do not.
struct poptOption;
extern struct poptOption options_table[];

int cmd_init(int argc, const char **argv);
int cmd_parse_args();
void cmd_show_help();
void cmd_free();
