/* Cooperative round-robin scheduler with periodic tasks and message queues. */
#include "vxregs.h"

#define MAX_TASKS 6
#define QUEUE_DEPTH 4

typedef enum { TASK_IDLE, TASK_READY, TASK_WAITING, TASK_SUSPENDED } task_state_t;

typedef struct message {
    u8 kind;
    u16 argument;
} message_t;

typedef struct task task_t;
typedef void (*task_fn)(task_t *self, const message_t *msg);

struct task {
    const rom char *name;
    task_fn run;
    task_state_t state;
    u16 period;
    u16 countdown;
    message_t queue[QUEUE_DEPTH];
    u8 queue_head, queue_count;
    u16 runs;
};

static task_t tasks[MAX_TASKS];
static u8 task_count;
static volatile u16 ticks_pending;

s8 task_create(const rom char *name, task_fn run, u16 period)
{
    task_t *t;

    if (task_count >= MAX_TASKS)
        return -1;
    t = &tasks[task_count];
    t->name = name;
    t->run = run;
    t->period = period;
    t->countdown = period;
    t->state = period ? TASK_WAITING : TASK_IDLE;
    t->queue_head = t->queue_count = 0;
    t->runs = 0;
    return (s8)task_count++;
}

bool_t task_post(u8 id, u8 kind, u16 argument)
{
    task_t *t;
    u8 slot;

    if (id >= task_count)
        return FALSE;
    t = &tasks[id];
    if (t->queue_count == QUEUE_DEPTH)
        return FALSE;
    slot = (u8)((t->queue_head + t->queue_count) % QUEUE_DEPTH);
    t->queue[slot].kind = kind;
    t->queue[slot].argument = argument;
    t->queue_count++;
    if (t->state != TASK_SUSPENDED)
        t->state = TASK_READY;
    return TRUE;
}

static void tick(void)
{
    u8 i;
    task_t *t;

    for (i = 0; i < task_count; i++) {
        t = tasks + i;
        if (t->state == TASK_SUSPENDED || t->period == 0)
            continue;
        if (t->countdown && --t->countdown == 0) {
            t->countdown = t->period;
            t->state = TASK_READY;
        }
    }
}

static void run_ready(void)
{
    u8 i;
    task_t *t;
    message_t msg;
    const message_t *pending;

    for (i = 0; i < task_count; i++) {
        t = &tasks[i];
        if (t->state != TASK_READY)
            continue;
        pending = NULL;
        if (t->queue_count) {
            msg = t->queue[t->queue_head];
            t->queue_head = (u8)((t->queue_head + 1) % QUEUE_DEPTH);
            t->queue_count--;
            pending = &msg;
        }
        t->state = t->queue_count ? TASK_READY : (t->period ? TASK_WAITING : TASK_IDLE);
        t->runs++;
        t->run(t, pending);
    }
}

void scheduler_run(void)
{
    u16 pending;

    for (;;) {
        DISABLE_INTERRUPTS();
        pending = ticks_pending;
        ticks_pending = 0;
        ENABLE_INTERRUPTS();
        while (pending--)
            tick();
        run_ready();
    }
}

void scheduler_isr(void);
#pragma interrupt scheduler_isr

void scheduler_isr(void)
{
    if (INTCONbits.TMR0IF) {
        INTCONbits.TMR0IF = 0;
        ticks_pending++;
    }
}

static u8 led_task, button_task, report_task;

static void led_run(task_t *self, const message_t *msg)
{
    static u8 pattern = 1;

    if (msg && msg->kind == 1)
        pattern = (u8)msg->argument;
    LATB = pattern;
    pattern = (u8)((pattern << 1) | (pattern >> 7));
    (void)self;
}

static void button_run(task_t *self, const message_t *msg)
{
    static u8 last;
    u8 now = PORTA & 0x01;

    if (now && !last)
        task_post(led_task, 1, 0x81);
    last = now;
    (void)self;
    (void)msg;
}

static void report_run(task_t *self, const message_t *msg)
{
    u8 i;
    u16 total = 0;

    for (i = 0; i < task_count; i++)
        total += tasks[i].runs;
    if (msg == NULL && total > 1000)
        self->state = TASK_SUSPENDED;
}

void main(void)
{
    TRISB = 0;
    T0CON = 0xC4;
    INTCONbits.TMR0IE = 1;
    led_task = (u8)task_create("led", led_run, 100);
    button_task = (u8)task_create("button", button_run, 10);
    report_task = (u8)task_create("report", report_run, 1000);
    ENABLE_INTERRUPTS();
    scheduler_run();
}
