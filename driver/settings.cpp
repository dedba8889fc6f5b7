// The run-wide state: defaults of every setting, the file names and the
// current processor.  Option parsing and the driver fill it; every stage reads it.
#include "driver/driver.h"
#include "driver/options.h"
#include "target/procdb.h"

const char *_source_file_name;
const char *_object_file_name;
const char *_error_file_name;
const char *_cmdline_include_file_name;
char *includes[MAX_NUMBER_OF_INCLUDES];
unsigned num_includes;
char *command_line_defines[MAX_NUMBER_OF_DEFINES];
unsigned num_defines;
const char *DefaultIncludePath;
char *suppress_message_option;

int processor = DEFAULT_PROCESSOR;
int generic_processor_flag = 1;
int processor_specified_on_cmdline;
int memory_model;
int stack_multi_bank_flag;
int lfsr_valid;

int plain_char_signed_flag = 1;
int suppress_integer_promotion_flag = 1;
int standard_c_flag = 0;
int merge_duplicate_strings_flag = 1;
int default_local_storage_class = SC_AUTO;

int global_optimize_flag = 1;
int do_banking_optimizations = 1;
int do_unreachable_code_removal = 1;
int do_code_straightening = 1;
int do_tail_merging = 1;
int do_branch_optimizations = 1;
int do_dead_code_removal = 1;
int do_procedural_abstraction = 1;
int procedural_abstraction_count = 4;
int do_copy_propagation = 1;
int do_redundant_store_elimination = 1;
int do_wreg_tracking = 1;

int verbose;
int dump_version_only;
int preprocess_only;
int dump_preprocessor_cmd_line;
int show_pragma_config_help;
int debug_trans_flag;
int debug_code_gen_flag;
int emit_assembly_flag;
int dump_procedural_abstraction;
int dump_assembly_level_basic_blocks;

char pfile[MAX_PATH_LENGTH];
char sfile[MAX_PATH_LENGTH];
char efile[MAX_PATH_LENGTH];
char ofile[MAX_PATH_LENGTH];
char basefilename[MAX_PATH_LENGTH];
list *dependent_file_list;
FILE *yyin;

static int current_processor = DEFAULT_PROCESSOR;

void SetProcessor(int id) { current_processor = id; }
int GetProcessor() { return current_processor; }
const char *getObjectFileName() { return ofile; }
const char *getSourceFilePath() { return sfile; }
