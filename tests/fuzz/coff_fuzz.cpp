// libFuzzer target: any byte string given to the object reader must be
// refused or read without touching memory outside it, and whatever it
// reads must survive the dump, the line-pointer fix-up, re-encoding and
// disassembly.
#include <cstdint>
#include <cstdio>
#include <vector>
#include "object/coff.h"
#include "target/instset.h"
#include "target/procdb.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // The reader reports on standard output; the fuzzer's own output is on stderr.
    if (!freopen("/dev/null", "w", stdout))
        return 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    coff_file *image = coff_read_memory("fuzz.o", data, size);
    if (!image)
        return 0;
    coff_print(image);
    coff_fixupAuxFcns(image);
    std::vector<uint8_t> bytes = coff_serialize(image);
    coff_free(coff_read_memory("again.o", bytes.data(), bytes.size()));
    for (const coff_section &section : image->sections) {
        if (getScnType(&section.header) != SCN_TYPE_CODE)
            continue;
        for (size_t at = 0; at + 1 < section.data.size(); at += 2) {
            uint16_t word = static_cast<uint16_t>(section.data[at] | section.data[at + 1] << 8);
            uint16_t next = at + 3 < section.data.size()
                                ? static_cast<uint16_t>(section.data[at + 2] | section.data[at + 3] << 8)
                                : 0;
            int used = 0;
            if (isOpcodeValid(word, _VxCORE, 1))
                disasm(section.header.s_paddr + at, word, next, &used, _VxCORE, 1);
        }
    }
    coff_free(image);
    return 0;
}
