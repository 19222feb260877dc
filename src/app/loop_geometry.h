// Sizes and rectangles that the main loop derives on every iteration.
#pragma once
#include "app/geometry.h"

// The checklist is 300 wide and 31 pixels high per catalogued window plus one.
enum { CHECKLIST_WIDTH = 300 };
int checklist_height(int catalogue_size);

// What the main loop hands to the toggle button for the foreground window: its left edge,
// top edge and width, adjusted for a maximised window; a minimised one parks the button.
struct ButtonAnchor {
    int left;
    int top;
    int width;
};
ButtonAnchor button_anchor(bool minimised, bool maximised, const ScreenRect &window_rect);
