// Small float matrices: 3x3 products through pointers and struct copies, a rotation applied repeatedly, transpose, determinant and solving a system by Gaussian elimination.
#include "../e2e.h"
#include "../e2e_float.h"

struct mat3 {
    float m[3][3];
};

struct mat3 a = { { { 1.0f, 2.0f, 3.0f }, { -0.5f, 0.25f, 4.0f }, { 0.1f, -7.0f, 2.5f } } };
struct mat3 b = { { { 0.3f, -1.0f, 0.0f }, { 2.0f, 0.125f, -3.0f }, { 1.0e-3f, 5.0f, 1.0f } } };
/* A rotation by about 10 degrees about the z axis. */
rom float rot[3][3] = { { 0.98480775f, -0.17364818f, 0.0f },
                        { 0.17364818f, 0.98480775f, 0.0f },
                        { 0.0f, 0.0f, 1.0f } };

void mat_mul(struct mat3 *r, const struct mat3 *x, const struct mat3 *y)
{
    u8 i, j, k;
    float s;
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++) {
            s = 0.0f;
            for (k = 0; k < 3; k++)
                s += x->m[i][k] * y->m[k][j];
            r->m[i][j] = s;
        }
}

struct mat3 transpose(struct mat3 x)
{
    struct mat3 t;
    u8 i, j;
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++)
            t.m[j][i] = x.m[i][j];
    return t;
}

float det(const struct mat3 *x)
{
    return x->m[0][0] * (x->m[1][1] * x->m[2][2] - x->m[1][2] * x->m[2][1])
         - x->m[0][1] * (x->m[1][0] * x->m[2][2] - x->m[1][2] * x->m[2][0])
         + x->m[0][2] * (x->m[1][0] * x->m[2][1] - x->m[1][1] * x->m[2][0]);
}

void mix_mat(const struct mat3 *x)
{
    u8 i, j;
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++)
            mix_float(x->m[i][j]);
}

/* Elimination with partial pivoting on an augmented 3x4 system. */
void solve(float s[3][4], float x[3])
{
    u8 i, j, k, p;
    float t, f;
    for (i = 0; i < 3; i++) {
        p = i;
        for (j = i + 1; j < 3; j++) {
            t = s[j][i] < 0.0f ? -s[j][i] : s[j][i];
            f = s[p][i] < 0.0f ? -s[p][i] : s[p][i];
            if (t > f)
                p = j;
        }
        for (k = 0; k < 4; k++) {
            t = s[i][k];
            s[i][k] = s[p][k];
            s[p][k] = t;
        }
        for (j = i + 1; j < 3; j++) {
            f = s[j][i] / s[i][i];
            for (k = i; k < 4; k++)
                s[j][k] -= f * s[i][k];
        }
    }
    for (i = 3; i-- > 0;) {
        t = s[i][3];
        for (k = i + 1; k < 3; k++)
            t -= s[i][k] * x[k];
        x[i] = t / s[i][i];
    }
}

/* Out of main's frame, which the small stack cannot hold with them. */
struct mat3 c, r, t;
float sys[3][4];

void main(void)
{
    u8 i, j, n;
    float x[3];
    float v[3] = { 1.0f, 0.0f, 0.5f };
    float w[3];

    mat_mul(&c, &a, &b);
    put_float(c.m[0][0]);
    put_float(c.m[2][1]);
    check = 0;
    mix_mat(&c);
    mat_mul(&c, &b, &a);
    mix_mat(&c);
    t = transpose(a);
    mat_mul(&c, &t, &a);
    mix_mat(&c);
    put16(check);
    put_float(det(&a));
    put_float(det(&b));
    put_float(det(&c));

    /* Thirty-six rotations by 10 degrees should come back to the start;
       the rounding error is what is compared. */
    for (i = 0; i < 3; i++)
        for (j = 0; j < 3; j++)
            r.m[i][j] = rot[i][j];
    check = 0;
    for (n = 0; n < 36; n++) {
        for (i = 0; i < 3; i++) {
            w[i] = 0.0f;
            for (j = 0; j < 3; j++)
                w[i] += r.m[i][j] * v[j];
        }
        for (i = 0; i < 3; i++) {
            v[i] = w[i];
            mix_float(v[i]);
        }
    }
    put16(check);
    put_float(v[0]);
    put_float(v[1]);
    put_float(det(&r));

    for (i = 0; i < 3; i++) {
        for (j = 0; j < 3; j++)
            sys[i][j] = a.m[i][j];
        sys[i][3] = b.m[i][0] + b.m[i][1];
    }
    solve(sys, x);
    check = 0;
    for (i = 0; i < 3; i++) {
        mix_float(x[i]);
        /* The residual of each original equation. */
        mix_float(a.m[i][0] * x[0] + a.m[i][1] * x[1] + a.m[i][2] * x[2] - (b.m[i][0] + b.m[i][1]));
        for (j = 0; j < 4; j++)
            mix_float(sys[i][j]);
    }
    put16(check);
    put_float(x[0]);
    put_float(x[2]);
}
