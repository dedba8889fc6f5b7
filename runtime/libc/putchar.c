/* The one routine through which the printf family writes: a program that
   defines its own putchar redirects all of it. */
#include <stdio.h>
#include <vxcore.h>

int putchar(int c)
{
    while (!(TXSTA & TXSTA_TRMT))
        ;
    TXREG = c;
    return (unsigned char)c;
}
