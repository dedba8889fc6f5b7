// The processor database: one compiled-in row per device of the four core
// families, numbered 1 to 403 in table order.
#pragma once

enum instruction_set { _TwCORE = 1, _SyCORE = 2, _BaCORE = 3, _VxCORE = 4 };

constexpr int NUMBER_OF_PROCESSORS = 403;
constexpr int DEFAULT_PROCESSOR = 221; // the generic VxCORE device

const char *getDvsProcName(int processor);
int convertDvsProcName(const char *name, int *processor);
int getInstSet(int processor);
unsigned getDvsProcType(int processor);
int convertDvsProcType(unsigned proc_type);
int isDvsProcTypeSupported(int ignored, unsigned proc_type);
unsigned getRomWidth(int processor);
unsigned getRamWidth(int processor);
unsigned getNumberOfPages(int processor);
unsigned getProgramLocations(int processor);
unsigned getLocationsPerPage(int processor);
unsigned getNumberOfBanks(int processor);
unsigned getDataLocations(int processor);
unsigned getLocationsPerBank(int processor);
unsigned getMaxROMAddr(int processor);
unsigned getMaxRAMAddr(int processor);
unsigned getDataBankNumber(int processor, unsigned address);
unsigned getDataBankOffset(int processor, unsigned address);
int isGpr(int ignored, int processor, unsigned address);
int supports_extended_mode(int processor);
