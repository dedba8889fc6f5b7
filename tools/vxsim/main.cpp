// vxsim: runs a linked VxCORE program from its Intel HEX image.
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "target/procdb.h"
#include "tools/cli/cli.h"
#include "tools/ihex/ihex.h"
#include "tools/vxsim/sim_load.h"
#include "tools/vxsim/sim_map.h"
#include "tools/vxsim/sim_state.h"

namespace {

constexpr uint64_t DEFAULT_CYCLE_LIMIT = 1000000000;
constexpr unsigned MAX_PRINT_SIZE = 8;
constexpr unsigned MAX_DUMP_SIZE = 4096;

const char USAGE[] =
    "Usage: vxsim [options] PROG.hex\n"
    "Runs a linked VxCORE program until SLEEP or HALT.\n"
    "\n"
    "Options:\n"
    "  -p NAME                the device (default: the one the map names, else the\n"
    "                         generic VxCORE device)\n"
    "  -m FILE                the link map, for --print and --dump of symbols\n"
    "  --print SYMBOL[:SIZE]  print a variable (SIZE bytes, default 1) at the end;\n"
    "                         an address such as 0x20 may stand for the symbol\n"
    "  --dump SYMBOL:SIZE     print SIZE bytes (1 to 4096) from SYMBOL at the end,\n"
    "                         one line of hexadecimal bytes in address order\n"
    "  --cycles N             stop after N cycles (default 1000000000)\n"
    "  --irq CYCLE[:high|low] raise an interrupt request at CYCLE: high (the\n"
    "                         default) sets INT0IF, low sets RBIF; repeatable\n"
    "  --trace                print one line per executed instruction\n"
    "  --stats                print the cycle, instruction and interrupt counts\n"
    "                         at the end\n"
    "  --exit-status          exit with the program's status (the low byte of\n"
    "                         __exit_status, from the map) after SLEEP or HALT\n"
    "  -h, --help             print this help\n"
    "\n"
    "Bytes the program writes to TXREG go to standard output as they are written.\n"
    "\n"
    "Exit status: 0 after SLEEP or HALT (the program's status with\n"
    "--exit-status), 1 for bad usage, otherwise:\n";

// The symbol where the start-up code and exit() leave the program's status.
const char EXIT_STATUS_SYMBOL[] = "__exit_status";

// Why vxsim itself could not run a program to its end.  Plain runs keep the
// two coarse statuses that scripts already test for; with --exit-status any
// status of 0 to 255 may be the program's, so each failure gets its own,
// above those that programs commonly return.
enum sim_failure { FAIL_INPUT, FAIL_CYCLE_LIMIT, FAIL_INSTRUCTION, FAIL_STACK, FAIL_PROGRAM_COUNTER, FAILURE_KINDS };

struct failure_status {
    int plain;
    int with_exit_status;
    const char *what;
};

constexpr failure_status FAILURE_STATUS[] = {
    {1, 121, "an unreadable or unfit program, map or symbol"},
    {2, 122, "the cycle limit reached"},
    {2, 123, "an invalid or unsupported instruction word"},
    {2, 124, "a return stack overflow or underflow"},
    {2, 125, "a program counter outside program memory"},
};
static_assert(std::size(FAILURE_STATUS) == FAILURE_KINDS, "one status per failure, in enum order");

void s_print_usage()
{
    std::fputs(USAGE, stdout);
    for (const failure_status &failure : FAILURE_STATUS)
        std::printf("  %d (%d with --exit-status)  %s\n", failure.plain, failure.with_exit_status,
                    failure.what);
}

sim_failure s_stop_failure(sim_stop_reason stop)
{
    switch (stop) {
    case SIM_CYCLE_LIMIT:
        return FAIL_CYCLE_LIMIT;
    case SIM_STACK_OVERFLOW:
    case SIM_STACK_UNDERFLOW:
        return FAIL_STACK;
    case SIM_PC_OUT_OF_RANGE:
        return FAIL_PROGRAM_COUNTER;
    default:
        return FAIL_INSTRUCTION;
    }
}

struct print_request {
    const char *option = "--print";
    bool dump = false; // every byte on its own instead of one little-endian value
    std::string text;
    std::string name;
    unsigned size = 1;
    uint32_t address = 0;
    bool in_program_memory = false; // resolved against the map after parsing
};

struct sim_options {
    int processor = 0; // 0: the device of the map, else the generic one
    const char *map_file = nullptr;
    const char *program_file = nullptr;
    uint64_t cycle_limit = DEFAULT_CYCLE_LIMIT;
    bool trace = false;
    bool stats = false;
    bool exit_status = false;
    std::vector<print_request> prints;
    std::vector<sim_irq> irqs;
};

bool s_parse_number(const char *text, uint64_t *value)
{
    if (!text || !*text || *text == '-')
        return false;
    char *end = nullptr;
    errno = 0;
    unsigned long long parsed = std::strtoull(text, &end, 0);
    if (errno || *end)
        return false;
    *value = parsed;
    return true;
}

bool s_parse_print(const char *text, print_request *request)
{
    request->text = text;
    std::string spec = text;
    size_t colon = spec.rfind(':');
    request->size = 1;
    if (colon == std::string::npos && request->dump)
        return false;
    if (colon != std::string::npos) {
        uint64_t size = 0;
        unsigned limit = request->dump ? MAX_DUMP_SIZE : MAX_PRINT_SIZE;
        if (!s_parse_number(spec.c_str() + colon + 1, &size) || size < 1 || size > limit)
            return false;
        request->size = unsigned(size);
        spec.resize(colon);
    }
    request->name = spec;
    return !spec.empty();
}

bool s_parse_irq(const char *text, sim_irq *irq)
{
    if (!text)
        return false;
    std::string spec = text;
    irq->line = SIM_IRQ_HIGH;
    size_t colon = spec.find(':');
    if (colon != std::string::npos) {
        std::string line = spec.substr(colon + 1);
        if (line == "low")
            irq->line = SIM_IRQ_LOW;
        else if (line != "high")
            return false;
        spec.resize(colon);
    }
    return s_parse_number(spec.c_str(), &irq->cycle);
}

// Returns -1 to go on, otherwise the exit status.
int s_parse(int argc, char **argv, sim_options *options)
{
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = nullptr;
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            s_print_usage();
            return 0;
        } else if (std::strcmp(arg, "--trace") == 0) {
            options->trace = true;
        } else if (std::strcmp(arg, "--exit-status") == 0) {
            options->exit_status = true;
        } else if (std::strcmp(arg, "--stats") == 0) {
            options->stats = true;
        } else if (cli_option_value(argc, argv, &i, "-p", &value)) {
            if (!value)
                return cli_usage_error("vxsim", "option -p needs a device name");
            options->processor = DEFAULT_PROCESSOR;
            if (std::strcmp(value, "VxCORE") != 0) {
                int processor = 0;
                if (!convertDvsProcName(value, &processor) || getInstSet(processor) != _VxCORE)
                    return cli_usage_error("vxsim", std::string("unknown VxCORE device '") + value + "'");
                options->processor = processor;
            }
        } else if (cli_option_value(argc, argv, &i, "-m", &value)) {
            if (!value)
                return cli_usage_error("vxsim", "option -m needs a file name");
            options->map_file = value;
        } else if (cli_option_value(argc, argv, &i, "--print", &value)) {
            print_request request;
            if (!value || !s_parse_print(value, &request))
                return cli_usage_error("vxsim", std::string("--print needs SYMBOL[:SIZE] with SIZE 1 to 8, not '") +
                                     (value ? value : "") + "'");
            options->prints.push_back(request);
        } else if (cli_option_value(argc, argv, &i, "--dump", &value)) {
            print_request request;
            request.option = "--dump";
            request.dump = true;
            if (!value || !s_parse_print(value, &request))
                return cli_usage_error("vxsim", std::string("--dump needs SYMBOL:SIZE with SIZE 1 to 4096, not '") +
                                     (value ? value : "") + "'");
            options->prints.push_back(request);
        } else if (cli_option_value(argc, argv, &i, "--cycles", &value)) {
            if (!s_parse_number(value, &options->cycle_limit))
                return cli_usage_error("vxsim", std::string("--cycles needs a number, not '") +
                                     (value ? value : "") + "'");
        } else if (cli_option_value(argc, argv, &i, "--irq", &value)) {
            sim_irq irq;
            if (!s_parse_irq(value, &irq))
                return cli_usage_error("vxsim", std::string("--irq needs CYCLE[:high|low], not '") +
                                     (value ? value : "") + "'");
            options->irqs.push_back(irq);
        } else if (arg[0] == '-' && arg[1] != '\0') {
            return cli_usage_error("vxsim", std::string("unknown option '") + arg + "'");
        } else if (options->program_file) {
            return cli_usage_error("vxsim", "only one program file may be given");
        } else {
            options->program_file = arg;
        }
    }
    if (!options->program_file)
        return cli_usage_error("vxsim", "no program file given");
    if (options->exit_status && !options->map_file)
        return cli_usage_error("vxsim", "--exit-status needs the link map (-m FILE)");
    return -1;
}

bool s_resolve_prints(sim_options *options, const link_map &map, const sim_state &s)
{
    for (print_request &request : options->prints) {
        uint64_t number = 0;
        if (s_parse_number(request.name.c_str(), &number)) {
            request.address = uint32_t(number);
            request.in_program_memory = false;
        } else {
            if (!options->map_file) {
                std::fprintf(stderr, "vxsim: %s %s needs the link map (-m FILE)\n", request.option,
                             request.text.c_str());
                return false;
            }
            const map_symbol *symbol = map_find(map.symbols, request.name);
            if (!symbol) {
                std::fprintf(stderr, "vxsim: symbol '%s' is not in the map %s\n",
                             request.name.c_str(), options->map_file);
                return false;
            }
            request.address = symbol->address;
            request.in_program_memory = symbol->in_program_memory;
        }
        uint64_t limit = request.in_program_memory ? s.program.size() : DATA_MEMORY_SIZE;
        if (uint64_t(request.address) + request.size > limit) {
            std::fprintf(stderr, "vxsim: %s %s reaches beyond %s memory\n", request.option,
                         request.text.c_str(), request.in_program_memory ? "program" : "data");
            return false;
        }
    }
    return true;
}

void s_print_values(const sim_options &options, const sim_state &s)
{
    for (const print_request &request : options.prints) {
        if (request.dump) {
            std::printf("%s:", request.name.c_str());
            for (unsigned i = 0; i < request.size; i++) {
                uint32_t address = request.address + i;
                std::printf(" %02X", request.in_program_memory ? s.program[address] : s.data[address]);
            }
            std::printf("\n");
            continue;
        }
        uint64_t value = 0;
        for (unsigned i = request.size; i-- > 0;) {
            uint32_t address = request.address + i;
            uint8_t byte = request.in_program_memory ? s.program[address] : s.data[address];
            value = (value << 8) | byte;
        }
        std::printf("%s = 0x%0*" PRIX64 " (%" PRIu64 ")\n", request.name.c_str(),
                    int(request.size * 2), value, value);
    }
}

int s_fail(const sim_options &options, sim_failure failure)
{
    return options.exit_status ? FAILURE_STATUS[failure].with_exit_status : FAILURE_STATUS[failure].plain;
}

} // namespace

int main(int argc, char **argv)
{
    sim_options options;
    int status = s_parse(argc, argv, &options);
    if (status >= 0)
        return status;

    link_map map;
    std::string error;
    if (options.map_file && !map_read(options.map_file, &map, &error)) {
        std::fprintf(stderr, "vxsim: %s\n", error.c_str());
        return s_fail(options, FAIL_INPUT);
    }
    if (options.processor == 0 && !map.device.empty() &&
        (!convertDvsProcName(map.device.c_str(), &options.processor) ||
         getInstSet(options.processor) != _VxCORE)) {
        std::fprintf(stderr, "vxsim: the map %s names '%s', which is no VxCORE device\n",
                     options.map_file, map.device.c_str());
        return s_fail(options, FAIL_INPUT);
    }
    if (options.processor == 0)
        options.processor = DEFAULT_PROCESSOR;
    const map_symbol *exit_status = nullptr;
    if (options.exit_status) {
        exit_status = map_find(map.symbols, EXIT_STATUS_SYMBOL);
        if (!exit_status || exit_status->in_program_memory || exit_status->address + 1 >= DATA_MEMORY_SIZE) {
            std::fprintf(stderr, "vxsim: the map %s has no %s in data memory (is the runtime's start-up linked?)\n",
                         options.map_file, EXIT_STATUS_SYMBOL);
            return s_fail(options, FAIL_INPUT);
        }
    }

    hex_image image;
    if (!hex_read(options.program_file, &image, &error)) {
        std::fprintf(stderr, "vxsim: %s\n", error.c_str());
        return s_fail(options, FAIL_INPUT);
    }
    auto s = std::make_unique<sim_state>();
    sim_init(s.get(), getProgramLocations(options.processor));
    if (!sim_load_image(s.get(), image, &error)) {
        std::fprintf(stderr, "vxsim: %s: %s of %s\n", options.program_file, error.c_str(),
                     getDvsProcName(options.processor));
        return s_fail(options, FAIL_INPUT);
    }
    if (!s_resolve_prints(&options, map, *s))
        return s_fail(options, FAIL_INPUT);
    for (const sim_irq &irq : options.irqs)
        sim_request_interrupt(s.get(), irq.cycle, irq.line);
    s->transmit = stdout;

    sim_stop_reason stop = options.trace ? sim_run_traced(s.get(), options.cycle_limit, stdout)
                                         : sim_run(s.get(), options.cycle_limit);
    status = exit_status ? s->data[exit_status->address] : 0;
    if (stop == SIM_CYCLE_LIMIT) {
        std::fprintf(stderr, "vxsim: stopped at 0x%06X: cycle limit of %" PRIu64 " reached\n",
                     unsigned(s->stop_pc), options.cycle_limit);
        status = s_fail(options, FAIL_CYCLE_LIMIT);
    } else if (stop != SIM_SLEEP && stop != SIM_HALT) {
        std::fprintf(stderr, "vxsim: stopped at 0x%06X: %s\n", unsigned(s->stop_pc),
                     sim_stop_text(stop));
        status = s_fail(options, s_stop_failure(stop));
    }
    s_print_values(options, *s);
    if (options.stats)
        std::printf("cycles: %" PRIu64 "\ninstructions: %" PRIu64 "\ninterrupts: %" PRIu64 "\n",
                    s->cycles, s->instructions, s->interrupts);
    return status;
}
