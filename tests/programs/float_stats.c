/* Statistics of a data set in float: mean, variance and standard
   deviation by Welford's method and by two passes, a least-squares line,
   and the median after qsort, printed with three decimals. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static float data[12] = { 2.5f, 3.75f, 1.25f, 8.0f, 6.5f, 4.0f, 5.25f, 7.5f, 3.0f, 9.25f, 0.5f, 6.0f };

static int by_value(const void *a, const void *b)
{
    float x = *(const float *)a, y = *(const float *)b;
    return (x > y) - (x < y);
}

int main(void)
{
    int i;
    float mean = 0.0f, m2 = 0.0f, sum = 0.0f, sq = 0.0f;
    float sx = 0.0f, sy = 0.0f, sxx = 0.0f, sxy = 0.0f, slope, icept;
    printf_use_float();
    for (i = 0; i < 12; i++) {
        float x = data[i];
        float delta = x - mean;
        mean += delta / (float)(i + 1);
        m2 += delta * (x - mean);
        sum += x;
        sx += (float)i;
        sy += x;
        sxx += (float)(i * i);
        sxy += (float)i * x;
    }
    for (i = 0; i < 12; i++)
        sq += (data[i] - sum / 12.0f) * (data[i] - sum / 12.0f);
    printf("%.3f %.3f %.3f %.3f\n", sum, mean, m2 / 11.0f, (float)sqrt(m2 / 11.0f));
    if (fabs(mean - sum / 12.0f) > 1e-4f || fabs(m2 - sq) > 1e-3f)
        abort();
    slope = (12.0f * sxy - sx * sy) / (12.0f * sxx - sx * sx);
    icept = (sy - slope * sx) / 12.0f;
    printf("y = %.3f x + %.3f\n", slope, icept);
    qsort(data, 12, sizeof data[0], by_value);
    for (i = 0; i < 12; i++)
        printf("%.2f%c", data[i], i == 11 ? '\n' : ' ');
    printf("median %.3f range %.2f\n", (data[5] + data[6]) / 2.0f, data[11] - data[0]);
    return (int)(mean * 10.0f);
}
