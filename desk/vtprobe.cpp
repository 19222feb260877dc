// vtprobe: hands and eyes inside the Wine desktop, one command a line, one answer
// line ("ok ..." or "err ..."). Texts travel as hex ("-" for none), so that code-page-932 bytes
// and blanks pass unchanged.
#undef UNICODE
#include <windows.h>
#include <winternl.h>
#include <map>
#include <sstream>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

static std::string hex(const std::string &s)
{
    std::string out;
    for (unsigned char c : s)
        out += "0123456789abcdef"[c >> 4], out += "0123456789abcdef"[c & 15];
    return out.empty() ? "-" : out;
}

static std::string unhex(const std::string &h)
{
    std::string out;
    for (size_t i = 0; h != "-" && i + 1 < h.size(); i += 2)
        out += (char)strtol(h.substr(i, 2).c_str(), NULL, 16);
    return out;
}

static std::string fmt(const char *f, ...)
{
    char b[256];
    va_list a;
    va_start(a, f);
    vsnprintf(b, sizeof b, f, a);
    va_end(a);
    return b;
}

// Under Wine, GetWindowText reads any window's text, another process's child windows' included.
static std::string text_of(HWND h, bool cls = false)
{
    char buf[4096] = "";
    cls ? GetClassNameA(h, buf, sizeof buf) : GetWindowTextA(h, buf, sizeof buf);
    return hex(buf);
}

static std::string rect_of(HWND h, bool client = false)
{
    RECT r;
    POINT o = {0, 0};
    client ? (GetClientRect(h, &r), ClientToScreen(h, &o)) : GetWindowRect(h, &r);
    return fmt("%ld,%ld,%ld,%ld", r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y);
}

// "rrggbb" as a COLORREF, or -1 (no colour) for "-1".
static LONG colour(const std::string &rrggbb)
{
    long v = strtol(rrggbb.c_str(), NULL, 16);
    return v < 0 ? -1 : (LONG)RGB(v >> 16, (v >> 8) & 255, v & 255);
}

// A sample application window, painting a solid colour (fill, as COLORREF) or cells whose colours
// follow from its seed: on a thread of its own, so that it can hang, or made by another sample's
// thread (host), as an application's second window or its pop-up (owner) is. A right click opens a
// menu with a sub-menu, as an application's context menu does.
struct Sample {
    HWND hwnd = NULL, owner = NULL;
    HANDLE thread = NULL, ready = CreateEventA(NULL, TRUE, FALSE, NULL), release = CreateEventA(NULL, TRUE, FALSE, NULL);
    volatile LONG fill = -1, seed = 0, sent_paints = 0;  // paint requests sent by other programs
    int x = 0, y = 0, w = 0, h = 0, show = 0;
    DWORD style = WS_OVERLAPPEDWINDOW;
    std::string cls, title;
};
static std::map<HWND, Sample *> samples;
enum { WM_PROBE_HANG = WM_APP + 1, WM_PROBE_CREATE = WM_APP + 2 };

static void paint_sample(HWND hwnd, const Sample *s)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT c;
    GetClientRect(hwnd, &c);
    for (int top = 0; top < c.bottom; top += 23)
        for (int left = 0; left < c.right; left += 37) {
            unsigned v = (unsigned)(s->seed * 2654435761u) ^ (unsigned)((left / 37) * 7 + (top / 23) * 3) * 40503u;
            v = (v ^ (v >> 13)) * 0x5bd1e995u;
            v ^= v >> 15;
            RECT cell = {left, top, left + 37, top + 23};
            HBRUSH b = CreateSolidBrush(s->fill != -1 ? (COLORREF)s->fill
                                                      : RGB(40 + (v & 0xBF), 40 + ((v >> 8) & 0xBF), 40 + ((v >> 16) & 0xBF)));
            FillRect(dc, &cell, b);
            DeleteObject(b);
        }
    if (s->fill != -1 && s->seed < 0) {  // a solid colour whose top left corner a square of -seed marks
        RECT mark = {0, 0, -s->seed, -s->seed};
        HBRUSH b = CreateSolidBrush(0xFFFFFF ^ (COLORREF)s->fill);
        FillRect(dc, &mark, b);
        DeleteObject(b);
    }
    EndPaint(hwnd, &ps);
}

static void create_sample(Sample *s);

static void context_menu(HWND hwnd, LPARAM at)
{
    HMENU menu = CreatePopupMenu(), more = CreatePopupMenu();
    AppendMenuA(more, MF_STRING, 11, "Sub item one");
    AppendMenuA(more, MF_STRING, 12, "Sub item two");
    AppendMenuA(menu, MF_STRING, 1, "Open");
    AppendMenuA(menu, MF_POPUP, (UINT_PTR)more, "More");
    AppendMenuA(menu, MF_STRING, 2, "Close");
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, (short)LOWORD(at), (short)HIWORD(at), 0, hwnd, NULL);
    DestroyMenu(menu);
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
    case WM_PAINT:
        if (InSendMessage())
            InterlockedIncrement(&s->sent_paints);
        paint_sample(hwnd, s);
        return 0;
    case WM_PROBE_HANG:
        return WaitForSingleObject(s->release, (DWORD)wp);
    case WM_PROBE_CREATE:
        create_sample((Sample *)lp);
        return 0;
    case WM_CONTEXTMENU:
        context_menu(hwnd, lp);
        return 0;
    case WM_DESTROY:
        if (s->thread)  // the thread's own window; another sample may still live on it
            PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

static void create_sample(Sample *s)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = sample_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.lpszClassName = s->cls.c_str();
    RegisterClassA(&wc);  // fails harmlessly when the class exists
    s->hwnd = CreateWindowExA(0, s->cls.c_str(), s->title.c_str(), s->style, s->x, s->y, s->w, s->h, s->owner, NULL,
                              wc.hInstance, s);
    ShowWindow(s->hwnd, s->show);
}

static DWORD WINAPI sample_thread(void *param)
{
    Sample *s = (Sample *)param;
    create_sample(s);
    SetEvent(s->ready);
    MSG m;
    while (s->hwnd && GetMessageA(&m, NULL, 0, 0) > 0)
        DispatchMessageA(&m);
    return 0;
}

static BOOL CALLBACK list_window(HWND h, LPARAM lp)
{
    std::string &out = *(std::string *)lp;
    if (out[0] == 't')  // top: hwnd:visible:class:title
        out += fmt(" %llu:%d:", (ULONG_PTR)h, IsWindowVisible(h) ? 1 : 0) + text_of(h, true) + ":" + text_of(h);
    else {  // rows: hwnd:id:check:text:rect
        DWORD_PTR check = 0;  // a hung program must not hang the probe
        SendMessageTimeoutA(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
        out += fmt(" %llu:%d:%d:", (ULONG_PTR)h, GetDlgCtrlID(h), (int)check) + text_of(h) + ":" + rect_of(h);
    }
    return TRUE;
}

// GetGuiResources is missing under Wine: count the used entries of the process's GDI handle
// table, which a 64-bit PEB points to at 0xF8 (24-byte entries, a type byte at 14).
static long gdi_objects(DWORD pid)
{
    static unsigned char entries[0x10000 * 24];
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_BASIC_INFORMATION info = {};
    ULONG_PTR table = 0;
    SIZE_T got = 0;
    long used = -1;
    if (p && !NtQueryInformationProcess(p, ProcessBasicInformation, &info, sizeof info, NULL) &&
        ReadProcessMemory(p, (char *)info.PebBaseAddress + 0xF8, &table, sizeof table, &got) &&
        ReadProcessMemory(p, (void *)table, entries, sizeof entries, &got))
        for (size_t i = used = 0; i + 24 <= got; i += 24)
            used += entries[i + 14] != 0;
    CloseHandle(p);
    return used;
}

// A window closed on its own thread (or with its owner) is gone soon after.
static bool wait_gone(HWND h)
{
    for (int i = 0; i < 1000 && IsWindow(h); ++i)
        Sleep(10);
    return !IsWindow(h);
}

// Wine keeps the monitors of its desktop in the registry and reads them again when its video key changes:
// monitor i l t r b moves and sizes monitor i (from 0), plug i 0|1 takes its adapter away or back, as a
// monitor that moves, or is plugged out and in again, would on Windows.
static bool change_monitor(const std::vector<std::string> &a, const std::vector<long long> &n)
{
    static std::map<std::string, std::string> unplugged;  // value name: the adapter it named
    HKEY video;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\VIDEO", 0, KEY_ALL_ACCESS, &video))
        return false;
    bool done = true;
    std::string name = fmt("\\Device\\Video%lld", n[1]);
    if (a[0] == "monitor") {
        RECT r = {(LONG)n[2], (LONG)n[3], (LONG)n[4], (LONG)n[5]};
        for (const char *property : {"0003", "0004"}) {  // the monitor's and its work area's rectangles
            std::string key = fmt("System\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor\\%04llX&0000\\"
                                  "Properties\\{233a9ef3-afc4-4abd-b564-c32f21f1535b}\\", n[1]) + property;
            HKEY k;
            done = done && !RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_ALL_ACCESS, &k) &&
                   !RegSetValueExA(k, NULL, 0, 0xFFFF1003, (BYTE *)&r, sizeof r) && !RegCloseKey(k);
        }
        DWORD serial = GetTickCount();
        RegSetValueExA(video, "VtChanged", 0, REG_DWORD, (BYTE *)&serial, sizeof serial);  // read again
    } else if (n[2] == 0) {
        char target[MAX_PATH];
        DWORD size = sizeof target, type = 0;
        done = !RegQueryValueExA(video, name.c_str(), NULL, &type, (BYTE *)target, &size) &&
               !RegDeleteValueA(video, name.c_str());
        if (done)
            unplugged[name] = target;
    } else {
        done = unplugged.count(name) && !RegSetValueExA(video, name.c_str(), 0, REG_SZ,
                                                        (const BYTE *)unplugged[name].c_str(),
                                                        (DWORD)unplugged[name].size() + 1);
    }
    RegCloseKey(video);
    return done;
}

static std::string run(const std::vector<std::string> &a)
{
    const std::string &c = a[0];
    std::vector<long long> n;  // the arguments as numbers
    for (const std::string &w : a)
        n.push_back(strtoll(w.c_str(), NULL, 0));
    HWND h = a.size() > 1 ? (HWND)(ULONG_PTR)n[1] : NULL;
    Sample *s = samples.count(h) ? samples[h] : NULL;
    std::string out = "ok";
    long gdi = 0;
    if (c == "open" && a.size() == 13) {  // open title class x y w h show seed fill(rrggbb|-1) style owner host
        s = new Sample;
        s->title = unhex(a[1]), s->cls = unhex(a[2]), s->x = (int)n[3], s->y = (int)n[4], s->w = (int)n[5];
        s->h = (int)n[6], s->show = (int)n[7], s->seed = (LONG)n[8], s->fill = colour(a[9]);
        s->style = n[10] ? (DWORD)n[10] : WS_OVERLAPPEDWINDOW, s->owner = (HWND)(ULONG_PTR)n[11];
        if (n[12]) {  // made by that sample's thread, where it lives
            SendMessageA((HWND)(ULONG_PTR)n[12], WM_PROBE_CREATE, 0, (LPARAM)s);
        } else {
            s->thread = CreateThread(NULL, 0, sample_thread, s, 0, NULL);
            WaitForSingleObject(s->ready, 10000);
        }
        samples[s->hwnd] = s;
        out += fmt(" %llu", (ULONG_PTR)s->hwnd);
    } else if (c == "close" && s) {  // a hang ends first, so a hung sample closes too
        SetEvent(s->release);
        PostMessageA(s->hwnd, WM_CLOSE, 0, 0);
        if (s->thread ? WaitForSingleObject(s->thread, 10000) != 0 : !wait_gone(s->hwnd))
            return "err sample did not close";
        samples.erase(h);
    } else if (c == "swap" && s && a.size() == 3) {  // swap old new: closes one, shows the other at once
        SetEvent(s->release);
        SendMessageTimeoutA(h, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, NULL);
        ShowWindow((HWND)(ULONG_PTR)n[2], SW_SHOWNA);
        if (WaitForSingleObject(s->thread, 10000))
            return "err sample did not close";
        samples.erase(h);
    } else if (c == "hotkey" && a.size() == 3) {  // hotkey modifiers vk: holds that key (0 0: lets it go)
        UnregisterHotKey(NULL, 1);
        if (n[2] != 0 && !RegisterHotKey(NULL, 1, (UINT)n[1], (UINT)n[2]))
            return "err the key is taken";
    } else if (c == "paints" && s) {
        out += fmt(" %ld", s->sent_paints);
    } else if (c == "fill" && s && a.size() == 4) {  // fill hwnd rrggbb|-1 seed: painted before the answer
        s->seed = (LONG)n[3], s->fill = colour(a[2]);
        RedrawWindow(h, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } else if (c == "hang" && s && a.size() == 3) {
        PostMessageA(h, WM_PROBE_HANG, (WPARAM)n[2], 0);
    } else if (c == "title" && a.size() == 3) {
        SetWindowTextA(h, unhex(a[2]).c_str());
    } else if (c == "info" && IsWindow(h)) {  // visible iconic style rect client owner pid class title
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        out += fmt(" %d %d %lx ", IsWindowVisible(h) ? 1 : 0, IsIconic(h) ? 1 : 0, GetWindowLongA(h, GWL_STYLE)) +
               rect_of(h) + " " + rect_of(h, true) + fmt(" %llu %lu ", (ULONG_PTR)GetWindow(h, GW_OWNER), pid) +
               text_of(h, true) + " " + text_of(h);
    } else if (c == "top" || c == "rows") {
        std::string list = c;
        c == "top" ? EnumWindows(list_window, (LPARAM)&list) : EnumChildWindows(h, list_window, (LPARAM)&list);
        out += list.substr(c.size());
    } else if ((c == "send" || c == "post") && a.size() == 5) {
        DWORD_PTR r = 0;
        if (c == "post" ? !PostMessageA(h, (UINT)n[2], (WPARAM)n[3], (LPARAM)n[4])
                        : !SendMessageTimeoutA(h, (UINT)n[2], (WPARAM)n[3], (LPARAM)n[4], SMTO_NORMAL, 10000, &r))
            return "err " + c + " failed";
        out += fmt(" %lld", (long long)r);
    } else if (c == "show" && a.size() >= 3) {  // show hwnd... sw: all in one go, as far as others can tell
        for (size_t i = 1; i + 1 < a.size(); ++i)
            ShowWindow((HWND)(ULONG_PTR)n[i], (int)n.back());
    } else if (c == "move" && a.size() == 6) {
        SetWindowPos(h, NULL, (int)n[2], (int)n[3], (int)n[4], (int)n[5], SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (c == "fg") {  // fg [hwnd]: makes it the foreground window; answers the foreground window
        if (h)
            SetForegroundWindow(h);
        out += fmt(" %llu", (ULONG_PTR)GetForegroundWindow());
    } else if (c == "prop" && a.size() == 4) {  // prop hwnd name value: a window property (0: removed)
        n[3] ? (void)SetPropA(h, a[2].c_str(), (HANDLE)(ULONG_PTR)n[3]) : (void)RemovePropA(h, a[2].c_str());
    } else if (c == "topmost" && IsWindow(h)) {
        SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else if ((c == "monitor" && a.size() == 6) || (c == "plug" && a.size() == 3)) {
        if (!change_monitor(a, n))
            return "err the desktop's monitors cannot be changed";
    } else if (c == "gdi" && a.size() == 2 && (gdi = gdi_objects((DWORD)n[1])) >= 0) {
        out += fmt(" %ld", gdi);
    } else {
        return "err unknown command, arguments or window";
    }
    return out;
}

int main()
{
    // Sample windows are drawn at the desktop's DPI, as today's applications' are.
    typedef BOOL(WINAPI * AwarenessFn)(HANDLE);
    AwarenessFn aware = (AwarenessFn)(void *)GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext");
    if (aware)
        aware((HANDLE)-4);  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    static char line[1 << 16];
    setvbuf(stdout, NULL, _IONBF, 0);
    printf("ready\n");
    while (fgets(line, sizeof line, stdin) && strncmp(line, "quit", 4)) {
        std::istringstream words(line);
        std::vector<std::string> a;
        for (std::string w; words >> w;)
            a.push_back(w);
        if (!a.empty())
            printf("%s\n", run(a).c_str());
    }
    return 0;
}
