// The relocatable object file: a System V COFF variant for a Harvard
// target.  The image in memory mirrors the file record for record; the
// emitter fills it, coff_preWrite lays it out and coff_write stores it
// field by field, little-endian, so the host's own layout never matters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t COFF_MAGIC = 0x1240;
constexpr uint16_t COFF_OPTHDR_SIZE = 18;
constexpr uint32_t COFF_VERSION_STAMP = 31600;

constexpr unsigned FILHSZ = 20;
constexpr unsigned SCNHSZ = 40;
constexpr unsigned RELSZ = 12;
constexpr unsigned LINESZ = 16;
constexpr unsigned SYMESZ = 20;

// f_flags
constexpr uint16_t F_RELFLG = 0x0001;  // relocation information stripped
constexpr uint16_t F_EXEC = 0x0002;    // executable
constexpr uint16_t F_LNNO = 0x0004;    // line numbers stripped
constexpr uint16_t F_LSYMS = 0x0080;   // local symbols stripped
constexpr uint16_t F_GENERIC = 0x8000; // compiled for the generic device

// s_flags
constexpr uint32_t SCN_CODE = 0x00020;
constexpr uint32_t SCN_IDATA = 0x00040;
constexpr uint32_t SCN_UDATA = 0x00080;
constexpr uint32_t SCN_ROMDATA = 0x00100;
constexpr uint32_t SCN_ABS = 0x01000;
constexpr uint32_t SCN_SHARED = 0x02000;
constexpr uint32_t SCN_OVERLAY = 0x04000;
constexpr uint32_t SCN_ACCESS = 0x08000;
constexpr uint32_t SCN_ACTREC = 0x10000;

// Relocation types.
enum {
    RELOC_CALL = 1, RELOC_GOTO = 2, RELOC_HIGH = 3, RELOC_LOW = 4, RELOC_FILE = 10,
    RELOC_MOVLB = 13, RELOC_WORD2_ADDR = 14, RELOC_MOVFF_SRC = 15, RELOC_MOVFF_DST = 16,
    RELOC_LFSR_HIGH = 17, RELOC_LFSR_LOW = 18, RELOC_BRA = 19, RELOC_CONDBRA = 20,
    RELOC_UPPER = 21, RELOC_SCNSIZE_LOW = 25, RELOC_SCNSIZE_HIGH = 26, RELOC_SCNSIZE_UPPER = 27,
    RELOC_SCNEND_LOW = 28, RELOC_SCNEND_HIGH = 29, RELOC_SCNEND_UPPER = 30,
    RELOC_SCNEND_LFSR_HIGH = 31, RELOC_SCNEND_LFSR_LOW = 32,
};

// Basic types (bits 4:0 of n_type) and derived types (3-bit groups above).
enum {
    T_NULL = 0, T_VOID = 1, T_CHAR = 2, T_SHORT = 3, T_INT = 4, T_LONG = 5, T_FLOAT = 6,
    T_DOUBLE = 7, T_STRUCT = 8, T_UNION = 9, T_ENUM = 10, T_MOE = 11, T_UCHAR = 12,
    T_USHORT = 13, T_UINT = 14, T_ULONG = 15, T_SHORTLONG = 17, T_USHORTLONG = 18,
};
enum { DT_NON = 0, DT_PTR = 1, DT_FCN = 2, DT_ARY = 3, DT_ROMPTR_NEAR = 4, DT_ROMPTR_FAR = 5 };
constexpr unsigned N_BTSHFT = 5;
constexpr unsigned N_TSHIFT = 3;

// Storage classes.
enum {
    C_AUTO = 1, C_EXT = 2, C_STAT = 3, C_LABEL = 6, C_MOS = 8, C_ARG = 9, C_STRTAG = 10,
    C_MOU = 11, C_UNTAG = 12, C_TPDEF = 13, C_ENTAG = 15, C_MOE = 16, C_FIELD = 18,
    C_BLOCK = 100, C_FCN = 101, C_EOS = 102, C_FILE = 103, C_EOF = 107, C_SCN = 109,
};

// Section numbers with a meaning of their own.
constexpr int16_t N_UNDEF = 0;
constexpr int16_t N_ABS = -1;
constexpr int16_t N_DEBUG = -2;

// Section types of the compiler's sections.
enum { SCN_TYPE_CODE = 1, SCN_TYPE_IDATA, SCN_TYPE_UDATA, SCN_TYPE_ROMDATA, SCN_TYPE_ACTREC, SCN_TYPE_TMPDATA };

struct coff_filehdr {
    uint16_t f_magic;
    uint16_t f_nscns;
    uint32_t f_timdat;
    uint32_t f_symptr;
    uint32_t f_nsyms;
    uint16_t f_opthdr;
    uint16_t f_flags;
    bool operator==(const coff_filehdr &) const = default;
};

struct coff_opthdr {
    uint16_t magic;
    uint32_t vstamp;
    uint32_t proc_type;
    uint32_t rom_width_bits;
    uint32_t ram_width_bits;
    bool operator==(const coff_opthdr &) const = default;
};

// An 8-byte name field holds the name itself, or four zero bytes and the
// little-endian string-table offset of the name.
struct coff_scnhdr {
    char s_name[8];
    uint32_t s_paddr;
    uint32_t s_vaddr;
    uint32_t s_size;
    uint32_t s_scnptr;
    uint32_t s_relptr;
    uint32_t s_lnnoptr;
    uint16_t s_nreloc;
    uint16_t s_nlnno;
    uint32_t s_flags;
    bool operator==(const coff_scnhdr &) const = default;
};

struct coff_reloc {
    uint32_t r_vaddr;
    uint32_t r_symndx;
    int16_t r_offset;
    uint16_t r_type;
    bool operator==(const coff_reloc &) const = default;
};

struct coff_lineno {
    uint32_t l_srcndx;
    uint16_t l_lnno;
    uint32_t l_paddr;
    uint16_t l_flags;
    uint32_t l_fcnndx;
    bool operator==(const coff_lineno &) const = default;
};

struct coff_syment {
    char n_name[8];
    uint32_t n_value;
    int16_t n_scnum;
    uint32_t n_type;
    int8_t n_sclass;
    int8_t n_numaux;
    bool operator==(const coff_syment &) const = default;
};

// Every field that some kind of auxiliary entry has; which of them are in
// the file depends on the kind (coff_has_aux of the symbol before it).
struct coff_auxent {
    uint32_t x_tagndx;  // arr, fcn, eos, var
    uint32_t x_offset;  // file: string-table offset of the file name
    uint32_t x_incline; // file
    uint8_t x_flags;    // file: 1 for a file that produced no entry of its own
    uint32_t x_srcndx;  // bobf, eobf
    uint32_t x_size;    // 16 bits except in fcn
    uint16_t x_lnno;
    uint16_t x_dimen[6]; // arr: outermost first
    uint32_t x_lnnoptr; // fcn
    uint32_t x_endndx;  // fcn, bobf, tag
    int16_t x_actscnum; // fcn
    uint32_t x_scnlen;  // scn
    uint16_t x_nreloc;  // scn
    uint16_t x_nlinno;  // scn
    bool operator==(const coff_auxent &) const = default;
};

// One 20-byte slot of the symbol table: a symbol, or an auxiliary entry of
// the symbol before it; only the member that the slot is is meaningful.
struct coff_symbol {
    coff_syment sym;
    coff_auxent aux;
    bool operator==(const coff_symbol &) const = default;
};

enum coff_aux_kind {
    AUX_NONE = 0, AUX_FILE = 1, AUX_SCN = 2, AUX_TAG = 3, AUX_EOS = 4, AUX_FCN = 5, AUX_ARR = 6,
    AUX_EOBF = 7, AUX_BOBF = 8, AUX_VAR = 9, AUX_FIELD = 11,
};

struct coff_section {
    coff_scnhdr header;
    std::vector<coff_reloc> relocs;
    std::vector<coff_lineno> linenos;
    std::vector<uint8_t> data; // raw data; code sections hold little-endian words
    bool operator==(const coff_section &) const = default;
};

struct coff_file {
    std::string filename;
    coff_filehdr header;
    coff_opthdr opthdr;
    std::vector<coff_section> sections;
    std::vector<coff_symbol> symbols;
    std::vector<uint8_t> strings; // the string table, its length word included
};

extern int coff_debug_flag; // prints the layout figures of coff_preWrite

coff_file *coff_create();
void coff_free_section(coff_section *section);
void coff_free(coff_file *image);

// Growing the image.  coff_preWrite takes every count (f_nscns, f_nsyms,
// s_nreloc, s_nlnno) from what the image holds.
coff_section *coff_add_section(coff_file *image);
unsigned coff_add_symbol(coff_file *image);
uint32_t coff_add_string(coff_file *image, const char *text);
void coff_add_word(coff_section *section, uint16_t word);

// Names: symbols of 8 or more characters and sections of 7 or more go to
// the string table; the empty name is stored with a 1 in its second byte.
void coff_set_symbol_name(coff_file *image, coff_syment *symbol, const char *name);
void coff_set_section_name(coff_file *image, coff_scnhdr *header, const char *name);
std::string coff_symbol_name(const coff_file *image, const coff_syment *symbol);
std::string coff_section_name(const coff_file *image, const coff_scnhdr *header);
// The string at a string-table offset, or null if the offset is outside.
const char *coff_string_at(const coff_file *image, uint32_t offset);
uint32_t coff_string_table_length(const coff_file *image);

void coff_preWrite(coff_file *image);
void coff_fixupAuxFcns(coff_file *image);
int coff_write(coff_file *image);
coff_file *coff_read(const char *filename);
// Parses an object already in memory; `filename` only names it in messages.
coff_file *coff_read_memory(const char *filename, const uint8_t *bytes, size_t size);

// The file's bytes exactly as coff_write stores them.
std::vector<uint8_t> coff_serialize(const coff_file *image);

void coff_print(const coff_file *image);
std::string hexPrint(unsigned long value, unsigned bytes);
void coff_print_gnureloc(const uint8_t *entry);
void coff_print_gnulineno(const uint8_t *entry);

// Predicates.
int coff_has_aux(const coff_syment *symbol);
int coff_is_array(const coff_syment *symbol);
int coff_is_function(const coff_syment *symbol);
int coff_is_tag(const coff_syment *symbol);
int coff_is_sue_var(const coff_syment *symbol);
int coff_isScn(const coff_syment *symbol);
int coff_isRelocatable(const coff_syment *symbol);
int coff_hasRelocation(const coff_filehdr *header);
int coff_isExecutable(const coff_filehdr *header);
int coff_hasLineNumbers(const coff_filehdr *header);
int coff_hasLocalSymbols(const coff_filehdr *header);

void set_scn_flags(coff_scnhdr *section, int type, int absolute, int shared, int overlay, int access);
int getScnType(const coff_scnhdr *section);
int isScnActRec(const coff_scnhdr *section);
int isScnAbs(const coff_scnhdr *section);
int isScnShared(const coff_scnhdr *section);
int isScnOverlay(const coff_scnhdr *section);
// Sections that occupy no space in the file.
int coff_scn_has_no_file_data(const coff_scnhdr *section);
