// Where the toggle button sits and how tall the wallpaper picture is drawn.
#pragma once
#include "app/geometry.h"

enum { BUTTON_WIDTH = 30, BUTTON_HEIGHT = 20 };

// 140 pixels left of the anchor's right edge, on its top edge, 30 x 20.
Box button_box(int left, int top, int width);

// The foreground windows the button never follows, by class name: the program's mirrors
// and the desktop's shell window.
bool button_ignores_class(const char *class_name);

// The picture is stretched to the monitor's width and a fixed 1280 : 700 proportion of it.
int wallpaper_picture_height(int monitor_width);
