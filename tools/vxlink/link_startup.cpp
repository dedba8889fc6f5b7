#include "tools/vxlink/link_startup.h"

#include "target/instset.h"
#include "target/sfr_map.h"
#include "tools/vxlink/link_symbols.h"

namespace {

constexpr unsigned TO_W = 0, TO_F = 1, ACCESS = 0;

struct code_builder {
    uint32_t base;
    std::vector<uint16_t> words;

    uint32_t here() const { return base + uint32_t(words.size() * 2); }

    void op(unsigned type, unsigned one = 0, unsigned two = 0, unsigned three = 0)
    {
        uint16_t word = 0;
        setInstType_VxCORE(&word, type);
        setOperandOne_VxCORE(&word, one);
        setOperandTwo_VxCORE(&word, two);
        setOperandThree_VxCORE(&word, three);
        words.push_back(word);
    }
    void word2(unsigned value) { op(IT_WORD2, value); }
    void movff(unsigned from, unsigned to)
    {
        op(IT_MOVFF, from);
        word2(to);
    }
    void lfsr(unsigned n, unsigned value)
    {
        op(IT_LFSR, n, value >> 8);
        word2(value & 0xFF);
    }
    void sfr(unsigned type, unsigned address, unsigned destination)
    {
        op(type, address & 0xFF, destination, ACCESS);
    }
    // A forward or backward branch; forward ones are patched by `land`.
    size_t branch(unsigned type, uint32_t target = 0)
    {
        size_t at = words.size();
        op(type, unsigned(int(target) - int(here()) - 2) / 2);
        return at;
    }
    void land(size_t at)
    {
        uint32_t from = base + uint32_t(at * 2);
        setOperandOne_VxCORE(&words[at], unsigned(int(here()) - int(from) - 2) / 2);
    }
    // PRODH:PRODL -= 1
    void decrement_prod()
    {
        op(IT_MOVLW, 1);
        sfr(IT_SUBWF, SFR_PRODL, TO_F);
        op(IT_MOVLW, 0);
        sfr(IT_SUBWFB, SFR_PRODH, TO_F);
    }
    // Z is set when PRODH:PRODL is 0.
    void test_prod()
    {
        sfr(IT_MOVF, SFR_PRODL, TO_W);
        sfr(IT_IORWF, SFR_PRODH, TO_W);
    }
    void read_table_into(unsigned address)
    {
        op(IT_TBLRDPOSTINC);
        movff(SFR_TABLAT, address);
    }
};

void s_put16(std::vector<uint8_t> *bytes, uint32_t value)
{
    bytes->push_back(uint8_t(value));
    bytes->push_back(uint8_t(value >> 8));
}

int s_add_section(link_state *state, const char *name, uint32_t flags, uint32_t size)
{
    output_section section{};
    section.name = name;
    section.flags = flags;
    section.space = flags & (SCN_CODE | SCN_ROMDATA) ? PROGRAM_MEMORY : DATA_MEMORY;
    section.absolute = flags & SCN_ABS;
    section.size = size;
    section.origin = "<linker>";
    state->sections.push_back(section);
    return int(state->sections.size() - 1);
}

void s_store_words(output_section *section, const std::vector<uint16_t> &words)
{
    section->bytes.clear();
    for (uint16_t word : words)
        s_put16(&section->bytes, word);
}

} // namespace

std::vector<uint16_t> startup_code(uint32_t base, uint32_t stack, uint32_t cinit, uint32_t main)
{
    // Counters in the stack: entries left at +0/+1, the table position at +2..+4.
    const unsigned count_low = stack, count_high = stack + 1;
    const unsigned saved[3] = {stack + 2, stack + 3, stack + 4};
    const unsigned pointer[3] = {SFR_TBLPTRL, SFR_TBLPTRH, SFR_TBLPTRU};
    code_builder c{base, {}};
    c.lfsr(1, stack);
    c.lfsr(2, stack);
    c.op(IT_MOVLW, (cinit >> 16) & 0x3F);
    c.sfr(IT_MOVWF, SFR_TBLPTRU, ACCESS);
    c.op(IT_MOVLW, (cinit >> 8) & 0xFF);
    c.sfr(IT_MOVWF, SFR_TBLPTRH, ACCESS);
    c.op(IT_MOVLW, cinit & 0xFF);
    c.sfr(IT_MOVWF, SFR_TBLPTRL, ACCESS);
    c.read_table_into(count_low);
    c.read_table_into(count_high);

    uint32_t next_entry = c.here();
    c.movff(count_low, SFR_PRODL);
    c.movff(count_high, SFR_PRODH);
    c.test_prod();
    size_t to_main = c.branch(IT_BZ);
    c.decrement_prod();
    c.movff(SFR_PRODL, count_low);
    c.movff(SFR_PRODH, count_high);
    for (unsigned address : saved)
        c.read_table_into(address);
    c.op(IT_TBLRDPOSTINC);
    c.read_table_into(SFR_FSR0L);
    c.read_table_into(SFR_FSR0H);
    c.read_table_into(SFR_PRODL);
    c.read_table_into(SFR_PRODH);
    // Swap the table position with the image address.
    for (int i = 0; i < 3; i++) {
        c.sfr(IT_MOVF, pointer[i], TO_W);
        c.movff(saved[i], pointer[i]);
        c.movff(SFR_WREG, saved[i]);
    }
    uint32_t next_byte = c.here();
    c.test_prod();
    size_t entry_done = c.branch(IT_BZ);
    c.op(IT_TBLRDPOSTINC);
    c.movff(SFR_TABLAT, SFR_POSTINC0);
    c.decrement_prod();
    c.branch(IT_BRA, next_byte);
    c.land(entry_done);
    for (int i = 0; i < 3; i++)
        c.movff(saved[i], pointer[i]);
    c.branch(IT_BRA, next_entry);

    c.land(to_main);
    c.op(IT_CALL, (main >> 1) & 0xFF, 0);
    c.word2((main >> 9) & 0xFFF);
    uint32_t asleep = c.here();
    c.op(IT_SLEEP);
    c.branch(IT_BRA, asleep);
    return c.words;
}

void link_add_synthetic_sections(link_state *state)
{
    state->reset_section = s_add_section(state, ".reset", SCN_CODE | SCN_ABS, 4);
    if (!state->globals.count(state->options.entry)) {
        size_t words = startup_code(0, 0, 0, 0).size();
        state->startup_section = s_add_section(state, ".startup", SCN_CODE, uint32_t(words * 2));
    }
    uint32_t entries = 0;
    size_t count = state->sections.size();
    for (size_t i = 0; i < count; i++) {
        if (!(state->sections[i].flags & SCN_IDATA) || state->sections[i].size == 0)
            continue;
        std::string name = state->sections[i].name + ".init";
        int image = s_add_section(state, name.c_str(), SCN_ROMDATA, state->sections[i].size);
        state->sections[i].image = image;
        entries++;
    }
    state->cinit_section = s_add_section(state, ".cinit", SCN_ROMDATA, 2 + CINIT_ENTRY_SIZE * entries);
    uint32_t stack = state->options.stack_size;
    state->stack_section = s_add_section(state, ".stack", SCN_UDATA, stack);
}

void link_fill_synthetic_sections(link_state *state)
{
    std::vector<output_section> &sections = state->sections;
    uint32_t entry = link_global_address(state, state->options.entry);
    code_builder reset{0, {}};
    reset.op(IT_GOTO, (entry >> 1) & 0xFF);
    reset.word2((entry >> 9) & 0xFFF);
    s_store_words(&sections[state->reset_section], reset.words);

    if (state->startup_section >= 0) {
        output_section &startup = sections[state->startup_section];
        s_store_words(&startup, startup_code(startup.address, link_global_address(state, "_stack"),
                                             link_global_address(state, "_cinit"),
                                             link_global_address(state, "main")));
    }

    std::vector<uint8_t> &table = sections[state->cinit_section].bytes;
    table.clear();
    uint32_t entries = 0;
    for (const output_section &section : sections)
        entries += section.image >= 0;
    s_put16(&table, entries);
    for (const output_section &section : sections) {
        if (section.image < 0)
            continue;
        output_section &image = sections[section.image];
        image.bytes = section.bytes;
        s_put16(&table, image.address);
        table.push_back(uint8_t(image.address >> 16));
        table.push_back(0);
        s_put16(&table, section.address);
        s_put16(&table, section.size);
    }
}
