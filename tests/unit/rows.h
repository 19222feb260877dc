// What the unit tables share: rows of numbers compared in one go, the program's rectangles among them.
#pragma once
#include "base/geometry.h"
#include <vector>

typedef std::vector<int> Ints;
inline Ints ints(const Box &b) { return {b.x, b.y, b.width, b.height}; }
inline Ints ints(const ScreenRect &r) { return {r.left, r.top, r.right, r.bottom}; }
