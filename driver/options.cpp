// The command line: the option table handed to popt and the handling of the
// options that need more than storing a value.
#include "driver/options.h"

#include <popt.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "driver/diag.h"
#include "driver/driver.h"
#include "support/position.h"
#include "support/strutil.h"
#include "support/vxassert.h"
#include "target/procdb.h"
#include "translate/ranges.h"

namespace {

// Value codes of the options that cmd_parse_args handles itself.
enum option_code {
    OPT_HELP = 1,
    OPT_INCLUDE_DIR,
    OPT_OBJECT_FILE,
    OPT_ERROR_FILE,
    OPT_CMDLINE_INCLUDE,
    OPT_SMALL_MODEL,
    OPT_LARGE_MODEL,
    OPT_LOCALS_AUTO,
    OPT_LOCALS_STATIC,
    OPT_LOCALS_OVERLAY,
    OPT_LOCALS_NOT_STATIC,
    OPT_DATA_NEAR,
    OPT_DATA_FAR,
    OPT_PROCESSOR,
    OPT_EXTENDED,
    OPT_NO_EXTENDED,
    OPT_DEFINE,
    OPT_SUPPRESS,
    OPT_MESSAGE_LIST,
    OPT_MESSAGE_ALL,
    OPT_MESSAGE_HELP,
    OPT_BANKING_LEVEL0,
    OPT_BANKING_LEVEL1,
    OPT_BANKING_LEVEL2,
    OPT_BASIC_BLOCKS,
};

constexpr unsigned ONEDASH = POPT_ARGFLAG_ONEDASH;
constexpr unsigned HIDDEN = POPT_ARGFLAG_DOC_HIDDEN;

// One macro per kind of entry keeps every option of the table on one line.
#define VX_FLAG(longname, shortname, flags, variable, value, help)                                            \
    {longname, shortname, POPT_ARG_VAL | (flags), &(variable), value, help, nullptr}
#define VX_CODE(longname, shortname, flags, code, help)                                                       \
    {longname, shortname, POPT_ARG_NONE | (flags), nullptr, code, help, nullptr}
#define VX_STRING(longname, shortname, flags, code, help, argdesc)                                            \
    {longname, shortname, POPT_ARG_STRING | (flags), nullptr, code, help, argdesc}
#define VX_INT(longname, shortname, flags, variable, help, argdesc)                                           \
    {longname, shortname, POPT_ARG_INT | (flags), &(variable), 0, help, argdesc}

} // namespace

struct poptOption options_table[] = {
    VX_CODE("help", '?', 0, OPT_HELP, "this help screen"),
    VX_STRING(nullptr, 'I', 0, OPT_INCLUDE_DIR, "Add 'path' to include path", "<path>"),
    VX_STRING("fo", 0, ONEDASH, OPT_OBJECT_FILE, "Object file name", "<name>"),
    VX_STRING("fe", 0, ONEDASH, OPT_ERROR_FILE, "Error file name", "<name>"),
    VX_STRING("inc", 'z', 0, OPT_CMDLINE_INCLUDE, "Commandline include file name", "<name>"),
    VX_FLAG(nullptr, 'k', 0, plain_char_signed_flag, 0, "Set plain char type to unsigned char"),
    VX_FLAG("ls", 0, ONEDASH, stack_multi_bank_flag, 1, "Large stack (can span multiple banks)"),
    VX_CODE("ms", 0, ONEDASH, OPT_SMALL_MODEL, "Set compiler memory model to small model (default)"),
    VX_CODE("ml", 0, ONEDASH, OPT_LARGE_MODEL, "Set compiler memory model to large model"),
    VX_FLAG("O+", 'O', ONEDASH, global_optimize_flag, 1, "Enable all optimizations (default)"),
    VX_FLAG("O-", 0, ONEDASH, global_optimize_flag, 0, "Disable all optimizations"),
    VX_FLAG("Oi+", 0, ONEDASH, suppress_integer_promotion_flag, 0, "Enable integer promotion"),
    VX_FLAG("Oi-", 0, ONEDASH, suppress_integer_promotion_flag, 1, "Disable integer promotion (default)"),
    VX_FLAG("Om+", 0, ONEDASH, merge_duplicate_strings_flag, 1, "Enable duplicate string merging (default)"),
    VX_FLAG("Om-", 0, ONEDASH, merge_duplicate_strings_flag, 0, "Disable duplicate string merging"),
    VX_FLAG("On+", 0, ONEDASH, do_banking_optimizations, 1, "Enable banking optimizer (default)"),
    VX_FLAG("On-", 0, ONEDASH, do_banking_optimizations, 0, "Disable banking optimizer"),
    VX_FLAG("Ou+", 0, ONEDASH, do_unreachable_code_removal, 1, "Enable unreachable code removal (default)"),
    VX_FLAG("Ou-", 0, ONEDASH, do_unreachable_code_removal, 0, "Disable unreachable code removal"),
    VX_FLAG("Os+", 0, ONEDASH, do_code_straightening, 1, "Enable code straightening (default)"),
    VX_FLAG("Os-", 0, ONEDASH, do_code_straightening, 0, "Disable code straightening"),
    VX_FLAG("Ot+", 0, ONEDASH, do_tail_merging, 1, "Enable tail merging (default)"),
    VX_FLAG("Ot-", 0, ONEDASH, do_tail_merging, 0, "Disable tail merging"),
    VX_FLAG("Ob+", 0, ONEDASH, do_branch_optimizations, 1, "Enable branch optimizations (default)"),
    VX_FLAG("Ob-", 0, ONEDASH, do_branch_optimizations, 0, "Disable branch optimizations"),
    VX_CODE("sca", 0, ONEDASH, OPT_LOCALS_AUTO, "Enable default auto locals (default)"),
    VX_CODE("scs", 0, ONEDASH, OPT_LOCALS_STATIC, "Enable default static locals"),
    VX_CODE("sco", 0, ONEDASH, OPT_LOCALS_OVERLAY,
            "Enable default overlay locals (statically allocate activation records)"),
    VX_FLAG("Od+", 0, ONEDASH, do_dead_code_removal, 1, "Enable dead code removal (default)"),
    VX_FLAG("Od-", 0, ONEDASH, do_dead_code_removal, 0, "Disable dead code removal"),
    VX_FLAG("Opa+", 0, ONEDASH, do_procedural_abstraction, 1, "Enable procedural abstraction (default)"),
    VX_FLAG("Opa-", 0, ONEDASH, do_procedural_abstraction, 0, "Disable procedural abstraction"),
    VX_INT("pa", 0, ONEDASH, procedural_abstraction_count, "Set procedural abstraction repeat count (default = 4)",
           "<repeat count>"),
    VX_FLAG("Op+", 0, ONEDASH, do_copy_propagation, 1, "Enable copy propagation (default)"),
    VX_FLAG("Op-", 0, ONEDASH, do_copy_propagation, 0, "Disable copy propagation"),
    VX_FLAG("Or+", 0, ONEDASH, do_redundant_store_elimination, 1, "Enable redundant store elimination (default)"),
    VX_FLAG("Or-", 0, ONEDASH, do_redundant_store_elimination, 0, "Disable redundant store elimination"),
    VX_CODE("Oa+", 0, ONEDASH, OPT_DATA_NEAR, "Enable default data in access memory"),
    VX_CODE("Oa-", 0, ONEDASH, OPT_DATA_FAR, "Disable default data in access memory (default)"),
    VX_FLAG("Ow+", 0, ONEDASH, do_wreg_tracking, 1, "Enable WREG tracking (default)"),
    VX_FLAG("Ow-", 0, ONEDASH, do_wreg_tracking, 0, "Disable WREG tracking"),
    VX_STRING(nullptr, 'p', 0, OPT_PROCESSOR, "Set processor (default is generic)", "<processor>"),
    VX_FLAG("standard-c", 0, 0, standard_c_flag, 1,
            "Standard C: integer promotion, string literals used as data pointers in data memory"),
    VX_CODE("extended", 0, 0, OPT_EXTENDED, "generate extended mode code"),
    VX_CODE("no-extended", 0, 0, OPT_NO_EXTENDED, "generate non-extended mode code"),
    // The backspace pulls the argument up against "-D" in the help output.
    VX_STRING(nullptr, 'D', 0, OPT_DEFINE, "  Define a macro", "\b<macro>[=text]"),
    VX_INT(nullptr, 'w', 0, error_level, "Set warning level (default = 2)", "{ 1 | 2 | 3 }"),
    VX_STRING("nw", 0, ONEDASH, OPT_SUPPRESS, "Suppress message <n>", "<n>"),
    VX_FLAG("verbose", 0, ONEDASH, verbose, 1, "Operate verbosely (show banner and other information)"),
    VX_CODE("help-message-list", 0, 0, OPT_MESSAGE_LIST, "Display a list of all diagnostic messages"),
    VX_CODE("help-message-all", 0, 0, OPT_MESSAGE_ALL, "Display help for all diagnostic messages"),
    VX_STRING("help-message", 0, 0, OPT_MESSAGE_HELP, "Display help on diagnostic number <n>", "<n>"),
    VX_FLAG("help-config", 0, 0, show_pragma_config_help, 1,
            "Display the configuration settings available for the device selected on the command line"),
    VX_FLAG(nullptr, 'v', 0, dump_version_only, 1, "Display version and exit"),

    VX_FLAG(nullptr, 'l', HIDDEN, debug_trans_flag, 1, "Debug translator"),
    VX_FLAG("bs", 0, ONEDASH | HIDDEN, stack_multi_bank_flag, 1, "Large stack (can span multiple banks)"),
    VX_FLAG("lfsr", 0, ONEDASH | HIDDEN, lfsr_valid, 1, "Enable LFSR code generation"),
    VX_FLAG(nullptr, 'x', HIDDEN, debug_code_gen_flag, 1, "Dump code generator trees"),
    VX_FLAG(nullptr, 's', HIDDEN, emit_assembly_flag, 1, "Generate assembly source"),
    VX_FLAG("Oi", 0, ONEDASH | HIDDEN, suppress_integer_promotion_flag, 0, "Enable integer promotion"),
    VX_FLAG("Om", 0, ONEDASH | HIDDEN, merge_duplicate_strings_flag, 1, "Enable duplicate string merging (default)"),
    VX_FLAG("On", 0, ONEDASH | HIDDEN, do_banking_optimizations, 1, "Enable banking optimizer (default)"),
    VX_CODE("On0", 0, ONEDASH | HIDDEN, OPT_BANKING_LEVEL0, "Set banking optimizer level"),
    VX_CODE("On1", 0, ONEDASH | HIDDEN, OPT_BANKING_LEVEL1, "Set banking optimizer level"),
    VX_CODE("On2", 0, ONEDASH | HIDDEN, OPT_BANKING_LEVEL2, "Set banking optimizer level (default)"),
    VX_FLAG("Ou", 0, ONEDASH | HIDDEN, do_unreachable_code_removal, 1, "Enable unreachable code removal (default)"),
    VX_FLAG("Os", 0, ONEDASH | HIDDEN, do_code_straightening, 1, "Enable code straightening (default)"),
    VX_FLAG("Ot", 0, ONEDASH | HIDDEN, do_tail_merging, 1, "Enable tail merging (default)"),
    VX_FLAG("Ob", 0, ONEDASH | HIDDEN, do_branch_optimizations, 1, "Enable branch optimizations (default)"),
    VX_CODE("Ol", 0, ONEDASH | HIDDEN, OPT_LOCALS_STATIC, "Enable default static locals"),
    VX_CODE("Ol+", 0, ONEDASH | HIDDEN, OPT_LOCALS_STATIC, "Enable default static locals"),
    VX_CODE("Ol-", 0, ONEDASH | HIDDEN, OPT_LOCALS_NOT_STATIC, "Disable default static locals (default)"),
    VX_FLAG("Od", 0, ONEDASH | HIDDEN, do_dead_code_removal, 1, "Enable dead code removal"),
    VX_FLAG("Opa", 0, ONEDASH | HIDDEN, do_procedural_abstraction, 1, "Enable procedural abstraction"),
    VX_FLAG("topa", 0, ONEDASH | HIDDEN, dump_procedural_abstraction, 1, "Dump procedural abstraction information"),
    VX_FLAG("Op", 0, ONEDASH | HIDDEN, do_copy_propagation, 1, "Enable copy propagation"),
    VX_FLAG("Or", 0, ONEDASH | HIDDEN, do_redundant_store_elimination, 1, "Enable redundant store elimination"),
    VX_CODE("Oa", 0, ONEDASH | HIDDEN, OPT_DATA_NEAR, "Enable default data in access memory"),
    VX_FLAG("Ow", 0, ONEDASH | HIDDEN, do_wreg_tracking, 1, "Enable WREG tracking (default)"),
    VX_FLAG(nullptr, 'E', HIDDEN, preprocess_only, 1, "Stop after preprocessing"),
    VX_CODE("tob", 0, ONEDASH | HIDDEN, OPT_BASIC_BLOCKS, "Dump basic blocks"),
    VX_FLAG("tp", 0, ONEDASH | HIDDEN, dump_preprocessor_cmd_line, 1, "Dump the pre-processor command line"),
    VX_CODE(nullptr, 'h', HIDDEN, OPT_HELP, "this help screen"),
    POPT_TABLEEND,
};

#undef VX_FLAG
#undef VX_CODE
#undef VX_STRING
#undef VX_INT

static poptContext s_option_context;

// The option-argument buffers of the driver hold a name and its terminator.
static bool s_fits_path_buffer(const char *name)
{
    if (strlen(name) < MAX_PATH_LENGTH)
        return true;
    printf("Error: file name '%s' is too long\n", name);
    return false;
}

static void s_report(const char *option, const char *text) { printf("%s:  %s\n", option, text); }

// Reads a C integer constant (decimal, 0x hexadecimal or leading-0 octal).
// Returns 0 on success, else the popt error code that describes the text.
// Message numbers are 32-bit, so a larger number would name another one.
static int s_parse_number(const char *text, long *value)
{
    char *end;
    errno = 0;
    *value = strtol(text, &end, 0);
    if (end == text || *end != '\0')
        return POPT_ERROR_BADNUMBER;
    if (errno == ERANGE || *value > static_cast<long>(UINT32_MAX))
        return POPT_ERROR_OVERFLOW;
    return 0;
}

// Every route into the local storage class reads the class chosen so far,
// because overlay outranks static and static outranks auto.
static void s_select_local_storage_class(int requested)
{
    static const char *const static_overlay =
        "Warning: conflicting local storage classes of 'static' and 'overlay' specified; will use 'overlay'";
    int current = default_local_storage_class;
    switch (requested) {
    case OPT_LOCALS_OVERLAY:
        if (current == SC_STATIC)
            puts(static_overlay);
        default_local_storage_class = SC_OVERLAY;
        break;
    case OPT_LOCALS_STATIC:
        if (current == SC_OVERLAY)
            puts(static_overlay);
        else
            default_local_storage_class = SC_STATIC;
        break;
    case OPT_LOCALS_AUTO:
        if (current == SC_OVERLAY)
            puts("Warning: conflicting local storage classes of 'overlay' and 'auto' specified; will use 'overlay'");
        else if (current == SC_STATIC)
            puts("Warning: conflicting local storage classes of 'static' and 'auto' specified; will use 'static'");
        break;
    case OPT_LOCALS_NOT_STATIC:
        if (current == SC_STATIC)
            default_local_storage_class = SC_AUTO;
        break;
    }
}

// Returns 0 when the name was accepted, the generic name included.
static int s_select_processor(char *argument)
{
    const char *name = strstrip(argument);
    processor_specified_on_cmdline = 1;
    int id;
    if (convertDvsProcName(name, &id)) {
        processor = id;
        generic_processor_flag = 0;
        return 0;
    }
    if (strcasecmp(name, "VxCORE") == 0)
        return 0;
    printf("Unknown processor '%s'\n", name);
    generic_processor_flag = 0;
    return 1;
}

static void s_suppress(const char *argument)
{
    long number;
    int rc = s_parse_number(argument, &number);
    if (rc != 0) {
        s_report("-nw", poptStrerror(rc));
        return;
    }
    if (number < 2000) {
        s_report("-nw", "error messages cannot be suppressed\n");
        return;
    }
    char word[48];
    snprintf(word, sizeof word, "--suppress-message=%ld ", number);
    suppress_message_option = strcatdyn(suppress_message_option, word);
    suppress_message(static_cast<unsigned>(number));
}

// Returns 1 when the help was shown, 0 when the number was refused.
static int s_show_message_help(const char *argument)
{
    long number;
    int rc = s_parse_number(argument, &number);
    if (rc == 0 && number < 0)
        rc = POPT_ERROR_OVERFLOW;
    if (rc != 0) {
        s_report("--help-message", poptStrerror(rc));
        return 0;
    }
    show_message_help(static_cast<unsigned>(number));
    return 1;
}

// Takes ownership of `argument`, which popt allocated.
static void s_replace_name(const char **name, char *argument)
{
    free(const_cast<char *>(*name));
    *name = argument;
}

int cmd_init(int argc, const char **argv)
{
    s_option_context = poptGetContext("vexc", argc, argv, options_table, 0);
    if (s_option_context)
        poptSetOtherOptionHelp(s_option_context, "[options] file [options]");
    return s_option_context != nullptr;
}

// A help text ends the run successfully, unless the command line has
// already been reported wrong: the status must still say so.
static int s_after_help(int result) { return result == 0 ? 0 : -1; }

// Handles one option that popt returned by its value code.  Returns the
// new result of cmd_parse_args given the result so far.
static int s_handle_option(int code, int result)
{
    char *argument = poptGetOptArg(s_option_context);
    switch (code) {
    case OPT_HELP:
        cmd_show_help();
        result = s_after_help(result);
        break;
    case OPT_INCLUDE_DIR:
        VX_ASSERT(num_includes < MAX_NUMBER_OF_INCLUDES);
        includes[num_includes++] = quote_argument(argument);
        break;
    case OPT_DEFINE:
        VX_ASSERT(num_defines < MAX_NUMBER_OF_DEFINES);
        command_line_defines[num_defines++] = argument;
        argument = nullptr;
        break;
    case OPT_OBJECT_FILE:
    case OPT_ERROR_FILE:
    case OPT_CMDLINE_INCLUDE:
        if (!s_fits_path_buffer(argument)) {
            result = 0;
            break;
        }
        s_replace_name(code == OPT_OBJECT_FILE  ? &_object_file_name
                       : code == OPT_ERROR_FILE ? &_error_file_name
                                                : &_cmdline_include_file_name,
                       argument);
        argument = nullptr;
        break;
    case OPT_PROCESSOR:
        if (s_select_processor(argument))
            result = 0;
        break;
    case OPT_SMALL_MODEL:
        set_default_range(MEMORY_ROM, RANGE_NEAR);
        memory_model = 0;
        break;
    case OPT_LARGE_MODEL:
        set_default_range(MEMORY_ROM, RANGE_FAR);
        memory_model = 3;
        break;
    case OPT_DATA_NEAR:
        set_default_range(MEMORY_RAM, RANGE_NEAR);
        break;
    case OPT_DATA_FAR:
        set_default_range(MEMORY_RAM, RANGE_FAR);
        break;
    case OPT_LOCALS_AUTO:
    case OPT_LOCALS_STATIC:
    case OPT_LOCALS_OVERLAY:
    case OPT_LOCALS_NOT_STATIC:
        s_select_local_storage_class(code);
        break;
    case OPT_SUPPRESS:
        s_suppress(argument);
        break;
    case OPT_MESSAGE_LIST:
        show_message_list();
        result = s_after_help(result);
        break;
    case OPT_MESSAGE_ALL:
        show_message_help(0);
        result = s_after_help(result);
        break;
    case OPT_MESSAGE_HELP:
        result = s_show_message_help(argument) ? s_after_help(result) : 0;
        break;
    case OPT_BASIC_BLOCKS:
        dump_assembly_level_basic_blocks = 1;
        break;
    case OPT_BANKING_LEVEL0:
        s_report("-On0", "Option has been deprecated.  Please use -On-.");
        do_banking_optimizations = 0;
        break;
    case OPT_BANKING_LEVEL1:
    case OPT_BANKING_LEVEL2:
        s_report(code == OPT_BANKING_LEVEL1 ? "-On1" : "-On2", "Option has been deprecated.  Please use -On+.");
        do_banking_optimizations = 1;
        break;
    case OPT_EXTENDED:
        printf("Fatal [103] --extended cannot be specified to the non-extended mode compiler\n");
        result = 0;
        break;
    case OPT_NO_EXTENDED:
        break;
    }
    free(argument);
    return result;
}

int cmd_parse_args()
{
    int result = 1;
    int code;
    while ((code = poptGetNextOpt(s_option_context)) != -1) {
        if (code < 0) {
            s_report(poptBadOption(s_option_context, POPT_BADOPTION_NOALIAS), poptStrerror(code));
            result = 0;
            continue;
        }
        result = s_handle_option(code, result);
    }

    if (error_level < 1 || error_level > 3) {
        printf("Warning level must be 1, 2, or 3\n");
        result = 0;
    } else if (procedural_abstraction_count < 0) {
        printf("Procedural abstraction repeat count must be greater than 0\n");
        result = 0;
    } else if (procedural_abstraction_count == 0) {
        printf("-pa=0 specified; disabling procedural abstraction\n");
        do_procedural_abstraction = 0;
    }

    if (standard_c_flag)
        suppress_integer_promotion_flag = 0;

    _source_file_name = poptGetArg(s_option_context);
    // One run compiles one file; a second name would otherwise be dropped
    // without a word.
    for (const char *extra; (extra = poptGetArg(s_option_context)) != nullptr; result = 0)
        printf("Error: only one source file can be compiled; '%s' is extra\n", extra);
    return result;
}

void cmd_show_help() { poptPrintHelp(s_option_context, stdout, 0); }

void cmd_free()
{
    for (unsigned i = 0; i < num_includes; ++i)
        free(includes[i]);
    num_includes = 0;
    for (unsigned i = 0; i < num_defines; ++i)
        free(command_line_defines[i]);
    num_defines = 0;
    s_replace_name(&_object_file_name, nullptr);
    s_replace_name(&_error_file_name, nullptr);
    s_replace_name(&_cmdline_include_file_name, nullptr);
    free(suppress_message_option);
    suppress_message_option = nullptr;
    _source_file_name = nullptr;
    if (s_option_context)
        s_option_context = poptFreeContext(s_option_context);
}
