// The checklist's width, height and rows at a DPI.
#include "controls/checklist_rules.h"
#include "base/dpi_rules.h"

ChecklistSize checklist_size(int catalogue_size, unsigned dpi, int frame_height)
{
    ChecklistSize size;
    size.width = scale_to_dpi(CHECKLIST_WIDTH, dpi);
    size.row_height = scale_to_dpi(ROW_HEIGHT, dpi);
    int rows_fit = frame_height + catalogue_size * size.row_height;
    int as_ever = scale_to_dpi(31 * (catalogue_size + 1), dpi);
    size.height = rows_fit > as_ever ? rows_fit : as_ever;
    return size;
}
