// vxar's two commands, apart from its command line so that the tests can
// run them.  Messages go to standard error as "vxar: error: ..."; the object
// reader's reason for rejecting a file goes to standard output.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

// Creates or replaces the archive of these objects, in this order, each
// member named by its file name.  Every unreadable file, non-object and
// clash of member names is reported; then the status is 1 and any earlier
// archive of that name stays as it was.
int vxar_create(const std::string &archive_path, const std::vector<std::string> &objects);

// Lists the members with their sizes and the symbols that each defines.
// Returns the exit status.
int vxar_list(const std::string &archive_path, FILE *out);
