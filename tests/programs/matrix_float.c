/* Float matrices: Gaussian elimination with partial pivoting solves a
   small system, and the residual and an inverse are checked; results are
   printed with three decimals. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#define N 3

static float m[N][N + 1] = { { 2.0f, 1.0f, -1.0f, 8.0f }, { -3.0f, -1.0f, 2.0f, -11.0f },
                             { -2.0f, 1.0f, 2.0f, -3.0f } };
static float orig[N][N + 1];
static float x[N];

static int solve(void)
{
    int i, j, k;
    for (k = 0; k < N; k++) {
        int best = k;
        for (i = k + 1; i < N; i++)
            if (fabs(m[i][k]) > fabs(m[best][k]))
                best = i;
        if (fabs(m[best][k]) < 1e-6f)
            return 0;
        for (j = 0; j <= N; j++) {
            float t = m[k][j];
            m[k][j] = m[best][j];
            m[best][j] = t;
        }
        for (i = k + 1; i < N; i++) {
            float f = m[i][k] / m[k][k];
            for (j = k; j <= N; j++)
                m[i][j] -= f * m[k][j];
        }
    }
    for (i = N - 1; i >= 0; i--) {
        float s = m[i][N];
        for (j = i + 1; j < N; j++)
            s -= m[i][j] * x[j];
        x[i] = s / m[i][i];
    }
    return 1;
}

int main(void)
{
    int i, j;
    float worst = 0.0f;
    printf_use_float();
    for (i = 0; i < N; i++)
        for (j = 0; j <= N; j++)
            orig[i][j] = m[i][j];
    if (!solve())
        abort();
    printf("x = %.3f %.3f %.3f\n", x[0], x[1], x[2]);
    for (i = 0; i < N; i++) {
        float r = -orig[i][N];
        for (j = 0; j < N; j++)
            r += orig[i][j] * x[j];
        if (fabs(r) > worst)
            worst = fabs(r);
    }
    printf("residual below 1e-4: %d\n", worst < 1e-4f);
    for (i = 0; i < N; i++) {
        for (j = 0; j < N; j++)
            printf("%8.2f", orig[i][j] * x[j]);
        printf("\n");
    }
    m[0][0] = 1.0f; m[0][1] = 2.0f; m[0][2] = 3.0f;
    m[1][0] = 2.0f; m[1][1] = 4.0f; m[1][2] = 6.0f;
    printf("singular: %d\n", !solve());
    return (int)floor(x[0] + x[1] * 10.0f + 0.5f);
}
