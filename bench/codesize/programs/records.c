// A table of sensor records: searching by id, updating fields, keeping minimum, maximum and average per record.
// CODESIZE-EXPECT: 04 02 03 04 FB FF 19 00 0D 00 07 02 D8 FF DD FF DB FF 09 02 E7 03 E8 03 E7 03 01 02 00 00 02 00 01 00
// CODESIZE-NEEDS: runtime
#include "bench.h"

struct record {
    u8 id;
    u8 count;
    s16 min;
    s16 max;
    s16 total;
};

#define N_RECORDS 4

struct record records[N_RECORDS];
u8 n_records;

struct record *find_or_add(u8 id)
{
    u8 i;
    struct record *r;
    for (i = 0; i < n_records; i++)
        if (records[i].id == id)
            return &records[i];
    if (n_records == N_RECORDS)
        return 0;
    r = &records[n_records++];
    r->id = id;
    r->count = 0;
    r->min = 32767;
    r->max = -32767 - 1;
    r->total = 0;
    return r;
}

u8 rejected;

void log_reading(u8 id, s16 value)
{
    struct record *r = find_or_add(id);
    if (!r) {
        rejected++;
        return;
    }
    r->count++;
    r->total += value;
    if (value < r->min)
        r->min = value;
    if (value > r->max)
        r->max = value;
}

u8 ids[12] = { 3, 7, 3, 9, 7, 3, 1, 5, 3, 9, 6, 1 };
s16 readings[12] = { 20, -40, 25, 1000, -35, 15, 0, 77, -5, 999, 3, 2 };

void main(void)
{
    u8 i;
    struct record *r;
    for (i = 0; i < 12; i++)
        log_reading(ids[i], readings[i]);
    put8(n_records);
    put8(rejected);
    for (i = 0; i < n_records; i++) {
        r = &records[i];
        put8(r->id);
        put8(r->count);
        put16(r->min);
        put16(r->max);
        put16(r->total / r->count);
    }
}
