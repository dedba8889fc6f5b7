// One row per device, in processor-number order: the first row is processor 1.
// Numbers 218 to 396 must stay VxCORE devices, since configuration tables are
// keyed on them; the TwCORE devices added later stand at the end for the same
// reason.
#include "target/device_table.h"

#include <iterator>

namespace {

constexpr device_record twcore(const char *name, unsigned proc_type, unsigned pages, unsigned program_words,
                               unsigned banks, unsigned data_locations, unsigned gpr_threshold)
{
    return {name, _TwCORE, proc_type, pages, program_words, banks, data_locations, gpr_threshold, false};
}

// Every SyCORE bank keeps its special-function registers at offsets 0 to 31.
constexpr device_record sycore(const char *name, unsigned proc_type, unsigned pages, unsigned program_words,
                               unsigned banks, unsigned data_locations)
{
    return {name, _SyCORE, proc_type, pages, program_words, banks, data_locations, 31, false};
}

constexpr device_record bacore(const char *name, unsigned proc_type, unsigned pages, unsigned program_words,
                               unsigned banks, unsigned data_locations, unsigned gpr_threshold)
{
    return {name, _BaCORE, proc_type, pages, program_words, banks, data_locations, gpr_threshold, false};
}

// The VxCORE access bank maps its special-function registers separately, so
// no offset of a banked address is reserved.
constexpr device_record vxcore(const char *name, unsigned proc_type, unsigned pages, unsigned program_bytes,
                               unsigned banks, unsigned data_locations, bool extended_mode)
{
    return {name, _VxCORE, proc_type, pages, program_bytes, banks, data_locations, 0, extended_mode};
}

} // namespace

const device_record device_table[] = {
    // TwCORE: name, type code, pages, program words, banks, data locations, GPR threshold
    twcore("23C102",     0x0500, 1,   512, 1,   64, 11),     // 1
    twcore("23C104",     0x0550, 1,   512, 1,   64, 11),     // 2
    twcore("23C106A",    0x0560, 1,   512, 1,   64, 11),     // 3
    twcore("23C114",     0x0570, 1,  1024, 2,   96, 31),     // 4
    twcore("23C122",     0x05A0, 1,  2048, 2,  128, 31),     // 5
    twcore("23C126",     0x05F0, 1,  2048, 2,  192, 31),     // 6
    twcore("23C132",     0x0620, 2,  4096, 4,  256, 31),     // 7
    twcore("23C134",     0x0640, 2,  4096, 4,  256, 31),     // 8
    twcore("23C136A",    0x0680, 2,  4096, 4,  368, 31),     // 9
    twcore("23C138",     0x06D0, 2,  4096, 4,  256, 63),     // 10
    twcore("23C306",     0x06F0, 1,   512, 1,   64, 11),     // 11
    twcore("23C308",     0x0720, 1,   512, 1,   64, 11),     // 12
    twcore("23C312",     0x0760, 1,  1024, 2,   96, 31),     // 13
    twcore("23C314",     0x0790, 1,  1024, 2,   96, 31),     // 14
    twcore("23C316",     0x07B0, 1,  1024, 2,  128, 31),     // 15
    twcore("23C318",     0x07C0, 1,  1024, 2,  128, 31),     // 16
    twcore("23C324",     0x07E0, 1,  2048, 2,  128, 31),     // 17
    twcore("23C326",     0x0800, 1,  2048, 2,  192, 31),     // 18
    twcore("23C328",     0x0810, 1,  2048, 2,  192, 31),     // 19
    twcore("23C336",     0x0820, 2,  4096, 4,  368, 31),     // 20
    twcore("23C338",     0x0830, 2,  4096, 4,  256, 63),     // 21
    twcore("23C502",     0x0880, 1,   512, 1,   64, 11),     // 22
    twcore("23C504",     0x08B0, 1,   512, 1,   64, 11),     // 23
    twcore("23C506",     0x08C0, 1,   512, 1,   64, 11),     // 24
    twcore("23C512",     0x08D0, 1,  1024, 2,   96, 31),     // 25
    twcore("23C516",     0x08F0, 1,  1024, 2,  128, 31),     // 26
    twcore("23C518",     0x0920, 1,  1024, 2,  128, 31),     // 27
    twcore("23C522",     0x0930, 1,  2048, 2,  128, 31),     // 28
    twcore("23C534A",    0x0940, 2,  4096, 4,  256, 31),     // 29
    twcore("23C538",     0x0990, 2,  4096, 4,  256, 63),     // 30
    twcore("23C702",     0x09E0, 1,   512, 1,   64, 11),     // 31
    twcore("23C704",     0x09F0, 1,   512, 1,   64, 11),     // 32
    twcore("23C706",     0x0A20, 1,   512, 1,   64, 11),     // 33
    twcore("23C716",     0x0A30, 1,  1024, 2,  128, 31),     // 34
    twcore("23C722",     0x0A80, 1,  2048, 2,  128, 31),     // 35
    twcore("23C724",     0x0AB0, 1,  2048, 2,  128, 31),     // 36
    twcore("23C726",     0x0B00, 1,  2048, 2,  192, 31),     // 37
    twcore("23C732",     0x0B40, 2,  4096, 4,  256, 31),     // 38
    twcore("23C734",     0x0B50, 2,  4096, 4,  256, 31),     // 39
    twcore("23CR116",    0x0B80, 1,  1024, 2,  128, 31),     // 40
    twcore("23CR122",    0x0BA0, 1,  2048, 2,  128, 31),     // 41
    twcore("23CR126",    0x0BC0, 1,  2048, 2,  192, 31),     // 42
    twcore("23CR136",    0x0BE0, 2,  4096, 4,  368, 31),     // 43
    twcore("23CR146",    0x0C10, 4,  8192, 4,  368, 31),     // 44
    twcore("23CR312A",   0x0C60, 1,  1024, 2,   96, 31),     // 45
    twcore("23CR326",    0x0CA0, 1,  2048, 2,  192, 31),     // 46
    twcore("23CR332",    0x0CC0, 2,  4096, 4,  256, 31),     // 47
    twcore("23CR336",    0x0CF0, 2,  4096, 4,  368, 31),     // 48
    twcore("23CR346",    0x0D10, 4,  8192, 4,  368, 31),     // 49
    twcore("23CR502",    0x0D30, 1,   512, 1,   64, 11),     // 50
    twcore("23CR512",    0x0D50, 1,  1024, 2,   96, 31),     // 51
    twcore("23CR516",    0x0D70, 1,  1024, 2,  128, 31),     // 52
    twcore("23CR522",    0x0DC0, 1,  2048, 2,  128, 31),     // 53
    twcore("23CR536",    0x0DE0, 2,  4096, 4,  368, 31),     // 54
    twcore("23CR542",    0x0DF0, 4,  8192, 4,  368, 31),     // 55
    twcore("23CR546",    0x0E20, 4,  8192, 4,  368, 31),     // 56
    twcore("23CR712",    0x0E50, 1,  1024, 2,   96, 31),     // 57
    twcore("23CR716A",   0x0E90, 1,  1024, 2,  128, 31),     // 58
    twcore("23CR722",    0x0EA0, 1,  2048, 2,  128, 31),     // 59
    twcore("23CR726A",   0x0EF0, 1,  2048, 2,  192, 31),     // 60
    twcore("23CR732",    0x0F30, 2,  4096, 4,  256, 31),     // 61
    twcore("23CR742",    0x0F60, 4,  8192, 4,  368, 31),     // 62
    twcore("23CR746",    0x0FB0, 4,  8192, 4,  368, 31),     // 63
    twcore("23F102",     0x0FE0, 1,   512, 1,   64, 11),     // 64
    twcore("23F104",     0x1010, 1,   512, 1,   64, 11),     // 65
    twcore("23F106A",    0x1060, 1,   512, 1,   64, 11),     // 66
    twcore("23F116",     0x1080, 1,  1024, 2,  128, 31),     // 67
    twcore("23F118",     0x10D0, 1,  1024, 2,  128, 31),     // 68
    twcore("23F122",     0x10E0, 1,  2048, 2,  128, 31),     // 69
    twcore("23F124A",    0x1120, 1,  2048, 2,  128, 31),     // 70
    twcore("23F128",     0x1140, 1,  2048, 2,  192, 31),     // 71
    twcore("23F302",     0x1150, 1,   512, 1,   64, 11),     // 72
    twcore("23F304",     0x11A0, 1,   512, 1,   64, 11),     // 73
    twcore("23F312",     0x11C0, 1,  1024, 2,   96, 31),     // 74
    twcore("23F314",     0x11D0, 1,  1024, 2,   96, 31),     // 75
    twcore("23F318",     0x11E0, 1,  1024, 2,  128, 31),     // 76
    twcore("23F324",     0x1220, 1,  2048, 2,  128, 31),     // 77
    twcore("23F334",     0x1250, 2,  4096, 4,  256, 31),     // 78
    twcore("23F338",     0x1280, 2,  4096, 4,  256, 63),     // 79
    twcore("23F342",     0x12A0, 4,  8192, 4,  368, 31),     // 80
    twcore("23F344",     0x12E0, 4,  8192, 4,  368, 31),     // 81
    twcore("23F502",     0x1300, 1,   512, 1,   64, 11),     // 82
    twcore("23F504",     0x1340, 1,   512, 1,   64, 11),     // 83
    twcore("23F506A",    0x1360, 1,   512, 1,   64, 11),     // 84
    twcore("23F508",     0x1380, 1,   512, 1,   64, 11),     // 85
    twcore("23F514",     0x1390, 1,  1024, 2,   96, 31),     // 86
    twcore("23F516A",    0x13A0, 1,  1024, 2,  128, 31),     // 87
    twcore("23F518",     0x13C0, 1,  1024, 2,  128, 31),     // 88
    twcore("23F522",     0x13F0, 1,  2048, 2,  128, 31),     // 89
    twcore("23F524",     0x1410, 1,  2048, 2,  128, 31),     // 90
    twcore("23F526",     0x1450, 1,  2048, 2,  192, 31),     // 91
    twcore("23F528",     0x1480, 1,  2048, 2,  192, 31),     // 92
    twcore("23F532",     0x14D0, 2,  4096, 4,  256, 31),     // 93
    twcore("23F534",     0x14F0, 2,  4096, 4,  256, 31),     // 94
    twcore("23F538",     0x1510, 2,  4096, 4,  256, 63),     // 95
    twcore("23F544",     0x1550, 4,  8192, 4,  368, 31),     // 96
    twcore("23F548A",    0x1590, 4,  8192, 4,  368, 31),     // 97
    twcore("23F702",     0x15C0, 1,   512, 1,   64, 11),     // 98
    twcore("23F708",     0x15F0, 1,   512, 1,   64, 11),     // 99
    twcore("23F712",     0x1640, 1,  1024, 2,   96, 31),     // 100
    twcore("23F714",     0x1680, 1,  1024, 2,   96, 31),     // 101
    twcore("23F716",     0x1690, 1,  1024, 2,  128, 31),     // 102
    twcore("23F718",     0x16E0, 1,  1024, 2,  128, 31),     // 103
    twcore("23F732",     0x1730, 2,  4096, 4,  256, 31),     // 104
    twcore("23F736",     0x1760, 2,  4096, 4,  368, 31),     // 105
    twcore("23F742",     0x17A0, 4,  8192, 4,  368, 31),     // 106
    twcore("23F746",     0x17C0, 4,  8192, 4,  368, 31),     // 107
    twcore("23LF104",    0x17F0, 1,   512, 1,   64, 11),     // 108
    twcore("23LF108",    0x1810, 1,   512, 1,   64, 11),     // 109
    twcore("23LF114",    0x1850, 1,  1024, 2,   96, 31),     // 110
    twcore("23LF118",    0x18A0, 1,  1024, 2,  128, 31),     // 111
    twcore("23LF124",    0x18E0, 1,  2048, 2,  128, 31),     // 112
    twcore("23LF126",    0x1910, 1,  2048, 2,  192, 31),     // 113
    twcore("23LF128",    0x1960, 1,  2048, 2,  192, 31),     // 114
    twcore("23LF134",    0x1980, 2,  4096, 4,  256, 31),     // 115
    twcore("23LF136A",   0x1990, 2,  4096, 4,  368, 31),     // 116
    twcore("23LF146",    0x19D0, 4,  8192, 4,  368, 31),     // 117
    twcore("23LF148",    0x1A10, 4,  8192, 4,  368, 31),     // 118
    twcore("23LF314",    0x1A60, 1,  1024, 2,   96, 31),     // 119
    twcore("23LF318",    0x1AA0, 1,  1024, 2,  128, 31),     // 120
    twcore("23LF324",    0x1AF0, 1,  2048, 2,  128, 31),     // 121
    twcore("23LF326",    0x1B10, 1,  2048, 2,  192, 31),     // 122
    twcore("23LF328",    0x1B40, 1,  2048, 2,  192, 31),     // 123
    twcore("23LF336",    0x1B50, 2,  4096, 4,  368, 31),     // 124
    twcore("23LF344",    0x1B90, 4,  8192, 4,  368, 31),     // 125
    twcore("23LF346",    0x1BC0, 4,  8192, 4,  368, 31),     // 126
    twcore("23LF348",    0x1BF0, 4,  8192, 4,  368, 31),     // 127
    twcore("23LF506A",   0x1C00, 1,   512, 1,   64, 11),     // 128
    twcore("23LF508",    0x1C10, 1,   512, 1,   64, 11),     // 129
    twcore("23LF514",    0x1C60, 1,  1024, 2,   96, 31),     // 130
    twcore("23LF516A",   0x1C70, 1,  1024, 2,  128, 31),     // 131
    twcore("23LF518A",   0x1C80, 1,  1024, 2,  128, 31),     // 132
    twcore("23LF526",    0x1CC0, 1,  2048, 2,  192, 31),     // 133
    twcore("23LF528",    0x1CD0, 1,  2048, 2,  192, 31),     // 134
    twcore("23LF534",    0x1D10, 2,  4096, 4,  256, 31),     // 135
    twcore("23LF538",    0x1D50, 2,  4096, 4,  256, 63),     // 136
    twcore("23LF546",    0x1D90, 4,  8192, 4,  368, 31),     // 137
    twcore("23LF548",    0x1DB0, 4,  8192, 4,  368, 31),     // 138
    twcore("23LF706",    0x1E00, 1,   512, 1,   64, 11),     // 139
    twcore("23LF708",    0x1E10, 1,   512, 1,   64, 11),     // 140
    twcore("23LF714",    0x1E50, 1,  1024, 2,   96, 31),     // 141
    twcore("23LF716",    0x1E90, 1,  1024, 2,  128, 31),     // 142
    twcore("23LF718",    0x1EB0, 1,  1024, 2,  128, 31),     // 143
    twcore("23LF724",    0x1F00, 1,  2048, 2,  128, 31),     // 144
    twcore("23LF726",    0x1F50, 1,  2048, 2,  192, 31),     // 145
    twcore("23LF734",    0x1F90, 2,  4096, 4,  256, 31),     // 146
    twcore("23LF744",    0x1FA0, 4,  8192, 4,  368, 31),     // 147
    twcore("23LF746A",   0x1FC0, 4,  8192, 4,  368, 31),     // 148

    // SyCORE: name, type code, pages, program words, banks, data locations
    sycore("27C312",     0x7000, 1,  2048, 2,  232),         // 149
    sycore("27C314",     0x7080, 1,  2048, 2,  232),         // 150
    sycore("27C332",     0x7100, 1,  4096, 3,  454),         // 151
    sycore("27C334",     0x7180, 1,  4096, 3,  454),         // 152
    sycore("27C352",     0x7200, 1,  8192, 3,  454),         // 153
    sycore("27C354",     0x7280, 1,  8192, 4,  678),         // 154
    sycore("27CR352",    0x7300, 1,  8192, 3,  454),         // 155
    sycore("27C552",     0x7380, 1,  8192, 4,  678),         // 156
    sycore("27C572",     0x7400, 2, 16384, 4,  678),         // 157
    sycore("27C574",     0x7480, 2, 16384, 5,  902),         // 158
    sycore("27C576",     0x7500, 2, 16384, 5,  902),         // 159

    // BaCORE: name, type code, pages, program words, banks, data locations, GPR threshold
    bacore("15C001",     0x5000, 1,   256, 1,   24,  7),     // 160
    bacore("15C011",     0x5020, 1,   512, 1,   25,  6),     // 161
    bacore("15C013",     0x5060, 1,   512, 1,   22,  9),     // 162
    bacore("15C019",     0x50A0, 1,   512, 1,   24,  7),     // 163
    bacore("15C021A",    0x50D0, 2,  1024, 2,   41,  7),     // 164
    bacore("15C029",     0x5100, 2,  1024, 2,   41,  7),     // 165
    bacore("15C033",     0x5130, 4,  2048, 4,   72,  7),     // 166
    bacore("15C201",     0x5150, 1,   256, 1,   24,  7),     // 167
    bacore("15C203",     0x5190, 1,   256, 1,   16,  7),     // 168
    bacore("15C209",     0x51B0, 1,   256, 1,   24,  7),     // 169
    bacore("15C211",     0x51F0, 1,   512, 1,   25,  6),     // 170
    bacore("15C213",     0x5210, 1,   512, 1,   24,  7),     // 171
    bacore("15C219",     0x5250, 1,   512, 1,   24,  7),     // 172
    bacore("15C223",     0x5290, 2,  1024, 2,   41,  7),     // 173
    bacore("15C229A",    0x52D0, 2,  1024, 2,   38, 12),     // 174
    bacore("15C231",     0x5310, 4,  2048, 4,   72,  7),     // 175
    bacore("15C239",     0x5340, 4,  2048, 4,   72,  7),     // 176
    bacore("15C501",     0x5370, 1,   256, 1,   24,  7),     // 177
    bacore("15C509",     0x53B0, 1,   256, 1,   25,  6),     // 178
    bacore("15C511",     0x53F0, 1,   512, 1,   24,  7),     // 179
    bacore("15C523A",    0x5430, 2,  1024, 2,   41,  7),     // 180
    bacore("15C531",     0x5460, 4,  2048, 4,   72,  7),     // 181
    bacore("15C533",     0x5480, 4,  2048, 4,   72,  7),     // 182
    bacore("15C539",     0x54A0, 4,  2048, 4,   73,  7),     // 183
    bacore("15C809",     0x54E0, 1,   256, 1,   24,  7),     // 184
    bacore("15C829",     0x5510, 2,  1024, 2,   38, 12),     // 185
    bacore("15C831",     0x5540, 4,  2048, 4,   73,  7),     // 186
    bacore("15C833",     0x5560, 4,  2048, 4,   64, 15),     // 187
    bacore("15CR201",    0x5580, 1,   256, 1,   24,  7),     // 188
    bacore("15CR231",    0x55B0, 4,  2048, 4,   72,  7),     // 189
    bacore("15CR511",    0x55D0, 1,   512, 1,   25,  6),     // 190
    bacore("15CR531",    0x55F0, 4,  2048, 4,   72,  7),     // 191
    bacore("15CR801",    0x5620, 1,   256, 1,   25,  6),     // 192
    bacore("15CR811",    0x5660, 1,   512, 1,   25,  6),     // 193
    bacore("15F001",     0x5690, 1,   256, 1,   16,  7),     // 194
    bacore("15F009A",    0x56C0, 1,   256, 1,   24,  7),     // 195
    bacore("15F019",     0x56F0, 1,   512, 1,   25,  6),     // 196
    bacore("15F021",     0x5710, 2,  1024, 2,   41,  7),     // 197
    bacore("15F029",     0x5730, 2,  1024, 2,   41,  7),     // 198
    bacore("15F201",     0x5770, 1,   256, 1,   16,  7),     // 199
    bacore("15F211",     0x57A0, 1,   512, 1,   25,  6),     // 200
    bacore("15F213",     0x57E0, 1,   512, 1,   24,  7),     // 201
    bacore("15F221",     0x5810, 2,  1024, 2,   38, 12),     // 202
    bacore("15F229",     0x5850, 2,  1024, 2,   41,  7),     // 203
    bacore("15F501",     0x5870, 1,   256, 1,   16,  7),     // 204
    bacore("15F509",     0x5890, 1,   256, 1,   24,  7),     // 205
    bacore("15F511",     0x58C0, 1,   512, 1,   22,  9),     // 206
    bacore("15F521",     0x5900, 2,  1024, 2,   41,  7),     // 207
    bacore("15F529",     0x5930, 2,  1024, 2,   38, 12),     // 208
    bacore("15F539",     0x5960, 4,  2048, 4,   72,  7),     // 209
    bacore("15F801",     0x5980, 1,   256, 1,   24,  7),     // 210
    bacore("15F811",     0x59B0, 1,   512, 1,   25,  6),     // 211
    bacore("15F819",     0x59D0, 1,   512, 1,   24,  7),     // 212
    bacore("15F821",     0x5A10, 2,  1024, 2,   41,  7),     // 213
    bacore("15F829",     0x5A40, 2,  1024, 2,   41,  7),     // 214
    bacore("15F833",     0x5A70, 4,  2048, 4,   72,  7),     // 215

    // VxCORE: name, type code, pages, program bytes, banks, data locations, extended mode
    // Emulation devices without on-chip program memory.
    vxcore("EM61X00",    0xF900, 0,     0,  8, 2048, false), // 216
    vxcore("EM61X90",    0xF946, 0,     0, 16, 3968, false), // 217
    // 218 to 221 have no LFSR instruction; 221 is the generic device.
    vxcore("61C3306",    0x8000, 1, 16384,  3,  768, false), // 218
    vxcore("61C3313",    0x8060, 1, 16384,  4, 1024, false), // 219
    vxcore("61C5406",    0x80E0, 1, 24576,  4, 1024, false), // 220
    vxcore("61C5506",    0x8120, 1, 32768,  6, 1536, false), // 221
    vxcore("61C3506",    0x8180, 1, 32768,  6, 1536, false), // 222
    vxcore("61C3513",    0x8200, 1, 32768,  8, 2048, false), // 223
    vxcore("61C5306",    0x8240, 1, 16384,  3,  768, false), // 224
    vxcore("61C5313",    0x82A0, 1, 16384,  4, 1024, false), // 225
    vxcore("61C5513",    0x8340, 1, 32768,  8, 2048, false), // 226
    vxcore("61C7506",    0x83A0, 1, 32768,  6, 1536, false), // 227
    vxcore("61C7513",    0x83E0, 1, 32768,  8, 2048, false), // 228
    vxcore("61C7606",    0x8480, 1, 49152,  8, 2048, false), // 229
    vxcore("61C7613",    0x8500, 1, 49152, 13, 3328, false), // 230
    vxcore("61C9606",    0x8540, 1, 49152,  8, 2048, false), // 231
    vxcore("61C9613",    0x85E0, 1, 49152, 13, 3328, false), // 232
    vxcore("61C9706",    0x8640, 1, 65536,  8, 2048, false), // 233
    vxcore("61CR3306",   0x86A0, 1, 16384,  3,  768, false), // 234
    vxcore("61CR3506",   0x8700, 1, 32768,  6, 1536, false), // 235
    vxcore("61CR5306",   0x87A0, 1, 16384,  3,  768, false), // 236
    vxcore("61CR5506",   0x8820, 1, 32768,  6, 1536, false), // 237
    vxcore("61CR7506",   0x88A0, 1, 32768,  6, 1536, false), // 238
    vxcore("61CR7606",   0x8900, 1, 49152,  8, 2048, false), // 239
    vxcore("61F3206",    0x89A0, 1,  8192,  2,  512, false), // 240
    vxcore("61LF3206",   0x89E0, 1,  8192,  2,  512, false), // 241
    vxcore("61F3213",    0x8A60, 1,  8192,  3,  768, false), // 242
    vxcore("61LF3213",   0x8AE0, 1,  8192,  3,  768, false), // 243
    vxcore("61F3406",    0x8B20, 1, 24576,  4, 1024, false), // 244
    vxcore("61LF3406",   0x8B80, 1, 24576,  4, 1024, false), // 245
    vxcore("61F3413",    0x8BC0, 1, 24576,  6, 1536, false), // 246
    vxcore("61LF3413",   0x8C40, 1, 24576,  6, 1536, false), // 247
    vxcore("61F5206",    0x8CA0, 1,  8192,  2,  512, false), // 248
    vxcore("61LF5206",   0x8D20, 1,  8192,  2,  512, false), // 249
    vxcore("61F5406",    0x8D60, 1, 24576,  4, 1024, false), // 250
    vxcore("61LF5406",   0x8E00, 1, 24576,  4, 1024, false), // 251
    vxcore("61F5413",    0x8E80, 1, 24576,  6, 1536, false), // 252
    vxcore("61LF5413",   0x8F00, 1, 24576,  6, 1536, false), // 253
    vxcore("61F5606",    0x8FA0, 1, 49152,  8, 2048, false), // 254
    vxcore("61LF5606",   0x9040, 1, 49152,  8, 2048, false), // 255
    vxcore("61F7606",    0x90A0, 1, 49152,  8, 2048, false), // 256
    vxcore("61LF7606",   0x9120, 1, 49152,  8, 2048, false), // 257
    vxcore("61F7613",    0x91C0, 1, 49152, 13, 3328, false), // 258
    vxcore("61LF7613",   0x9260, 1, 49152, 13, 3328, false), // 259
    vxcore("61F9706",    0x92C0, 1, 65536,  8, 2048, false), // 260
    vxcore("61LF9706",   0x9360, 1, 65536,  8, 2048, false), // 261
    vxcore("61F9713",    0x93A0, 1, 65536, 16, 3936, false), // 262
    vxcore("61F3129",    0x9420, 1,  4096,  1,  256, true ), // 263
    vxcore("61F3144",    0x9460, 1,  4096,  2,  512, true ), // 264
    vxcore("61F3161",    0x94A0, 1,  4096,  1,  256, true ), // 265
    vxcore("61F3178",    0x9520, 1,  4096,  2,  512, true ), // 266
    vxcore("61F5129",    0x9560, 1,  4096,  1,  256, true ), // 267
    vxcore("61LF5129",   0x95A0, 1,  4096,  1,  256, true ), // 268
    vxcore("61F5144",    0x95E0, 1,  4096,  2,  512, true ), // 269
    vxcore("61LF5144",   0x9680, 1,  4096,  2,  512, true ), // 270
    vxcore("61F5161K",   0x9720, 1,  4096,  1,  256, true ), // 271
    vxcore("61LF7129",   0x97A0, 1,  4096,  1,  256, true ), // 272
    vxcore("61F7144",    0x97E0, 1,  4096,  2,  512, true ), // 273
    vxcore("61LF7144",   0x9840, 1,  4096,  2,  512, true ), // 274
    vxcore("61F7161",    0x98A0, 1,  4096,  1,  256, true ), // 275
    vxcore("61F7178",    0x9920, 1,  4096,  2,  512, true ), // 276
    vxcore("61F3229",    0x9960, 1,  8192,  2,  512, true ), // 277
    vxcore("61LF3229",   0x99E0, 1,  8192,  2,  512, true ), // 278
    vxcore("61F3244",    0x9A80, 1,  8192,  3,  768, true ), // 279
    vxcore("61LF3244",   0x9AE0, 1,  8192,  3,  768, true ), // 280
    vxcore("61F3261",    0x9B20, 1,  8192,  2,  512, true ), // 281
    vxcore("61LF5229",   0x9B80, 1,  8192,  2,  512, true ), // 282
    vxcore("61LF5244",   0x9BE0, 1,  8192,  3,  768, true ), // 283
    vxcore("61F5261",    0x9C40, 1,  8192,  2,  512, true ), // 284
    vxcore("61F5278",    0x9CC0, 1,  8192,  3,  768, true ), // 285
    vxcore("61F7229",    0x9D40, 1,  8192,  2,  512, true ), // 286
    vxcore("61LF7229",   0x9DA0, 1,  8192,  2,  512, true ), // 287
    vxcore("61F7244",    0x9E20, 1,  8192,  3,  768, true ), // 288
    vxcore("61LF7244",   0x9EC0, 1,  8192,  3,  768, true ), // 289
    vxcore("61F7278",    0x9F00, 1,  8192,  3,  768, true ), // 290
    vxcore("61LF3329",   0x9F60, 1, 16384,  5, 1280, true ), // 291
    vxcore("61F3344",    0xA000, 1, 16384,  3,  768, true ), // 292
    vxcore("61LF3344A",  0xA060, 1, 16384,  3,  768, true ), // 293
    vxcore("61F3378",    0xA0E0, 1, 16384,  5, 1280, true ), // 294
    vxcore("61F5329",    0xA140, 1, 16384,  5, 1280, true ), // 295
    vxcore("61LF5344",   0xA1C0, 1, 16384,  3,  768, true ), // 296
    vxcore("61F5361",    0xA220, 1, 16384,  4, 1024, true ), // 297
    vxcore("61F5378",    0xA2C0, 1, 16384,  5, 1280, true ), // 298
    vxcore("61F7329A",   0xA320, 1, 16384,  5, 1280, true ), // 299
    vxcore("61LF7329",   0xA3A0, 1, 16384,  5, 1280, true ), // 300
    vxcore("61LF7344",   0xA400, 1, 16384,  3,  768, true ), // 301
    vxcore("61F7361",    0xA4A0, 1, 16384,  4, 1024, true ), // 302
    vxcore("61F3429",    0xA520, 1, 24576,  4, 1024, true ), // 303
    vxcore("61LF3429",   0xA5A0, 1, 24576,  4, 1024, true ), // 304
    vxcore("61F3444",    0xA600, 1, 24576,  6, 1536, true ), // 305
    vxcore("61LF3444",   0xA640, 1, 24576,  6, 1536, true ), // 306
    vxcore("61F3461",    0xA6A0, 1, 24576,  4, 1024, true ), // 307
    vxcore("61F5429",    0xA720, 1, 24576,  4, 1024, true ), // 308
    vxcore("61LF5429",   0xA760, 1, 24576,  4, 1024, true ), // 309
    vxcore("61F5444",    0xA7E0, 1, 24576,  6, 1536, true ), // 310
    vxcore("61LF5444",   0xA840, 1, 24576,  6, 1536, true ), // 311
    vxcore("61F5461",    0xA8A0, 1, 24576,  4, 1024, true ), // 312
    vxcore("61F5478",    0xA8E0, 1, 24576,  6, 1536, true ), // 313
    vxcore("61F7429",    0xA940, 1, 24576,  4, 1024, true ), // 314
    vxcore("61F7444",    0xA9E0, 1, 24576,  6, 1536, true ), // 315
    vxcore("61LF7444",   0xAA20, 1, 24576,  6, 1536, true ), // 316
    vxcore("61F7461",    0xAAC0, 1, 24576,  4, 1024, true ), // 317
    vxcore("61F7478",    0xAB00, 1, 24576,  6, 1536, true ), // 318
    vxcore("61F9429",    0xAB80, 1, 24576,  4, 1024, true ), // 319
    vxcore("61LF9429",   0xABE0, 1, 24576,  4, 1024, true ), // 320
    vxcore("61LF9444A",  0xAC60, 1, 24576,  6, 1536, true ), // 321
    vxcore("61F9461",    0xACE0, 1, 24576,  4, 1024, true ), // 322
    vxcore("61F9478",    0xAD40, 1, 24576,  6, 1536, true ), // 323
    vxcore("61F3529",    0xADA0, 1, 32768,  6, 1536, true ), // 324
    vxcore("61F3544",    0xADE0, 1, 32768,  8, 2048, true ), // 325
    vxcore("61LF3544",   0xAE20, 1, 32768,  8, 2048, true ), // 326
    vxcore("61F3561",    0xAEA0, 1, 32768,  6, 1536, true ), // 327
    vxcore("61F3578",    0xAF40, 1, 32768,  8, 2048, true ), // 328
    vxcore("61F5529",    0xAFE0, 1, 32768,  6, 1536, true ), // 329
    vxcore("61LF5529",   0xB080, 1, 32768,  6, 1536, true ), // 330
    vxcore("61F5578",    0xB100, 1, 32768,  8, 2048, true ), // 331
    vxcore("61F7529A",   0xB140, 1, 32768,  6, 1536, true ), // 332
    vxcore("61LF7529",   0xB1E0, 1, 32768,  6, 1536, true ), // 333
    vxcore("61F7544",    0xB220, 1, 32768,  8, 2048, true ), // 334
    vxcore("61LF7544",   0xB280, 1, 32768,  8, 2048, true ), // 335
    vxcore("61F7561",    0xB2C0, 1, 32768,  6, 1536, true ), // 336
    vxcore("61F7578",    0xB360, 1, 32768,  8, 2048, true ), // 337
    vxcore("61F9529",    0xB400, 1, 32768,  6, 1536, true ), // 338
    vxcore("61F9544",    0xB460, 1, 32768,  8, 2048, true ), // 339
    vxcore("61LF9544",   0xB4E0, 1, 32768,  8, 2048, true ), // 340
    vxcore("61F9578",    0xB560, 1, 32768,  8, 2048, true ), // 341
    vxcore("61F3629A",   0xB5A0, 1, 49152,  8, 2048, true ), // 342
    vxcore("61F3644",    0xB620, 1, 49152, 13, 3328, true ), // 343
    vxcore("61LF3644",   0xB660, 1, 49152, 13, 3328, true ), // 344
    vxcore("61F3661",    0xB6A0, 1, 49152,  8, 2048, true ), // 345
    vxcore("61F5629",    0xB700, 1, 49152,  8, 2048, true ), // 346
    vxcore("61LF5644",   0xB7A0, 1, 49152, 13, 3328, true ), // 347
    vxcore("61F5661",    0xB820, 1, 49152,  8, 2048, true ), // 348
    vxcore("61F5678",    0xB8A0, 1, 49152, 13, 3328, true ), // 349
    vxcore("61F7629A",   0xB940, 1, 49152,  8, 2048, true ), // 350
    vxcore("61LF7629",   0xB980, 1, 49152,  8, 2048, true ), // 351
    vxcore("61F7644",    0xBA00, 1, 49152, 13, 3328, true ), // 352
    vxcore("61LF7644",   0xBAA0, 1, 49152, 13, 3328, true ), // 353
    vxcore("61F7661",    0xBB40, 1, 49152,  8, 2048, true ), // 354
    vxcore("61F9629",    0xBBE0, 1, 49152,  8, 2048, true ), // 355
    vxcore("61LF9629",   0xBC60, 1, 49152,  8, 2048, true ), // 356
    vxcore("61F9644",    0xBD00, 1, 49152, 13, 3328, true ), // 357
    vxcore("61LF9644",   0xBD60, 1, 49152, 13, 3328, true ), // 358
    vxcore("61F9661K",   0xBDA0, 1, 49152,  8, 2048, true ), // 359
    vxcore("61F9678",    0xBE40, 1, 49152, 13, 3328, true ), // 360
    vxcore("61LF5729",   0xBEC0, 1, 65536,  8, 2048, true ), // 361
    vxcore("61LF5744",   0xBF40, 1, 65536, 16, 3936, true ), // 362
    vxcore("61LF5761K",  0xBFA0, 1, 65536,  8, 2048, true ), // 363
    vxcore("61F5778",    0xC000, 1, 65536, 16, 3936, true ), // 364
    vxcore("61LF5778",   0xC0A0, 1, 65536, 16, 3936, true ), // 365
    vxcore("61F7729K",   0xC120, 1, 65536,  8, 2048, true ), // 366
    vxcore("61LF7729",   0xC180, 1, 65536,  8, 2048, true ), // 367
    vxcore("61F7744",    0xC1C0, 1, 65536, 16, 3936, true ), // 368
    vxcore("61LF7744",   0xC220, 1, 65536, 16, 3936, true ), // 369
    vxcore("61LF7761A",  0xC280, 1, 65536,  8, 2048, true ), // 370
    vxcore("61F7778",    0xC300, 1, 65536, 16, 3936, true ), // 371
    vxcore("61LF7778",   0xC3A0, 1, 65536, 16, 3936, true ), // 372
    vxcore("61F9729",    0xC440, 1, 65536,  8, 2048, true ), // 373
    vxcore("61LF9729",   0xC4A0, 1, 65536,  8, 2048, true ), // 374
    vxcore("61LF9744",   0xC4E0, 1, 65536, 16, 3936, true ), // 375
    vxcore("61F9761",    0xC580, 1, 65536,  8, 2048, true ), // 376
    vxcore("61LF9778A",  0xC600, 1, 65536, 16, 3936, true ), // 377
    vxcore("61LF5829",   0xC6A0, 1, 98296, 16, 3936, true ), // 378
    vxcore("61F5844",    0xC720, 1, 98296, 16, 3968, true ), // 379
    vxcore("61LF5844",   0xC7A0, 1, 98296, 16, 3968, true ), // 380
    vxcore("61F5861",    0xC7E0, 1, 98296, 16, 3936, true ), // 381
    vxcore("61LF5861",   0xC820, 1, 98296, 16, 3936, true ), // 382
    vxcore("61F5878K",   0xC8A0, 1, 98296, 16, 3968, true ), // 383
    vxcore("61LF5878",   0xC940, 1, 98296, 16, 3968, true ), // 384
    vxcore("61F7829",    0xC980, 1, 98296, 16, 3936, true ), // 385
    vxcore("61LF7829",   0xC9C0, 1, 98296, 16, 3936, true ), // 386
    vxcore("61F7844K",   0xCA40, 1, 98296, 16, 3968, true ), // 387
    vxcore("61LF7844",   0xCAC0, 1, 98296, 16, 3968, true ), // 388
    vxcore("61F7861",    0xCB00, 1, 98296, 16, 3936, true ), // 389
    vxcore("61LF7861",   0xCBA0, 1, 98296, 16, 3936, true ), // 390
    vxcore("61LF7878",   0xCC20, 1, 98296, 16, 3968, true ), // 391
    vxcore("61F9829",    0xCC60, 1, 98296, 16, 3936, true ), // 392
    vxcore("61F9844",    0xCCE0, 1, 98296, 16, 3968, true ), // 393
    vxcore("61LF9844",   0xCD80, 1, 98296, 16, 3968, true ), // 394
    vxcore("61F9861",    0xCE00, 1, 98296, 16, 3936, true ), // 395
    vxcore("61LF9861",   0xCE40, 1, 98296, 16, 3936, true ), // 396

    // TwCORE: name, type code, pages, program words, banks, data locations, GPR threshold
    twcore("23F1324",    0x2010, 1,  2048, 2,  128, 31),     // 397
    twcore("23F1334",    0x2050, 2,  4096, 4,  256, 31),     // 398
    twcore("23F1536",    0x2090, 2,  4096, 4,  368, 31),     // 399
    twcore("23F1546",    0x20D0, 4,  8192, 4,  368, 31),     // 400
    twcore("23F1738",    0x2120, 2,  4096, 4,  256, 63),     // 401
    twcore("23F1744",    0x2160, 4,  8192, 4,  368, 31),     // 402
    twcore("23F1748",    0x2180, 4,  8192, 4,  368, 31),     // 403
};

static_assert(std::size(device_table) == NUMBER_OF_PROCESSORS);
