// Fixed capacities of the window table and of the program's text buffers.
#pragma once

enum {
    MAX_WINDOWS = 30,  // catalogue entries, checklist rows and remembered ticks
    MAX_POPUPS = 8,    // pop-up mirrors: a menu with two sub-menus and a tooltip is four
    TEXT_LEN = 1024,   // window titles, class names and settings values
    PATH_LEN = 260,    // the settings file's path
    MAX_OWNER_CHAIN = 8  // owners looked at above a window
};
