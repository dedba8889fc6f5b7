// Floats in every kind of storage: locals, globals, statics, arrays, struct members, through pointers, in program memory; as arguments and return values; compound assignments and ++/-- in prefix and postfix forms.
#include "../e2e.h"
#include "../e2e_float.h"

rom float rom_table[8] = { 0.1f, -2.5f, 1.0e-20f, 3.0e20f, -0.0f, 7.0f, 0.33333334f, -1.0e-40f };

struct sample {
    u8 tag;
    float value;
    s16 count;
    float scale;
};

struct sample samples[3] = {
    { 1, 0.25f, 3, 2.0f },
    { 2, -1.5f, -4, 0.1f },
    { 3, 1000.0f, 7, -0.001f },
};

float gain = 1.75f;
float history[5];

/* Floats between narrower arguments shift every later one in the frame. */
float weigh(u8 n, float a, s16 m, float b, float c)
{
    return a * n + b * m - c;
}

float sum_array(const float *p, u8 n)
{
    float s = 0.0f;
    while (n--)
        s += *p++;
    return s;
}

void scale_in_place(float *p, float k)
{
    *p *= k;
    p[0] -= 1.0f;
}

struct sample *largest(struct sample *a, struct sample *b)
{
    return a->value * a->scale > b->value * b->scale ? a : b;
}

float next_step(void)
{
    static float step = 0.5f;
    step = step * 1.5f;
    return step;
}

float pick_rom(u8 i)
{
    return rom_table[i & 7];
}

void main(void)
{
    u8 i;
    float f, g, locals[4];
    float *p;
    struct sample s;
    struct sample *sp;

    /* Singled out so that a fault shows which case it is in. */
    put_float(weigh(3, gain, -2, samples[1].value, rom_table[0]));
    put_float(pick_rom(3) * pick_rom(2));
    f = samples[2].value;
    put_float(f++);
    put_float(++f);
    put_float(f--);
    put_float(--f);

    check = 0;
    for (i = 0; i < 8; i++) {
        f = rom_table[i];
        mix_float(f);
        g = pick_rom(i + 1);
        mix_float(f + g);
        history[i % 5] = f * gain;
        locals[i & 3] = history[i % 5] - g;
    }
    for (i = 0; i < 5; i++)
        mix_float(history[i]);
    mix_float(sum_array(history, 5));
    mix_float(sum_array(locals, 4));
    mix_float(sum_array(&history[1], 3));
    put16(check);

    /* Struct members, whole struct copies and pointers to members. */
    check = 0;
    for (i = 0; i < 3; i++) {
        s = samples[i];
        s.value += s.scale;
        s.scale *= s.count;
        s.value /= s.scale;
        mix_float(s.value);
        mix_float(s.scale);
        mix(s.tag);
        p = &samples[i].value;
        scale_in_place(p, gain);
        mix_float(samples[i].value);
        sp = &samples[i];
        sp->scale -= sp->value;
        mix_float(sp->scale);
    }
    sp = largest(&samples[0], &samples[1]);
    mix(sp->tag);
    sp = largest(sp, &samples[2]);
    mix(sp->tag);
    mix_float(sp->value);
    put16(check);

    /* Compound assignments and steps on globals, array elements, members
       and through pointers. */
    check = 0;
    f = 10.0f;
    g = 0.1f;
    for (i = 0; i < 6; i++) {
        f += g;
        mix_float(f);
        f -= rom_table[i];
        mix_float(f);
        f *= gain;
        mix_float(f);
        f /= 3.0f;
        mix_float(f);
        gain += 0.125f;
        history[i % 5] *= f;
        mix_float(history[i % 5]);
        history[i % 5]++;
        mix_float(history[i % 5]);
        --history[(i + 2) % 5];
        samples[i % 3].value++;
        mix_float(samples[i % 3].value--);
        mix_float(samples[i % 3].value);
        p = &locals[i & 3];
        (*p)++;
        mix_float(*p);
        mix_float((*p)--);
        *p /= f;
        mix_float(locals[i & 3]);
        mix_float(next_step());
    }
    mix_float(gain);
    for (i = 0; i < 5; i++)
        mix_float(history[i]);
    put16(check);

    /* Steps near 2^24 where adding one is no longer exact. */
    f = 16777214.0f;
    f++;
    f++;
    put_float(f);
    f++;
    put_float(f);
    g = 0.5f;
    g--;
    g--;
    put_float(g);
    put_float(next_step());
}
