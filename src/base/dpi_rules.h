// Sizes at a monitor's scale, on plain values: the program's sizes are written for 96 DPI (100 %) and
// follow the DPI of the monitor each window stands on.
#pragma once

enum {
    BASE_DPI = 96,        // the program's own sizes
    HIGHEST_DPI = 384     // 400 %, the largest scale the sizes follow
};

// A DPI the sizes can follow: 96 to 384. Anything else, such as 0 from a window that has gone or a
// reading past every scale a laptop or a projector is set to, is unusable: the program's own sizes hold.
bool dpi_usable(unsigned dpi);

// A size written for 96 DPI at this DPI, rounded to the nearest pixel (halves away from zero), as the
// system scales its own metrics; unchanged for an unusable DPI.
int scale_to_dpi(int size, unsigned dpi);
