// Plain geometry records shared by the pure decisions and the Win32 code.
#pragma once
#include <stdint.h>

// A window handle as a plain value; 0 is no window.
typedef uintptr_t WindowId;

// One monitor's place on the virtual screen, in pixels.
struct MonitorArea {
    int x;
    int y;
    int width;
    int height;
};

// A window rectangle in screen coordinates, frame included.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ScreenPoint {
    int x;
    int y;
};

// A position and size, as MoveWindow and SetWindowPos take them.
struct Box {
    int x;
    int y;
    int width;
    int height;
};

// Where the main monitor's picture lands on the external monitor: a point p of the main monitor
// lands at origin + scale x (p - main origin).
struct Mapping {
    double scale;
    double origin_x;  // where the main monitor's origin lands
    double origin_y;
    int main_x;
    int main_y;
};
