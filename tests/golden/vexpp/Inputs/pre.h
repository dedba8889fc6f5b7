#define FROM_PREINCLUDE 42
preinclude_text
