// The compilation driver: run-wide file names, the current processor, and
// the steps of one compiler run.
#pragma once
#include <cstdio>

#include "support/list.h"
#include "support/position.h"

extern char pfile[MAX_PATH_LENGTH];        // the preprocessed ".i" file, in the current directory
extern char sfile[MAX_PATH_LENGTH];        // full path of the source file
extern char efile[MAX_PATH_LENGTH];        // the error file
extern char ofile[MAX_PATH_LENGTH];        // the object file
extern char basefilename[MAX_PATH_LENGTH]; // the source's base name
extern list *dependent_file_list;          // owned names of the files the preprocessed text came from
extern FILE *yyin;                         // the preprocessed file, read by the scanner

void SetProcessor(int id);
int GetProcessor();
const char *getObjectFileName();
const char *getSourceFilePath();

unsigned pathdir(char *buf, const char *path, unsigned size);
const char *pathfile(const char *path);

void signon();
void signoff();

void _initialize_compiler(const char *filename, const char *error_file_name, const char *object_file_name,
                          int processor);
void _uninitialize_compiler();

// The preprocessor's command line is joined and split again on the way to
// the child.  Returns a heap copy of `text` in double quotes that splits back
// into exactly `text`.
char *quote_argument(const char *text);

// Where the configuration pragma and the parser join the run: the device's
// configuration tables, the --help-config listing, and the parser's set-up
// and tear-down around the stages.
void stage_config_initialize();
void stage_config_help();
void stage_begin_parse();
void stage_end_parse();

// Runs the compilation stages in their fixed order, each only while no error
// has been posted.  Returns when the stages are done or a fatal diagnostic
// or the error limit ended them.
void run_compilation_stages();

int compiler_main(int argc, const char **argv);
