/* A header with one mistake on its third line. */
typedef int count_t;
count_t broken(count_t c c);
