/* Ending a program before main returns.  The status goes where the start-up
   code leaves main's result, so a program reports the same way whichever
   route it takes to the end. */

extern int __exit_status;

void exit(int status)
{
    __exit_status = status;
    /* As after main: a wake-up finds the sleep instruction again, so the
       caller never resumes. */
    for (;;) {
        _asm
            sleep
        _endasm
    }
}

/* 134 is the status that shells report for a program ended by SIGABRT, so
   an aborted run reads the same on the target as on the host. */
void abort(void)
{
    exit(134);
}
