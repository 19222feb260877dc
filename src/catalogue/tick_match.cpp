// Byte-for-byte lookup of a title among the remembered slots.
#include "catalogue/tick_match.h"
#include "catalogue/text_rules.h"

int remembered_slot(const char *title, const char (*slots)[TEXT_LEN], int slot_count)
{
    if (title[0] == '\0')
        return -1;
    for (int j = 0; j < slot_count; ++j)
        if (same_text(title, slots[j]))
            return j;
    return -1;
}
