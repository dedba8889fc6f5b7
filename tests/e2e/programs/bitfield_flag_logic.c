// One-bit and wider bit-fields steering control flow: if and while on single flags and their negations, && and || chains, ?:, switch on a field and fields as array indexes, in a small task scheduler whose counters step with ++, -- and compound assignments on fields.
#include "../e2e.h"

struct task {
    unsigned ready : 1;
    unsigned blocked : 1;
    unsigned done : 1;
    unsigned priority : 2;
    unsigned retries : 3;
    u8 work;
    unsigned state : 3;
    unsigned ticks : 4;
    unsigned overflowed : 1;
};

#define TASKS 5

struct task tasks[TASKS];
u8 trace[24];
u8 trace_len;

rom u8 state_weight[8] = { 1, 2, 4, 8, 16, 32, 64, 128 };

void log_event(u8 e)
{
    if (trace_len < sizeof trace)
        trace[trace_len++] = e;
}

/* Highest priority first, the lowest index among equals; 0xFF when none
   can run. */
u8 pick(void)
{
    u8 i, best = 0xFF;
    for (i = 0; i < TASKS; i++) {
        if (!tasks[i].ready || tasks[i].blocked || tasks[i].done)
            continue;
        if (best == 0xFF || tasks[i].priority > tasks[best].priority)
            best = i;
    }
    return best;
}

void step(struct task *t, u8 index)
{
    t->ticks++;
    if (t->ticks == 0)
        t->overflowed = 1;
    switch (t->state) {
    case 0:
        t->state = 1;
        break;
    case 1:
        if (t->work > 40)
            t->work -= 40;
        else
            t->state = 2;
        break;
    case 2:
        t->blocked = 1;
        t->retries += 3;
        t->state = t->retries & 1 ? 3 : 4;
        break;
    case 3:
    case 4:
        t->priority--;
        t->state++;
        break;
    default:
        t->done = 1;
        t->ready = 0;
        break;
    }
    log_event((u8)(index << 4 | t->state));
}

void unblock_all(void)
{
    struct task *t;
    for (t = tasks; t < tasks + TASKS; t++)
        if (t->blocked && !t->done)
            t->blocked = 0;
}

void main(void)
{
    struct task *t;
    u8 i, chosen, rounds, flags;
    u16 check;

    for (i = 0; i < TASKS; i++) {
        t = &tasks[i];
        t->ready = i != 2;
        t->priority = (u8)(i * 3);
        t->retries = i;
        t->work = (u8)(i * 50 + 10);
        t->ticks = (u8)(i * 4);
    }
    rounds = 0;
    while ((chosen = pick()) != 0xFF && rounds < 200) {
        step(&tasks[chosen], chosen);
        if ((rounds & 7) == 7)
            unblock_all();
        rounds++;
    }
    put8(rounds);
    put8(trace_len);
    check = 0;
    for (i = 0; i < trace_len; i++)
        check = (u16)(check * 7 + trace[i]);
    put16(check);
    put8(trace[0]);
    put8(trace[trace_len - 1]);

    check = 0;
    for (i = 0; i < TASKS; i++) {
        t = &tasks[i];
        flags = (u8)(t->ready | t->blocked << 1 | t->done << 2 | t->overflowed << 3);
        check = (u16)(check * 11 + flags + state_weight[t->state] + t->retries * 3 + t->ticks);
        put8(t->done ? t->priority : (u8)(0x80 | t->state));
    }
    put16(check);

    /* The never-ready task only ever reaches here. */
    t = &tasks[2];
    flags = 0;
    if (t->ready)
        flags |= 1;
    if (!t->ready && !t->done)
        flags |= 2;
    if (t->ready || t->blocked || t->priority == 2)
        flags |= 4;
    while (!t->ready) {
        t->ticks += 5;
        if (t->ticks < 5)
            t->ready = 1;
        flags += 0x10;
    }
    put8(flags);
    put8(t->ticks);
    put8(t->retries-- + 1);
    put8(--t->retries);
    put8(t->work++);
    put8(state_weight[t->retries]);
}
