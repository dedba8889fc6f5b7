// Simulation speed: a loop in the style of compiled code (byte arithmetic,
// indirect access through a pointer, a skip and a backward branch, a call
// and a return) run for a fixed number of cycles.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "target/instset.h"
#include "tools/vxsim/sim_state.h"

namespace {

constexpr uint64_t CYCLES = 500000000;

std::vector<uint16_t> words;

void op(unsigned type, unsigned one = 0, unsigned two = 0, unsigned three = 0)
{
    uint16_t word = 0;
    setInstType_VxCORE(&word, type);
    setOperandOne_VxCORE(&word, one);
    setOperandTwo_VxCORE(&word, two);
    setOperandThree_VxCORE(&word, three);
    words.push_back(word);
}

void branch(unsigned type, uint32_t target)
{
    op(type, unsigned(int(target) - int(words.size() * 2) - 2) / 2);
}

} // namespace

int main()
{
    const unsigned count = 0x20, sum = 0x21, access = 0, to_f = 1, to_w = 0;
    op(IT_LFSR, 0, 0x01);
    op(IT_WORD2, 0x00);
    uint32_t outer = uint32_t(words.size() * 2);
    op(IT_MOVLW, 100);
    op(IT_MOVWF, count, access);
    uint32_t inner = uint32_t(words.size() * 2);
    op(IT_MOVF, SFR_POSTINC0 & 0xFF, to_w, access);
    op(IT_ADDWF, sum, to_f, access);
    op(IT_BTFSC, 0xFD8 & 0xFF, 0, access);
    op(IT_INCF, sum + 1, to_f, access);
    op(IT_RCALL, 0x20);
    op(IT_DECFSZ, count, to_f, access);
    branch(IT_BRA, inner);
    branch(IT_BRA, outer);
    while (words.size() * 2 < 0x60)
        op(IT_NOP);
    op(IT_MOVFF, sum);
    op(IT_WORD2, 0x30);
    op(IT_RETURN, 0);

    auto s = std::make_unique<sim_state>();
    sim_init(s.get(), 0x8000);
    std::vector<uint8_t> bytes;
    for (uint16_t word : words) {
        bytes.push_back(uint8_t(word));
        bytes.push_back(uint8_t(word >> 8));
    }
    sim_store_program(s.get(), 0, bytes.data(), uint32_t(bytes.size()));

    // Processor time measures the simulator even on a busy machine; the
    // elapsed time is what a user waits.
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpu_start = std::clock();
    sim_stop_reason stop = sim_run(s.get(), CYCLES);
    double cpu = double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (stop != SIM_CYCLE_LIMIT) {
        std::fprintf(stderr, "vxsim_bench: the loop stopped early: %s\n", sim_stop_text(stop));
        return 1;
    }
    double instructions = double(s->instructions);
    std::printf("vxsim: %llu instructions (%llu cycles): %.1f million instructions per second "
                "of processor time (%.3f s), %.1f million per second elapsed (%.3f s)\n",
                static_cast<unsigned long long>(s->instructions),
                static_cast<unsigned long long>(s->cycles), instructions / cpu / 1e6, cpu,
                instructions / seconds / 1e6, seconds);
    return 0;
}
