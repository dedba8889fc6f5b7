/* Sorting records by several keys with qsort: names with strcmp, then by
   score descending with ties broken by name; bsearch by name. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct player {
    char name[8];
    int score;
    unsigned char level;
};

static struct player team[8] = {
    { "mira", 310, 3 }, { "olek", 95, 1 }, { "ada", 310, 4 }, { "zed", -20, 1 },
    { "kai", 1200, 9 }, { "bo", 95, 2 }, { "nell", 640, 6 }, { "ivo", 0, 1 },
};

static int by_name(const void *a, const void *b)
{
    return strcmp(((const struct player *)a)->name, ((const struct player *)b)->name);
}

static int by_score(const void *a, const void *b)
{
    const struct player *p = a;
    const struct player *q = b;
    if (p->score != q->score)
        return p->score < q->score ? 1 : -1;
    return strcmp(p->name, q->name);
}

static void show(void)
{
    int i;
    for (i = 0; i < 8; i++)
        printf("%-5s%5d%3u\n", team[i].name, team[i].score, team[i].level);
}

int main(void)
{
    struct player key;
    struct player *hit;
    qsort(team, 8, sizeof team[0], by_name);
    show();
    strcpy(key.name, "nell");
    hit = bsearch(&key, team, 8, sizeof team[0], by_name);
    if (hit == NULL || hit->score != 640)
        abort();
    strcpy(key.name, "nobody");
    if (bsearch(&key, team, 8, sizeof team[0], by_name) != NULL)
        abort();
    qsort(team, 8, sizeof team[0], by_score);
    show();
    if (strcmp(team[2].name, "ada") != 0 || strcmp(team[4].name, "bo") != 0)
        abort();
    return team[0].level;
}
