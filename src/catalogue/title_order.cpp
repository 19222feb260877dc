// Entry i takes, at most once, the first later entry whose title sorts before its own.
#include "catalogue/title_order.h"
#include "catalogue/text_rules.h"

int exchange_step(int i, int count, TitleOf title_of, SwapEntries swap, void *context)
{
    char title_i[TEXT_LEN];
    char title_j[TEXT_LEN];
    for (int j = i + 1; j < count; ++j) {
        title_of(j, title_j, context);
        title_of(i, title_i, context);
        if (compare_titles(title_i, title_j) > 0) {
            swap(i, j, context);
            return j;
        }
    }
    return -1;
}
