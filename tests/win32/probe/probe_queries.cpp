// Queries and actions on any window of the desktop, the program's own included.
#include "probe.h"
#include <stdio.h>
#include <stdlib.h>

static std::string text_of(HWND h)
{
    // WM_GETTEXT marshals across processes and reads exactly what the window holds.
    char buf[4096] = "";
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf, SMTO_ABORTIFHUNG, 2000, &got))
        GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

static std::string class_of(HWND h)
{
    char buf[1024] = "";
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

static std::string rect_text(const RECT &r)
{
    char buf[96];
    snprintf(buf, sizeof buf, "%ld,%ld,%ld,%ld", (long)r.left, (long)r.top, (long)r.right, (long)r.bottom);
    return buf;
}

std::string cmd_info(const Args &args)
{
    if (args.size() < 2)
        return err("usage: info hwnd");
    HWND h = hwnd_arg(args[1]);
    if (!IsWindow(h))
        return ok("exists=0");
    RECT r = {}, client = {};
    GetWindowRect(h, &r);
    GetClientRect(h, &client);
    POINT origin = {0, 0};
    ClientToScreen(h, &origin);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    char buf[512];
    snprintf(buf, sizeof buf,
             "exists=1 visible=%d iconic=%d zoomed=%d enabled=%d style=%08lx exstyle=%08lx rect=%s client=%ld,%ld,%ld,%ld "
             "owner=%s pid=%lu",
             IsWindowVisible(h) ? 1 : 0, IsIconic(h) ? 1 : 0, IsZoomed(h) ? 1 : 0, IsWindowEnabled(h) ? 1 : 0,
             (unsigned long)GetWindowLongA(h, GWL_STYLE), (unsigned long)GetWindowLongA(h, GWL_EXSTYLE),
             rect_text(r).c_str(), (long)origin.x, (long)origin.y, (long)(origin.x + client.right),
             (long)(origin.y + client.bottom), hwnd_text(GetWindow(h, GW_OWNER)).c_str(), (unsigned long)pid);
    return ok(std::string(buf) + " class=" + to_hex(class_of(h)) + " title=" + to_hex(text_of(h)));
}

static BOOL CALLBACK collect_top(HWND h, LPARAM lp)
{
    std::string &out = *(std::string *)lp;
    char title[4096] = "";
    GetWindowTextA(h, title, sizeof title);
    out += " " + hwnd_text(h) + ":" + (IsWindowVisible(h) ? "1" : "0") + ":" + to_hex(class_of(h)) + ":" + to_hex(title);
    return TRUE;
}

// All top-level windows, front to back: hwnd:visible:class:title.
std::string cmd_top(const Args &)
{
    std::string out;
    EnumWindows(collect_top, (LPARAM)&out);
    return ok(out.empty() ? "" : out.substr(1));
}

static BOOL CALLBACK collect_child(HWND h, LPARAM lp)
{
    std::string &out = *(std::string *)lp;
    RECT r;
    GetWindowRect(h, &r);
    DWORD_PTR check = 0;
    SendMessageTimeoutA(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
    char head[128];
    snprintf(head, sizeof head, " %s:%ld:", hwnd_text(h).c_str(), (long)GetDlgCtrlID(h));
    out += head + to_hex(class_of(h)) + ":" + to_hex(text_of(h)) + ":" + std::to_string((long)check) + ":" + rect_text(r);
    return TRUE;
}

// Child windows: hwnd:id:class:text:check:rect.
std::string cmd_children(const Args &args)
{
    if (args.size() < 2)
        return err("usage: children hwnd");
    std::string out;
    EnumChildWindows(hwnd_arg(args[1]), collect_child, (LPARAM)&out);
    return ok(out.empty() ? "" : out.substr(1));
}

std::string cmd_send(const Args &args)
{
    if (args.size() < 5)
        return err("usage: send hwnd msg wparam lparam");
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd_arg(args[1]), (UINT)strtoul(args[2].c_str(), NULL, 0),
                             (WPARAM)strtoull(args[3].c_str(), NULL, 0), (LPARAM)strtoll(args[4].c_str(), NULL, 0),
                             SMTO_NORMAL, 10000, &result))
        return err("send failed");
    return ok(std::to_string((long long)result));
}

// sendn <hwnd> <msg> <count>: the same message, sent count times; answers the time taken.
std::string cmd_sendn(const Args &args)
{
    if (args.size() < 4)
        return err("usage: sendn hwnd msg count");
    HWND h = hwnd_arg(args[1]);
    UINT msg = (UINT)strtoul(args[2].c_str(), NULL, 0);
    long count = atol(args[3].c_str());
    DWORD start = GetTickCount();
    for (long i = 0; i < count; ++i) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(h, msg, 0, 0, SMTO_NORMAL, 5000, &result))
            return err("send " + std::to_string(i) + " failed");
    }
    return ok(std::to_string((unsigned long)(GetTickCount() - start)));
}

std::string cmd_post(const Args &args)
{
    if (args.size() < 5)
        return err("usage: post hwnd msg wparam lparam");
    BOOL done = PostMessageA(hwnd_arg(args[1]), (UINT)strtoul(args[2].c_str(), NULL, 0),
                             (WPARAM)strtoull(args[3].c_str(), NULL, 0), (LPARAM)strtoll(args[4].c_str(), NULL, 0));
    return done ? ok() : err("post failed");
}

std::string cmd_show(const Args &args)
{
    if (args.size() < 3)
        return err("usage: show hwnd sw");
    ShowWindow(hwnd_arg(args[1]), atoi(args[2].c_str()));
    return ok();
}

std::string cmd_move(const Args &args)
{
    if (args.size() < 6)
        return err("usage: move hwnd x y w h");
    BOOL done = SetWindowPos(hwnd_arg(args[1]), NULL, atoi(args[2].c_str()), atoi(args[3].c_str()),
                             atoi(args[4].c_str()), atoi(args[5].c_str()), SWP_NOZORDER | SWP_NOACTIVATE);
    return done ? ok() : err("move failed");
}

// fg: the foreground window; fg <hwnd>: make it the foreground window.
std::string cmd_foreground(const Args &args)
{
    if (args.size() > 1)
        SetForegroundWindow(hwnd_arg(args[1]));
    return ok(hwnd_text(GetForegroundWindow()));
}

// cursor: where it is; cursor x y: put it there.
std::string cmd_cursor(const Args &args)
{
    if (args.size() > 2)
        SetCursorPos(atoi(args[1].c_str()), atoi(args[2].c_str()));
    POINT p;
    GetCursorPos(&p);
    return ok(std::to_string((long)p.x) + " " + std::to_string((long)p.y));
}

struct BoxSearch {
    std::string caption;
    HWND found;
};

static BOOL CALLBACK find_box(HWND h, LPARAM lp)
{
    BoxSearch &s = *(BoxSearch *)lp;
    char title[1024] = "";
    GetWindowTextA(h, title, sizeof title);
    if (IsWindowVisible(h) && class_of(h) == "#32770" && s.caption == title) {
        s.found = h;
        return FALSE;
    }
    return TRUE;
}

// box <caption-hex> <wait-ms> [keep]: waits for a message box with that caption, answers
// with its text and owner, and presses OK unless asked to keep it.
std::string cmd_box(const Args &args)
{
    if (args.size() < 3)
        return err("usage: box caption-hex wait-ms [keep]");
    BoxSearch s = {from_hex(args[1]), NULL};
    DWORD deadline = GetTickCount() + (DWORD)atoi(args[2].c_str());
    for (;;) {
        EnumWindows(find_box, (LPARAM)&s);
        if (s.found || (LONG)(GetTickCount() - deadline) >= 0)
            break;
        Sleep(5);
    }
    if (!s.found)
        return ok("none");
    std::string text = text_of(GetDlgItem(s.found, 0xFFFF));
    RECT r;
    GetWindowRect(s.found, &r);
    std::string reply = hwnd_text(s.found) + " owner=" + hwnd_text(GetWindow(s.found, GW_OWNER)) + " text=" +
                        to_hex(text) + " rect=" + rect_text(r);
    if (!(args.size() > 3 && args[3] == "keep")) {
        PostMessageA(s.found, WM_COMMAND, IDOK, 0);
        // Answer only once the box has gone, so the next search cannot find it again.
        DWORD gone_by = GetTickCount() + 5000;
        while (IsWindow(s.found) && IsWindowVisible(s.found) && (LONG)(GetTickCount() - gone_by) < 0)
            Sleep(2);
    }
    return ok(reply);
}
