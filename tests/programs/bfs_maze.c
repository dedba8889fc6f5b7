/* Shortest paths through a maze by breadth-first search, with the queue
   in a static array: the distance to the exit, the path drawn back into
   the maze, and the count of reachable cells. */
#include <stdio.h>
#include <stdlib.h>

#define W 12
#define H 8

static char maze[H][W + 1] = {
    "S.#.........", ".##.####.##.", "....#..#..#.", "##.##.##.#..",
    "...#...#.#.#", ".#...#...#..", ".####.###.#.", "......#....E",
};
static unsigned char dist[H][W];
static unsigned char queue[H * W];

int main(void)
{
    int head = 0, tail = 0, reached = 0, x, y;
    int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
    for (y = 0; y < H; y++)
        for (x = 0; x < W; x++)
            dist[y][x] = 255;
    dist[0][0] = 0;
    queue[tail++] = 0;
    while (head < tail) {
        int cell = queue[head++], k;
        x = cell % W;
        y = cell / W;
        reached++;
        for (k = 0; k < 4; k++) {
            int nx = x + dx[k], ny = y + dy[k];
            if (nx < 0 || ny < 0 || nx >= W || ny >= H || maze[ny][nx] == '#' || dist[ny][nx] != 255)
                continue;
            dist[ny][nx] = (unsigned char)(dist[y][x] + 1);
            queue[tail++] = (unsigned char)(ny * W + nx);
        }
    }
    x = W - 1;
    y = H - 1;
    printf("%d steps, %d cells\n", dist[y][x], reached);
    if (dist[y][x] == 255)
        abort();
    while (dist[y][x] != 0) {
        int k;
        for (k = 0; k < 4; k++) {
            int nx = x + dx[k], ny = y + dy[k];
            if (nx >= 0 && ny >= 0 && nx < W && ny < H && dist[ny][nx] == dist[y][x] - 1) {
                x = nx;
                y = ny;
                break;
            }
        }
        if (maze[y][x] == '.')
            maze[y][x] = 'o';
    }
    for (y = 0; y < H; y++)
        printf("%s\n", maze[y]);
    return dist[H - 1][W - 1];
}
