// Fixed capacities of the window table and of the program's text buffers.
#pragma once

enum {
    MAX_WINDOWS = 30,  // catalogue entries, checklist rows and remembered ticks
    MAX_POPUPS = 8,    // pop-up mirrors: a menu with two sub-menus and a tooltip is four
    TEXT_LEN = 1024,   // window titles, class names and settings values
    PATH_LEN = 260     // the settings file's path
};

// Entries 0 .. win_count - 1 form the catalogue; the entry just past it is still pumped,
// relabelled and consulted for ticks, but only while the table has room for it.
inline int entries_with_next(int win_count)
{
    if (win_count < 0)
        return 0;
    return win_count + 1 < MAX_WINDOWS ? win_count + 1 : MAX_WINDOWS;
}
