// Scaling the program's sizes to a monitor's DPI.
#include "base/dpi_rules.h"

bool dpi_usable(unsigned dpi)
{
    return dpi >= BASE_DPI && dpi <= HIGHEST_DPI;
}

int scale_to_dpi(int size, unsigned dpi)
{
    if (!dpi_usable(dpi))
        return size;
    long long scaled = (long long)size * dpi;
    long long half = BASE_DPI / 2;
    return (int)(scaled >= 0 ? (scaled + half) / BASE_DPI : -((-scaled + half) / BASE_DPI));
}
