#include "target/procdb.h"

#include "support/vxassert.h"
#include "target/device_table.h"

#include <bit>
#include <cctype>

namespace {

struct family_constants {
    unsigned rom_width;
    unsigned ram_width;
    unsigned locations_per_page;
    unsigned locations_per_bank;
    unsigned max_rom_addr;
    unsigned max_ram_addr;
};

// Indexed by instruction set - 1.  VxCORE program memory is byte-addressed,
// so one page spans the whole program space.
const family_constants family_table[] = {
    {14, 8, 2048, 128, 8191, 511},          // _TwCORE
    {16, 8, 8192, 256, 65535, 4095},        // _SyCORE
    {12, 8, 512, 32, 2047, 127},            // _BaCORE
    {8, 8, 0x200000, 256, 0x1FFFFF, 4095},  // _VxCORE
};

// The default arguments name the line of the query that was called.
const device_record &s_device(int processor, unsigned caller_line = __builtin_LINE())
{
    if (processor < 1 || processor > NUMBER_OF_PROCESSORS)
        _assert("processor >= 1 && processor <= NUMBER_OF_PROCESSORS", "mgproc", caller_line);
    return device_table[processor - 1];
}

const family_constants &s_family_of(int processor, unsigned caller_line = __builtin_LINE())
{
    return family_table[s_device(processor, caller_line).family - 1];
}

bool s_same_name(const char *given, const char *stored)
{
    for (; *given && *stored; ++given, ++stored)
        if (std::toupper(static_cast<unsigned char>(*given)) != std::toupper(static_cast<unsigned char>(*stored)))
            return false;
    return *given == *stored;
}

} // namespace

const char *getDvsProcName(int processor) { return s_device(processor).name; }

int convertDvsProcName(const char *name, int *processor)
{
    if (!name)
        return 0;
    for (int number = 1; number <= NUMBER_OF_PROCESSORS; ++number)
        if (s_same_name(name, device_table[number - 1].name)) {
            *processor = number;
            return 1;
        }
    return 0;
}

int getInstSet(int processor) { return s_device(processor).family; }

unsigned getDvsProcType(int processor) { return s_device(processor).proc_type; }

int convertDvsProcType(unsigned proc_type)
{
    for (int number = 1; number <= NUMBER_OF_PROCESSORS; ++number)
        if (device_table[number - 1].proc_type == proc_type)
            return number;
    return 0;
}

int isDvsProcTypeSupported(int, unsigned proc_type) { return convertDvsProcType(proc_type) != 0; }

unsigned getRomWidth(int processor) { return s_family_of(processor).rom_width; }

unsigned getRamWidth(int processor) { return s_family_of(processor).ram_width; }

unsigned getNumberOfPages(int processor) { return s_device(processor).pages; }

unsigned getProgramLocations(int processor) { return s_device(processor).program_locations; }

unsigned getLocationsPerPage(int processor) { return s_family_of(processor).locations_per_page; }

unsigned getNumberOfBanks(int processor) { return s_device(processor).banks; }

unsigned getDataLocations(int processor) { return s_device(processor).data_locations; }

unsigned getLocationsPerBank(int processor) { return s_family_of(processor).locations_per_bank; }

unsigned getMaxROMAddr(int processor) { return s_family_of(processor).max_rom_addr; }

unsigned getMaxRAMAddr(int processor) { return s_family_of(processor).max_ram_addr; }

unsigned getDataBankNumber(int processor, unsigned address)
{
    return address >> std::countr_zero(s_family_of(processor).locations_per_bank);
}

unsigned getDataBankOffset(int processor, unsigned address)
{
    return address & (s_family_of(processor).locations_per_bank - 1);
}

int isGpr(int, int processor, unsigned address)
{
    const device_record &device = s_device(processor);
    if (device.family == _VxCORE)
        return 1;
    return getDataBankOffset(processor, address) > device.gpr_threshold;
}

int supports_extended_mode(int processor) { return s_device(processor).extended_mode; }
