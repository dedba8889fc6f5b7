/* Integer matrices: products, transposes, powers of a small matrix (the
   Fibonacci numbers in long), determinants by cofactors, and identities
   such as (AB)^T = B^T A^T. */
#include <stdio.h>
#include <stdlib.h>

#define N 3

static int a[N][N] = { { 2, -1, 0 }, { 4, 3, -2 }, { 1, 5, 7 } };
static int b[N][N] = { { 1, 0, 2 }, { -3, 1, 1 }, { 0, 2, -1 } };
static int p[N][N], q[N][N], at[N][N], bt[N][N];

static void multiply(int r[N][N], int x[N][N], int y[N][N])
{
    int i, j, k;
    for (i = 0; i < N; i++)
        for (j = 0; j < N; j++) {
            int s = 0;
            for (k = 0; k < N; k++)
                s += x[i][k] * y[k][j];
            r[i][j] = s;
        }
}

static void transpose(int r[N][N], int x[N][N])
{
    int i, j;
    for (i = 0; i < N; i++)
        for (j = 0; j < N; j++)
            r[j][i] = x[i][j];
}

static int det(int m[N][N])
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
         - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
         + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

static void show(int m[N][N])
{
    int i;
    for (i = 0; i < N; i++)
        printf("%5d%5d%5d\n", m[i][0], m[i][1], m[i][2]);
}

int main(void)
{
    long f[2][2] = { { 1, 1 }, { 1, 0 } };
    long r[2][2] = { { 1, 0 }, { 0, 1 } };
    int i, j, n;
    multiply(p, a, b);
    show(p);
    transpose(at, a);
    transpose(bt, b);
    multiply(q, bt, at);
    for (i = 0; i < N; i++)
        for (j = 0; j < N; j++)
            if (q[j][i] != p[i][j])
                abort();
    printf("%d %d %d\n", det(a), det(b), det(p));
    if (det(p) != det(a) * det(b))
        abort();
    for (n = 1; n <= 40; n++) {
        long t00 = r[0][0] * f[0][0] + r[0][1] * f[1][0];
        long t01 = r[0][0] * f[0][1] + r[0][1] * f[1][1];
        long t10 = r[1][0] * f[0][0] + r[1][1] * f[1][0];
        long t11 = r[1][0] * f[0][1] + r[1][1] * f[1][1];
        r[0][0] = t00; r[0][1] = t01; r[1][0] = t10; r[1][1] = t11;
        if (n % 8 == 0)
            printf("F%d = %ld\n", n, r[0][1]);
    }
    if (r[0][0] * r[1][1] - r[0][1] * r[1][0] != 1)
        abort();
    return det(a) & 0x7F;
}
