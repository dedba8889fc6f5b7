/* Host side of an end-to-end program: runs it and prints its result bytes
   in the same form as the target side, for the harness to compare. */
#include <stdio.h>

extern unsigned char out[];
extern unsigned char out_len;
void e2e_program_main(void);

int main(void)
{
    unsigned i;
    e2e_program_main();
    for (i = 0; i < out_len; i++)
        printf("%s%02X", i ? " " : "", out[i]);
    printf("\n");
    return 0;
}
