// The answers of the picked windows' programs, kept by window, asked through the platform's hung-window test.
#include "catalogue/responding.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/picks.h"
#include "catalogue/responding_rules.h"

struct Watched {
    WindowId window;
    Answering answer;
};
static Watched watched[MAX_WINDOWS];  // the picked windows of the last pass
static int watched_count;

static const Watched *watched_before(WindowId window)
{
    for (int k = 0; k < watched_count; ++k)
        if (watched[k].window == window)
            return &watched[k];
    return NULL;
}

void check_responding(void)
{
    Watched now[MAX_WINDOWS];
    int count = 0;
    unsigned tick = GetTickCount();
    for (int i = 0; i < win_count; ++i) {
        HWND target = win_table[i].hwTarget;
        if (!row_ticked(i) || target == NULL)
            continue;
        const Watched *before = watched_before((WindowId)target);
        Watched w = before != NULL ? *before : Watched{(WindowId)target, {false, false, 0}};
        // The system's own test, which asks nothing of the window: a window that has not taken its messages
        // for five seconds is hung. A message sent to it, even with a time-out, would wait on it.
        if (ask_now(w.answer, tick)) {
            AnswerChange change = record_answer(w.answer, IsHungAppWindow(target) != 0, tick);
            if (change != ANSWER_SAME) {
                char title[TEXT_LEN];
                window_title(target, title);
                trace(change == ANSWER_STOPPED ? TXT_TR_NOT_RESPONDING : TXT_TR_RESPONDING, title);
            }
        }
        now[count++] = w;
    }
    for (int k = 0; k < count; ++k)
        watched[k] = now[k];
    watched_count = count;
}

bool entry_not_responding(int i)
{
    if (i < 0 || i >= win_count || !row_ticked(i))
        return false;
    const Watched *w = watched_before((WindowId)win_table[i].hwTarget);
    return w != NULL && w->answer.hung;
}
