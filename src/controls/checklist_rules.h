// The checklist's size at a monitor's DPI, on plain values.
#pragma once

// The checklist at a DPI: 300 wide with rows 30 high at 96 DPI, both scaled, and 31 pixels high per
// catalogued window plus one (scaled), or taller where the frame (frame_height, above and below the
// client area, at that DPI) would leave the last row cut: every catalogued window's row lies fully
// inside the client area.
enum { CHECKLIST_WIDTH = 300, ROW_HEIGHT = 30 };
struct ChecklistSize {
    int width;
    int height;
    int row_height;
};
ChecklistSize checklist_size(int catalogue_size, unsigned dpi, int frame_height);
