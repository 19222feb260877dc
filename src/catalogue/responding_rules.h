// Whether a picked window's program answers, on plain values: how often it is asked, and which line a new
// answer brings.
#pragma once

enum { ASK_EVERY_MS = 1000 };  // each picked window's program at most once a second

// What the program knows of one picked window's program.
struct Answering {
    bool asked;               // asked at least once
    bool hung;                // as last asked: it has not taken its messages for some seconds
    unsigned asked_at;        // milliseconds, a 32-bit tick count that wraps around
};

// Whether to ask again now: never asked, or asked a second ago or more (across the tick count's wrap too).
bool ask_now(const Answering &a, unsigned now);

// Records an answer. The line it brings: it stopped answering (and it did not before, or it is asked for the
// first time), it answers again, or nothing new.
enum AnswerChange { ANSWER_SAME, ANSWER_STOPPED, ANSWER_BACK };
AnswerChange record_answer(Answering &a, bool hung, unsigned now);
