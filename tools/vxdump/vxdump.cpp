// vxdump: prints an object file's headers, sections, symbols and strings,
// then a disassembly of every code section with its symbols, labels and
// the relocations that patch each word.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include "object/coff.h"
#include "target/instset.h"
#include "target/procdb.h"

namespace {

const char help_text[] =
    "Usage: vxdump [options] FILE.o\n"
    "Prints the headers, sections, relocations, line numbers, symbols and strings\n"
    "of a Lumex Tarn object file, then disassembles every code section.\n"
    "\n"
    "Options:\n"
    "  -x, --extended   disassemble with the extended instruction set\n"
    "  -h, --help       show this help and exit\n";

const char *reloc_name(unsigned type) {
    switch (type) {
    case RELOC_CALL: return "RELOC_CALL";
    case RELOC_GOTO: return "RELOC_GOTO";
    case RELOC_HIGH: return "RELOC_HIGH";
    case RELOC_LOW: return "RELOC_LOW";
    case RELOC_FILE: return "RELOC_FILE";
    case RELOC_MOVLB: return "RELOC_MOVLB";
    case RELOC_WORD2_ADDR: return "RELOC_WORD2_ADDR";
    case RELOC_MOVFF_SRC: return "RELOC_MOVFF_SRC";
    case RELOC_MOVFF_DST: return "RELOC_MOVFF_DST";
    case RELOC_LFSR_HIGH: return "RELOC_LFSR_HIGH";
    case RELOC_LFSR_LOW: return "RELOC_LFSR_LOW";
    case RELOC_BRA: return "RELOC_BRA";
    case RELOC_CONDBRA: return "RELOC_CONDBRA";
    case RELOC_UPPER: return "RELOC_UPPER";
    case RELOC_SCNSIZE_LOW: return "RELOC_SCNSIZE_LOW";
    case RELOC_SCNSIZE_HIGH: return "RELOC_SCNSIZE_HIGH";
    case RELOC_SCNSIZE_UPPER: return "RELOC_SCNSIZE_UPPER";
    case RELOC_SCNEND_LOW: return "RELOC_SCNEND_LOW";
    case RELOC_SCNEND_HIGH: return "RELOC_SCNEND_HIGH";
    case RELOC_SCNEND_UPPER: return "RELOC_SCNEND_UPPER";
    case RELOC_SCNEND_LFSR_HIGH: return "RELOC_SCNEND_LFSR_HIGH";
    case RELOC_SCNEND_LFSR_LOW: return "RELOC_SCNEND_LFSR_LOW";
    default: return nullptr;
    }
}

std::string symbol_name(const coff_file *image, uint32_t index) {
    if (index >= image->symbols.size())
        return "<symbol " + std::to_string(index) + " out of range>";
    std::string name = coff_symbol_name(image, &image->symbols[index].sym);
    return name.empty() ? "<symbol " + std::to_string(index) + ">" : name;
}

std::string relocation_text(const coff_file *image, const coff_reloc &r) {
    std::string text = "; ";
    const char *name = reloc_name(r.r_type);
    text += name ? name : "reloc type " + std::to_string(r.r_type);
    text += " " + symbol_name(image, r.r_symndx);
    if (r.r_offset > 0)
        text += "+" + std::to_string(r.r_offset);
    else if (r.r_offset < 0)
        text += std::to_string(r.r_offset);
    return text;
}

// The symbols that name a place in a section: functions, variables, labels.
bool labels_code(const coff_syment &s) {
    return s.n_sclass == C_EXT || s.n_sclass == C_STAT || s.n_sclass == C_LABEL;
}

// Objects name their processor; an unknown one is read as the target family.
int instruction_set_of(const coff_file *image) {
    int processor = convertDvsProcType(image->opthdr.proc_type);
    return processor ? getInstSet(processor) : _VxCORE;
}

void disassemble(const coff_file *image, unsigned number, int inst_set, int extended) {
    const coff_section &section = image->sections[number - 1];
    const std::vector<uint8_t> &data = section.data;
    unsigned long base = section.header.s_paddr;
    printf("\nDisassembly of section '%s':\n", coff_section_name(image, &section.header).c_str());

    std::multimap<unsigned long, std::string> labels;
    for (size_t i = 0; i < image->symbols.size(); ++i) {
        const coff_syment &s = image->symbols[i].sym;
        if (s.n_scnum == static_cast<int>(number) && labels_code(s))
            labels.emplace(s.n_value, coff_symbol_name(image, &s));
        i += static_cast<uint8_t>(s.n_numaux);
    }
    std::multimap<unsigned long, const coff_reloc *> relocs;
    for (const coff_reloc &r : section.relocs)
        relocs.emplace(r.r_vaddr, &r);

    auto word_at = [&](size_t offset) -> uint16_t {
        return offset + 1 < data.size() ? static_cast<uint16_t>(data[offset] | data[offset + 1] << 8) : 0;
    };
    auto print_line = [&](size_t offset, const char *word, const char *text) {
        auto [first, last] = labels.equal_range(base + offset);
        for (auto it = first; it != last; ++it)
            printf("%s:\n", it->second.c_str());
        std::string line = hexPrint(base + offset, 3) + "  " + word + "  " + text;
        auto [rfirst, rlast] = relocs.equal_range(offset);
        for (auto it = rfirst; it != rlast; ++it) {
            if (line.size() < 44)
                line.resize(44, ' ');
            else
                line += ' ';
            line += relocation_text(image, *it->second);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        printf("%s\n", line.c_str());
    };

    size_t offset = 0;
    while (offset + 1 < data.size()) {
        uint16_t word = word_at(offset);
        char word_text[8];
        snprintf(word_text, sizeof word_text, "%04x", word);
        int used = 1;
        std::string text;
        if (isOpcodeValid(word, inst_set, extended)) {
            text = disasm(base + offset, word, word_at(offset + 2), &used, inst_set, extended);
        } else {
            char data_word[32];
            snprintf(data_word, sizeof data_word, "%-10s0x%x", "DW", word);
            text = data_word;
        }
        print_line(offset, word_text, text.c_str());
        if (used == 2) {
            snprintf(word_text, sizeof word_text, "%04x", word_at(offset + 2));
            print_line(offset + 2, word_text, "");
        }
        offset += 2 * used;
    }
    if (offset < data.size()) {
        char byte_text[8], text[32];
        snprintf(byte_text, sizeof byte_text, "%02x  ", data[offset]);
        snprintf(text, sizeof text, "%-10s0x%x", "DB", data[offset]);
        print_line(offset, byte_text, text);
    }
}

} // namespace

int main(int argc, char **argv) {
    const char *path = nullptr;
    int extended = 0;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (!strcmp(arg, "-h") || !strcmp(arg, "--help")) {
            fputs(help_text, stdout);
            return 0;
        }
        if (!strcmp(arg, "-x") || !strcmp(arg, "--extended")) {
            extended = 1;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            fprintf(stderr, "vxdump: unknown option '%s'\nTry 'vxdump --help'.\n", arg);
            return 1;
        } else if (path) {
            fprintf(stderr, "vxdump: only one object file can be dumped at a time\n");
            return 1;
        } else {
            path = arg;
        }
    }
    if (!path) {
        fprintf(stderr, "vxdump: no object file given\nTry 'vxdump --help'.\n");
        return 1;
    }
    coff_file *image = coff_read(path);
    if (!image)
        return 1;
    coff_print(image);
    int inst_set = instruction_set_of(image);
    for (unsigned number = 1; number <= image->sections.size(); ++number)
        if (getScnType(&image->sections[number - 1].header) == SCN_TYPE_CODE)
            disassemble(image, number, inst_set, extended);
    coff_free(image);
    return 0;
}
