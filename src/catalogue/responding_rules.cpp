// When to ask a picked window's program again, and what a new answer says.
#include "catalogue/responding_rules.h"

bool ask_now(const Answering &a, unsigned now)
{
    return !a.asked || now - a.asked_at >= (unsigned)ASK_EVERY_MS;
}

AnswerChange record_answer(Answering &a, bool hung, unsigned now)
{
    AnswerChange change = hung && !a.hung ? ANSWER_STOPPED : !hung && a.hung ? ANSWER_BACK : ANSWER_SAME;
    a.asked = true;
    a.hung = hung;
    a.asked_at = now;
    return change;
}
