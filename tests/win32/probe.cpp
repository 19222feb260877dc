// vtprobe: the end-to-end tests' hands and eyes inside the Wine desktop. One command per line
// on standard input, one answer line ("ok ..." or "err ...") on standard output. Texts travel
// as hex ("-" for empty) so that code-page-932 bytes and blanks pass unchanged.
#undef UNICODE
#include <windows.h>
#include <winternl.h>
#include <map>
#include <sstream>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

typedef std::vector<std::string> Args;

static std::string hex(const std::string &s)
{
    std::string out;
    char b[3];
    for (unsigned char c : s)
        snprintf(b, sizeof b, "%02x", c), out += b;
    return out.empty() ? "-" : out;
}

static std::string unhex(const std::string &h)
{
    std::string out;
    for (size_t i = 0; h != "-" && i + 1 < h.size(); i += 2)
        out += (char)strtol(h.substr(i, 2).c_str(), NULL, 16);
    return out;
}

static HWND H(const std::string &s) { return (HWND)(ULONG_PTR)strtoull(s.c_str(), NULL, 16); }
static long N(const std::string &s) { return strtol(s.c_str(), NULL, 0); }

static std::string fmt(const char *f, ...)
{
    char b[512];
    va_list a;
    va_start(a, f);
    vsnprintf(b, sizeof b, f, a);
    va_end(a);
    return b;
}

static std::string rect_text(const RECT &r) { return fmt("%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom); }

static std::string text_of(HWND h)
{
    // WM_GETTEXT crosses processes and reads exactly what the window holds.
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

// A sample application window on a thread of its own (so that it can hang), painting a
// solid colour or a pattern of cells that depends on its seed.
struct Sample {
    HWND hwnd = NULL;
    HANDLE thread = NULL, ready = NULL, release = NULL;
    volatile LONG fill = -1;
    int seed = 0, x = 0, y = 0, w = 0, h = 0, show = SW_SHOWNORMAL;
    std::string cls, title;
};
static std::map<HWND, Sample *> samples;
enum { WM_PROBE_HANG = WM_APP + 1 };

static void paint(HWND hwnd, HDC dc, Sample *s)
{
    RECT c;
    GetClientRect(hwnd, &c);
    for (int top = 0; top < c.bottom; top += 23)
        for (int left = 0; left < c.right; left += 37) {
            unsigned v = (unsigned)(s->seed * 2654435761u) ^ (unsigned)((left / 37) * 7 + (top / 23) * 3) * 40503u;
            v = (v ^ (v >> 13)) * 0x5bd1e995u;
            v ^= v >> 15;
            COLORREF colour = s->fill != -1 ? (COLORREF)s->fill
                                            : RGB(40 + (v & 0xBF), 40 + ((v >> 8) & 0xBF), 40 + ((v >> 16) & 0xBF));
            RECT cell = {left, top, left + 37, top + 23};
            HBRUSH b = CreateSolidBrush(colour);
            FillRect(dc, &cell, b);
            DeleteObject(b);
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
        paint(hwnd, dc, s);
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
    wc.lpszClassName = s->cls.c_str();
    RegisterClassA(&wc);  // fails harmlessly when the class exists
    s->hwnd = CreateWindowExA(0, s->cls.c_str(), s->title.c_str(), WS_OVERLAPPEDWINDOW, s->x, s->y, s->w, s->h, NULL,
                              NULL, wc.hInstance, s);
    if (s->hwnd)
        ShowWindow(s->hwnd, s->show), UpdateWindow(s->hwnd);
    SetEvent(s->ready);
    MSG m;
    while (s->hwnd && GetMessageA(&m, NULL, 0, 0) > 0)
        TranslateMessage(&m), DispatchMessageA(&m);
    return 0;
}

static DWORD WINAPI flicker_thread(void *param)
{
    Sample *s = (Sample *)param;
    for (DWORD end = GetTickCount() + s->h; (LONG)(GetTickCount() - end) < 0; Sleep(1))
        ShowWindow(s->hwnd, IsWindowVisible(s->hwnd) ? SW_HIDE : SW_SHOWNOACTIVATE);
    ShowWindow(s->hwnd, SW_SHOWNOACTIVATE);
    return 0;
}

static BOOL CALLBACK list_top(HWND h, LPARAM lp)
{
    char title[4096] = "";
    GetWindowTextA(h, title, sizeof title);
    *(std::string *)lp += fmt(" %llx:%d:", (unsigned long long)(ULONG_PTR)h, IsWindowVisible(h) ? 1 : 0) +
                          hex(class_of(h)) + ":" + hex(title);
    return TRUE;
}

static BOOL CALLBACK list_rows(HWND h, LPARAM lp)
{
    RECT r;
    GetWindowRect(h, &r);
    DWORD_PTR check = 0;
    SendMessageTimeoutA(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &check);
    *(std::string *)lp += fmt(" %llx:%d:%d:", (unsigned long long)(ULONG_PTR)h, GetDlgCtrlID(h), (int)check) +
                          hex(text_of(h)) + ":" + rect_text(r);
    return TRUE;
}

// GetGuiResources is missing under Wine: count the used entries of the process's GDI handle
// table, which its (64-bit) PEB points to at 0xF8; 24-byte entries, a type byte at 14.
static long gdi_objects(DWORD pid)
{
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_BASIC_INFORMATION info = {};
    ULONG_PTR table = 0;
    SIZE_T got = 0;
    static unsigned char entries[0x10000 * 24];
    long used = -1;
    if (p && NtQueryInformationProcess(p, ProcessBasicInformation, &info, sizeof info, NULL) == 0 &&
        ReadProcessMemory(p, (char *)info.PebBaseAddress + 0xF8, &table, sizeof table, &got) && table &&
        ReadProcessMemory(p, (void *)table, entries, sizeof entries, &got))
        for (size_t i = used = 0; i + 24 <= got; i += 24)
            used += entries[i + 14] != 0;
    if (p)
        CloseHandle(p);
    return used;
}

struct BoxSearch {
    std::string caption;
    HWND found;
};

static BOOL CALLBACK find_box(HWND h, LPARAM lp)
{
    BoxSearch &s = *(BoxSearch *)lp;
    if (IsWindowVisible(h) && class_of(h) == "#32770" && text_of(h) == s.caption)
        s.found = h;
    return s.found == NULL;
}

static std::string run(const Args &a)
{
    const std::string &c = a[0];
    Sample *s = a.size() > 1 && samples.count(H(a[1])) ? samples[H(a[1])] : NULL;
    HWND h = a.size() > 1 ? H(a[1]) : NULL;
    std::string out;
    if (c == "open" && a.size() == 10) {  // open title class x y w h show seed fill(rrggbb or -1)
        s = new Sample;
        s->title = unhex(a[1]), s->cls = unhex(a[2]);
        s->x = N(a[3]), s->y = N(a[4]), s->w = N(a[5]), s->h = N(a[6]), s->show = N(a[7]), s->seed = N(a[8]);
        long v = strtol(a[9].c_str(), NULL, 16);
        s->fill = v < 0 ? -1 : (LONG)RGB(v >> 16, (v >> 8) & 255, v & 255);
        s->ready = CreateEventA(NULL, TRUE, FALSE, NULL);
        s->release = CreateEventA(NULL, TRUE, FALSE, NULL);
        s->thread = CreateThread(NULL, 0, sample_thread, s, 0, NULL);
        WaitForSingleObject(s->ready, 10000);
        if (!s->hwnd)
            return "err create failed";
        samples[s->hwnd] = s;
        return fmt("ok %llx", (unsigned long long)(ULONG_PTR)s->hwnd);
    } else if (c == "close" && s) {  // ends a hang first, so a hung sample closes too
        SetEvent(s->release);
        PostMessageA(s->hwnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(s->thread, 10000) != WAIT_OBJECT_0)
            return "err sample did not close";
        samples.erase(s->hwnd);
        CloseHandle(s->thread), CloseHandle(s->ready), CloseHandle(s->release);
        delete s;
    } else if (c == "fill" && s && a.size() == 4) {  // fill hwnd rrggbb|-1 seed: painted before the answer
        long v = strtol(a[2].c_str(), NULL, 16);
        s->seed = N(a[3]);
        InterlockedExchange(&s->fill, v < 0 ? -1 : (LONG)RGB(v >> 16, (v >> 8) & 255, v & 255));
        RedrawWindow(s->hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } else if (c == "hang" && s && a.size() == 3) {
        PostMessageA(s->hwnd, WM_PROBE_HANG, (WPARAM)N(a[2]), 0);
    } else if (c == "flicker" && s && a.size() == 3) {  // hides and shows it every millisecond for ms
        Sample *f = new Sample(*s);
        f->h = N(a[2]);
        CloseHandle(CreateThread(NULL, 0, flicker_thread, f, 0, NULL));
    } else if (c == "title" && a.size() == 3) {
        DWORD_PTR r = 0;
        std::string t = unhex(a[2]);
        if (!SendMessageTimeoutA(h, WM_SETTEXT, 0, (LPARAM)t.c_str(), SMTO_NORMAL, 5000, &r))
            return "err settitle timed out";
    } else if (c == "info" && a.size() == 2) {  // visible iconic style exstyle rect client owner pid class title
        if (!IsWindow(h))
            return "err no such window";
        RECT r, cl;
        POINT o = {0, 0};
        DWORD pid = 0;
        GetWindowRect(h, &r), GetClientRect(h, &cl), ClientToScreen(h, &o), GetWindowThreadProcessId(h, &pid);
        OffsetRect(&cl, o.x, o.y);
        out = fmt(" %d %d %lx %lx ", IsWindowVisible(h) ? 1 : 0, IsIconic(h) ? 1 : 0, GetWindowLongA(h, GWL_STYLE),
                  GetWindowLongA(h, GWL_EXSTYLE)) +
              rect_text(r) + " " + rect_text(cl) +
              fmt(" %llx %lu ", (unsigned long long)(ULONG_PTR)GetWindow(h, GW_OWNER), pid) + hex(class_of(h)) + " " +
              hex(text_of(h));
    } else if (c == "top") {  // top-level windows front to back: hwnd:visible:class:title
        EnumWindows(list_top, (LPARAM)&out);
    } else if (c == "rows" && a.size() == 2) {  // child windows: hwnd:id:check:text:rect
        EnumChildWindows(h, list_rows, (LPARAM)&out);
    } else if ((c == "send" || c == "post") && a.size() == 5) {
        DWORD_PTR r = 0;
        UINT msg = (UINT)N(a[2]);
        WPARAM wp = (WPARAM)strtoull(a[3].c_str(), NULL, 0);
        LPARAM lp = (LPARAM)strtoll(a[4].c_str(), NULL, 0);
        if (c == "post" ? !PostMessageA(h, msg, wp, lp) : !SendMessageTimeoutA(h, msg, wp, lp, SMTO_NORMAL, 10000, &r))
            return "err " + c + " failed";
        out = fmt(" %lld", (long long)r);
    } else if (c == "show" && a.size() >= 3) {  // show hwnd... sw: all at once, as far as others can tell
        for (size_t i = 1; i + 1 < a.size(); ++i)
            ShowWindow(H(a[i]), N(a.back()));
    } else if (c == "move" && a.size() == 6) {
        if (!SetWindowPos(h, NULL, N(a[2]), N(a[3]), N(a[4]), N(a[5]), SWP_NOZORDER | SWP_NOACTIVATE))
            return "err move failed";
    } else if (c == "fg") {  // fg [hwnd]: makes it the foreground window; answers the foreground window
        if (h)
            SetForegroundWindow(h);
        out = fmt(" %llx", (unsigned long long)(ULONG_PTR)GetForegroundWindow());
    } else if (c == "box" && a.size() == 3) {  // box caption ms: waits for a message box, answers owner and text, presses OK
        BoxSearch b = {unhex(a[1]), NULL};
        for (DWORD end = GetTickCount() + N(a[2]); EnumWindows(find_box, (LPARAM)&b), !b.found;) {
            if ((LONG)(GetTickCount() - end) >= 0)
                return "ok none";
            Sleep(5);
        }
        out = fmt(" %llx ", (unsigned long long)(ULONG_PTR)GetWindow(b.found, GW_OWNER)) +
              hex(text_of(GetDlgItem(b.found, 0xFFFF)));
        PostMessageA(b.found, WM_COMMAND, IDOK, 0);
        for (DWORD end = GetTickCount() + 5000; IsWindowVisible(b.found) && (LONG)(GetTickCount() - end) < 0;)
            Sleep(2);  // answers once it has gone, so that the next search cannot find it again
    } else if (c == "gdi" && a.size() == 2) {
        long n = gdi_objects((DWORD)N(a[1]));
        if (n < 0)
            return "err no GDI handle table";
        out = fmt(" %ld", n);
    } else {
        return "err unknown command or arguments";
    }
    return "ok" + out;
}

int main()
{
    static char line[1 << 16];
    setvbuf(stdout, NULL, _IONBF, 0);
    printf("ready\n");
    while (fgets(line, sizeof line, stdin)) {
        std::istringstream words(line);
        Args a;
        for (std::string w; words >> w;)
            a.push_back(w);
        if (a.empty())
            continue;
        if (a[0] == "quit")
            break;
        printf("%s\n", run(a).c_str());
    }
    return 0;
}
