/* A bank: accounts as structs, deposits, withdrawals refused beyond an
   overdraft limit, transfers, monthly interest in whole cents with long
   arithmetic, and a ledger total that must stay balanced. */
#include <stdio.h>
#include <stdlib.h>

struct account {
    unsigned char id;
    long cents;
    long limit;
    int refused;
};

static struct account bank[4] = {
    { 10, 150000L, 0, 0 }, { 11, 2500L, 10000L, 0 }, { 12, 0, 500L, 0 }, { 13, 99999L, 0, 0 },
};
static long created;

static struct account *find(unsigned char id)
{
    int i;
    for (i = 0; i < 4; i++)
        if (bank[i].id == id)
            return &bank[i];
    return NULL;
}

static int withdraw(struct account *a, long amount)
{
    if (a->cents - amount < -a->limit) {
        a->refused++;
        return 0;
    }
    a->cents -= amount;
    return 1;
}

static int transfer(unsigned char from, unsigned char to, long amount)
{
    struct account *a = find(from);
    struct account *b = find(to);
    if (a == NULL || b == NULL || !withdraw(a, amount))
        return 0;
    b->cents += amount;
    return 1;
}

static long total(void)
{
    long t = 0;
    int i;
    for (i = 0; i < 4; i++)
        t += bank[i].cents;
    return t;
}

int main(void)
{
    long before = total();
    int ok = 0, month, i;
    ok += transfer(10, 11, 30000L);
    ok += transfer(12, 13, 400L);
    ok += transfer(12, 13, 200L);
    ok += transfer(11, 14, 5L);
    ok += transfer(13, 10, 100399L);
    ok += transfer(11, 12, 42500L);
    if (total() != before)
        abort();
    for (month = 1; month <= 6; month++) {
        for (i = 0; i < 4; i++) {
            /* 1.5% a month on positive balances, rounded half up. */
            if (bank[i].cents > 0) {
                long interest = (bank[i].cents * 15L + 500L) / 1000L;
                bank[i].cents += interest;
                created += interest;
            }
        }
    }
    for (i = 0; i < 4; i++)
        printf("%u %9ld.%02ld %d\n", bank[i].id, bank[i].cents / 100, labs(bank[i].cents % 100),
               bank[i].refused);
    printf("%d %ld %ld\n", ok, created, total());
    if (total() != before + created)
        abort();
    return ok;
}
