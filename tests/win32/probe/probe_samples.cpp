// Sample application windows of the tests. Each runs its own thread and message loop, paints
// a known picture (a colour pattern that depends on its seed and on the position, or a solid
// colour), and can be told to stop answering messages for a while.
#include "probe.h"
#include <map>
#include <stdio.h>
#include <stdlib.h>

enum { WM_PROBE_HANG = WM_APP + 1 };

struct Sample {
    HWND hwnd = NULL;
    HANDLE thread = NULL;
    HANDLE ready = NULL;
    HANDLE release = NULL;  // ends a hang early
    volatile LONG fill = -1; // a COLORREF, or -1 for the pattern
    int seed = 0;
    std::string class_name, title;
    int x = 0, y = 0, w = 0, h = 0, show = SW_SHOWNORMAL;
    DWORD style = WS_OVERLAPPEDWINDOW, exstyle = 0;
    HWND owner = NULL;
};

static std::map<HWND, Sample *> samples;

static COLORREF pattern_colour(int seed, int cell)
{
    unsigned v = (unsigned)(seed * 2654435761u) ^ (unsigned)(cell * 40503u);
    v ^= v >> 13;
    v *= 0x5bd1e995u;
    v ^= v >> 15;
    return RGB(40 + (v & 0xBF), 40 + ((v >> 8) & 0xBF), 40 + ((v >> 16) & 0xBF));
}

static void paint_sample(HWND hwnd, HDC dc, Sample *s)
{
    RECT client;
    GetClientRect(hwnd, &client);
    LONG fill = s->fill;
    if (fill != -1) {
        HBRUSH b = CreateSolidBrush((COLORREF)fill);
        FillRect(dc, &client, b);
        DeleteObject(b);
        return;
    }
    enum { CELL_W = 37, CELL_H = 23 };
    for (int top = 0; top < client.bottom; top += CELL_H) {
        for (int left = 0; left < client.right; left += CELL_W) {
            RECT cell = {left, top, left + CELL_W, top + CELL_H};
            HBRUSH b = CreateSolidBrush(pattern_colour(s->seed, (left / CELL_W) * 7 + (top / CELL_H) * 3));
            FillRect(dc, &cell, b);
            DeleteObject(b);
        }
    }
}

static LRESULT CALLBACK sample_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    Sample *s = (Sample *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA *)lp)->lpCreateParams);
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (s)
            paint_sample(hwnd, dc, s);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PROBE_HANG:
        WaitForSingleObject(s->release, (DWORD)wp);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static DWORD WINAPI sample_thread(void *param)
{
    Sample *s = (Sample *)param;
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = sample_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.lpszClassName = s->class_name.c_str();
    RegisterClassA(&wc);  // fails harmlessly when the class exists
    s->hwnd = CreateWindowExA(s->exstyle, s->class_name.c_str(), s->title.c_str(), s->style, s->x, s->y, s->w, s->h,
                              s->owner, NULL, GetModuleHandleA(NULL), s);
    if (s->hwnd) {
        ShowWindow(s->hwnd, s->show);
        UpdateWindow(s->hwnd);
    }
    SetEvent(s->ready);
    if (!s->hwnd)
        return 1;
    MSG m;
    while (GetMessageA(&m, NULL, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}

static Sample *sample_arg(const std::string &text)
{
    auto it = samples.find(hwnd_arg(text));
    return it == samples.end() ? NULL : it->second;
}

std::string cmd_open(const Args &args)
{
    Sample *s = new Sample;
    s->class_name = from_hex(option(args, "class", to_hex("VtSample")));
    s->title = from_hex(option(args, "title", "-"));
    s->x = atoi(option(args, "x", "100").c_str());
    s->y = atoi(option(args, "y", "100").c_str());
    s->w = atoi(option(args, "w", "400").c_str());
    s->h = atoi(option(args, "h", "300").c_str());
    s->show = atoi(option(args, "show", "1").c_str());
    s->seed = atoi(option(args, "seed", "1").c_str());
    s->style = (DWORD)strtoul(option(args, "style", "00cf0000").c_str(), NULL, 16);
    s->exstyle = (DWORD)strtoul(option(args, "exstyle", "0").c_str(), NULL, 16);
    s->owner = hwnd_arg(option(args, "owner", "0"));
    std::string fill = option(args, "fill", "");
    if (!fill.empty()) {
        unsigned v = (unsigned)strtoul(fill.c_str(), NULL, 16);
        s->fill = (LONG)RGB((v >> 16) & 255, (v >> 8) & 255, v & 255);
    }
    s->ready = CreateEventA(NULL, TRUE, FALSE, NULL);
    s->release = CreateEventA(NULL, FALSE, FALSE, NULL);
    s->thread = CreateThread(NULL, 0, sample_thread, s, 0, NULL);
    WaitForSingleObject(s->ready, 10000);
    if (!s->hwnd)
        return err("create failed");
    samples[s->hwnd] = s;
    return ok(hwnd_text(s->hwnd));
}

std::string cmd_close(const Args &args)
{
    Sample *s = args.size() > 1 ? sample_arg(args[1]) : NULL;
    if (!s)
        return err("no such sample");
    PostMessageA(s->hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(s->thread, 10000) != WAIT_OBJECT_0)
        return err("sample did not close");
    samples.erase(s->hwnd);
    CloseHandle(s->thread);
    CloseHandle(s->ready);
    CloseHandle(s->release);
    delete s;
    return ok();
}

// fill <hwnd> <rrggbb | pattern> [seed]: new picture, painted before the reply.
// replace <old> <new>: closes one sample and shows another, prepared hidden, in one step,
// so that no count of the windows sees one without the other.
std::string cmd_replace(const Args &args)
{
    Sample *old_one = args.size() > 2 ? sample_arg(args[1]) : NULL;
    Sample *new_one = args.size() > 2 ? sample_arg(args[2]) : NULL;
    if (!old_one || !new_one)
        return err("usage: replace old new");
    DWORD_PTR result = 0;
    SendMessageTimeoutA(old_one->hwnd, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &result);
    ShowWindow(new_one->hwnd, SW_SHOWNOACTIVATE);
    if (WaitForSingleObject(old_one->thread, 10000) != WAIT_OBJECT_0)
        return err("sample did not close");
    samples.erase(old_one->hwnd);
    CloseHandle(old_one->thread);
    CloseHandle(old_one->ready);
    CloseHandle(old_one->release);
    delete old_one;
    return ok();
}

// Plain top-level windows on one thread of their own, for desktops with many windows.
struct Crowd {
    int count = 0;
    std::string title;
    bool visible = true;
    HANDLE ready = NULL;
    std::vector<HWND> windows;
};

static DWORD WINAPI crowd_thread(void *param)
{
    Crowd *c = (Crowd *)param;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.lpszClassName = "VtCrowd";
    RegisterClassA(&wc);
    for (int i = 0; i < c->count; ++i) {
        char title[256];
        snprintf(title, sizeof title, "%s %d", c->title.c_str(), i);
        HWND h = CreateWindowExA(WS_EX_NOACTIVATE, "VtCrowd", title, WS_POPUP | (c->visible ? WS_VISIBLE : 0),
                                 (i * 37) % 1000, 740 + (i % 3) * 8, 20, 8, NULL, NULL, wc.hInstance, NULL);
        c->windows.push_back(h);
    }
    SetEvent(c->ready);
    MSG m;
    while (GetMessageA(&m, NULL, 0, 0) > 0)
        DispatchMessageA(&m);
    for (HWND h : c->windows)
        DestroyWindow(h);
    return 0;
}

struct CrowdRun {
    Crowd *crowd;
    HANDLE thread;
    DWORD thread_id;
};
static std::vector<CrowdRun> crowds;

// crowd <n> <title-hex> [hidden]: n small windows titled "<title> <i>"; crowd-end: all gone.
std::string cmd_crowd(const Args &args)
{
    if (args[0] == "crowd-end") {
        for (CrowdRun &c : crowds) {
            PostThreadMessageA(c.thread_id, WM_QUIT, 0, 0);
            WaitForSingleObject(c.thread, 30000);
            CloseHandle(c.thread);
            CloseHandle(c.crowd->ready);
            delete c.crowd;
        }
        crowds.clear();
        return ok();
    }
    if (args.size() < 3)
        return err("usage: crowd n title-hex [hidden]");
    Crowd *c = new Crowd;
    c->count = atoi(args[1].c_str());
    c->title = from_hex(args[2]);
    c->visible = !(args.size() > 3 && args[3] == "hidden");
    c->ready = CreateEventA(NULL, TRUE, FALSE, NULL);
    CrowdRun run = {c, NULL, 0};
    run.thread = CreateThread(NULL, 0, crowd_thread, c, 0, &run.thread_id);
    WaitForSingleObject(c->ready, 30000);
    crowds.push_back(run);
    return ok(std::to_string(c->windows.size()));
}

std::string cmd_fill(const Args &args)
{
    Sample *s = args.size() > 2 ? sample_arg(args[1]) : NULL;
    if (!s)
        return err("usage: fill hwnd rrggbb|pattern [seed]");
    if (args[2] == "pattern") {
        if (args.size() > 3)
            s->seed = atoi(args[3].c_str());
        InterlockedExchange(&s->fill, -1);
    } else {
        unsigned v = (unsigned)strtoul(args[2].c_str(), NULL, 16);
        InterlockedExchange(&s->fill, (LONG)RGB((v >> 16) & 255, (v >> 8) & 255, v & 255));
    }
    RedrawWindow(s->hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return ok();
}

struct Flicker {
    HWND hwnd;
    DWORD ms;
};

static DWORD WINAPI flicker_thread(void *param)
{
    Flicker f = *(Flicker *)param;
    delete (Flicker *)param;
    DWORD end = GetTickCount() + f.ms;
    bool shown = true;
    while ((LONG)(GetTickCount() - end) < 0) {
        shown = !shown;
        ShowWindow(f.hwnd, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
        Sleep(1);
    }
    ShowWindow(f.hwnd, SW_SHOWNOACTIVATE);
    return 0;
}

// flicker <hwnd> <ms>: hides and shows the window every millisecond or so, in the background.
std::string cmd_flicker(const Args &args)
{
    Sample *s = args.size() > 2 ? sample_arg(args[1]) : NULL;
    if (!s)
        return err("usage: flicker hwnd ms");
    Flicker *f = new Flicker{s->hwnd, (DWORD)strtoul(args[2].c_str(), NULL, 10)};
    CloseHandle(CreateThread(NULL, 0, flicker_thread, f, 0, NULL));
    return ok();
}

std::string cmd_hang(const Args &args)
{
    Sample *s = args.size() > 2 ? sample_arg(args[1]) : NULL;
    if (!s)
        return err("usage: hang hwnd ms");
    PostMessageA(s->hwnd, WM_PROBE_HANG, (WPARAM)strtoul(args[2].c_str(), NULL, 10), 0);
    return ok();
}

std::string cmd_unhang(const Args &args)
{
    Sample *s = args.size() > 1 ? sample_arg(args[1]) : NULL;
    if (!s)
        return err("no such sample");
    SetEvent(s->release);
    return ok();
}

std::string cmd_settitle(const Args &args)
{
    if (args.size() < 3)
        return err("usage: settitle hwnd hex");
    DWORD_PTR result = 0;
    std::string title = from_hex(args[2]);
    if (!SendMessageTimeoutA(hwnd_arg(args[1]), WM_SETTEXT, 0, (LPARAM)title.c_str(), SMTO_NORMAL, 5000, &result))
        return err("settitle timed out");
    return ok();
}
