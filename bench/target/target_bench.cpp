// Times instruction encoding and decoding, and writing and reading back a
// large object.  Writing the object must stay under half a second.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "object/coff.h"
#include "target/instset.h"
#include "target/procdb.h"

namespace {

using clock_type = std::chrono::steady_clock;

double seconds_since(clock_type::time_point start) {
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

constexpr unsigned WORDS = 4000000;
constexpr unsigned RELOCATIONS = 100000;
constexpr unsigned SYMBOLS = 50000;
constexpr unsigned RELOCATIONS_PER_SECTION = 50000;

// A spread of one- to three-operand types, two-word and branch forms among them.
const unsigned mix[] = {IT_MOVLW, IT_ADDWF, IT_BCF, IT_MOVWF, IT_BRA, IT_BNZ, IT_CALL, IT_MOVFF,
                        IT_LFSR, IT_RETURN, IT_DECFSZ, IT_CPFSEQ, IT_NOP, IT_RCALL, IT_XORLW, IT_BTFSS};

coff_file *large_object(const char *path) {
    coff_file *image = coff_create();
    image->filename = path;
    image->opthdr = {0, COFF_VERSION_STAMP, 0x8120, 8, 8};
    std::string name;
    for (unsigned s = 0; s < RELOCATIONS / RELOCATIONS_PER_SECTION; ++s) {
        coff_section *code = coff_add_section(image);
        coff_set_section_name(image, &code->header, (".code_" + std::to_string(s)).c_str());
        set_scn_flags(&code->header, SCN_TYPE_CODE, 0, 0, 0, 0);
        for (unsigned i = 0; i < RELOCATIONS_PER_SECTION; ++i) {
            coff_add_word(code, 0xEC00);
            code->relocs.push_back({2 * i, i % SYMBOLS, 0, RELOC_CALL});
            code->linenos.push_back({0, static_cast<uint16_t>(i), 2 * i, 0, 0});
        }
        code->header.s_size = static_cast<uint32_t>(code->data.size());
    }
    for (unsigned i = 0; i < SYMBOLS; ++i) {
        coff_syment &s = image->symbols[coff_add_symbol(image)].sym;
        name = (i % 2 ? "_function_number_" : "v") + std::to_string(i);
        coff_set_symbol_name(image, &s, name.c_str());
        s.n_value = 2 * i;
        s.n_scnum = 1;
        s.n_sclass = C_EXT;
    }
    return image;
}

} // namespace

int main() {
    std::vector<uint16_t> words(WORDS);
    auto start = clock_type::now();
    for (unsigned i = 0; i < WORDS; ++i) {
        uint16_t word = 0;
        setInstType(&word, mix[i % std::size(mix)], _VxCORE);
        setOperandOne(&word, i, _VxCORE);
        setOperandTwo(&word, i >> 3, _VxCORE);
        setOperandThree(&word, i >> 5, _VxCORE);
        words[i] = word;
    }
    double encode = seconds_since(start);

    start = clock_type::now();
    unsigned long checksum = 0;
    for (uint16_t word : words)
        checksum += getInstType(word, _VxCORE) + getOperandOne(word, _VxCORE) + getOperandTwo(word, _VxCORE);
    double decode = seconds_since(start);
    printf("encode %u words: %.3f s (%.1f ns/word)\n", WORDS, encode, 1e9 * encode / WORDS);
    printf("decode %u words: %.3f s (%.1f ns/word, checksum %lu)\n", WORDS, decode, 1e9 * decode / WORDS, checksum);

    const char *path = "target_bench.o";
    coff_file *image = large_object(path);
    start = clock_type::now();
    coff_preWrite(image);
    int written = coff_write(image);
    double write = seconds_since(start);
    if (!written) {
        fprintf(stderr, "target_bench: could not write %s\n", path);
        return 1;
    }
    start = clock_type::now();
    coff_file *back = coff_read(path);
    double read = seconds_since(start);
    if (!back || back->symbols.size() != SYMBOLS) {
        fprintf(stderr, "target_bench: could not read %s back\n", path);
        return 1;
    }
    printf("write object (%u relocations, %u symbols): %.3f s (target under 0.5 s: %s)\n", RELOCATIONS, SYMBOLS, write,
           write < 0.5 ? "met" : "MISSED");
    printf("read object back: %.3f s\n", read);
    coff_free(back);
    coff_free(image);
    remove(path);
    return write < 0.5 ? 0 : 1;
}
