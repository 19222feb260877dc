// Plain geometry records shared by the pure decisions and the Win32 code.
#pragma once
#include <stdint.h>

// A window handle as a plain value; 0 is no window.
typedef uintptr_t WindowId;

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

// One monitor's place on the virtual screen, in pixels.
typedef Box MonitorArea;

inline bool same_rect(const ScreenRect &a, const ScreenRect &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool same_box(const Box &a, const Box &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline Box box_of(const ScreenRect &r)
{
    return Box{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The part of a that lies in b, in the coordinates of both; where they do not meet, an empty rectangle
// (its right edge at its left, its bottom at its top).
inline ScreenRect overlap(const Box &a, const Box &b)
{
    int left = a.x > b.x ? a.x : b.x, top = a.y > b.y ? a.y : b.y;
    int right = a.x + a.width < b.x + b.width ? a.x + a.width : b.x + b.width;
    int bottom = a.y + a.height < b.y + b.height ? a.y + a.height : b.y + b.height;
    return ScreenRect{left, top, right > left ? right : left, bottom > top ? bottom : top};
}

// Where the main monitor's picture lands on the external monitor: a point p of the main monitor
// lands at origin + scale x (p - main origin).
struct Mapping {
    double scale;
    double origin_x;  // where the main monitor's origin lands
    double origin_y;
    int main_x;
    int main_y;
};
