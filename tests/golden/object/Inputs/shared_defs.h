extern char from_header_extern;
char from_header;
