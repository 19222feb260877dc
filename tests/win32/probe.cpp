// vtprobe: the end-to-end tests' hands and eyes inside the Wine desktop, one command a line.
// Answers one line, "ok ..." or "err ...". Texts travel as hex ("-" for none), so that code-page-932
// bytes and blanks pass unchanged.
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

typedef std::vector<std::string> Args;

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

static HWND H(const std::string &s) { return (HWND)(ULONG_PTR)strtoull(s.c_str(), NULL, 0); }
static long N(const std::string &s) { return strtol(s.c_str(), NULL, 0); }

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

static COLORREF colour(long v) { return v < 0 ? (COLORREF)-1 : RGB(v >> 16, (v >> 8) & 255, v & 255); }

// A sample application window on a thread of its own, so that it can hang, painting a solid
// colour or cells whose colours follow from its seed.
struct Sample {
    HWND hwnd = NULL;
    HANDLE thread = NULL, ready = CreateEventA(NULL, TRUE, FALSE, NULL), release = CreateEventA(NULL, TRUE, FALSE, NULL);
    volatile LONG fill = -1, seed = 0;
    int x = 0, y = 0, w = 0, h = 0, show = 0;
    std::string cls, title;
};
static std::map<HWND, Sample *> samples;
enum { WM_PROBE_HANG = WM_APP + 1 };

static LRESULT CALLBACK sample_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    Sample *s = (Sample *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA *)lp)->lpCreateParams);
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PROBE_HANG)
        return WaitForSingleObject(s->release, (DWORD)wp);
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    if (msg != WM_PAINT)
        return DefWindowProcA(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT c;
    GetClientRect(hwnd, &c);
    for (int top = 0; top < c.bottom; top += 23)
        for (int left = 0; left < c.right; left += 37) {
            unsigned v = (unsigned)(s->seed * 2654435761u) ^ (unsigned)((left / 37) * 7 + (top / 23) * 3) * 40503u;
            v = ((v ^ (v >> 13)) * 0x5bd1e995u) ^ (((v ^ (v >> 13)) * 0x5bd1e995u) >> 15);
            RECT cell = {left, top, left + 37, top + 23};
            HBRUSH b = CreateSolidBrush(s->fill != -1 ? (COLORREF)s->fill
                                                      : RGB(40 + (v & 0xBF), 40 + ((v >> 8) & 0xBF), 40 + ((v >> 16) & 0xBF)));
            FillRect(dc, &cell, b);
            DeleteObject(b);
        }
    EndPaint(hwnd, &ps);
    return 0;
}

static DWORD WINAPI sample_thread(void *param)
{
    Sample *s = (Sample *)param;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = sample_proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.lpszClassName = s->cls.c_str();
    RegisterClassA(&wc);  // fails harmlessly when the class exists
    s->hwnd = CreateWindowExA(0, s->cls.c_str(), s->title.c_str(), WS_OVERLAPPEDWINDOW, s->x, s->y, s->w, s->h, NULL,
                              NULL, wc.hInstance, s);
    ShowWindow(s->hwnd, s->show);
    SetEvent(s->ready);
    MSG m;
    while (s->hwnd && GetMessageA(&m, NULL, 0, 0) > 0)
        DispatchMessageA(&m);
    return 0;
}

static DWORD WINAPI flicker_thread(void *param)
{
    Sample *s = (Sample *)param;
    for (DWORD end = GetTickCount() + s->w; (LONG)(GetTickCount() - end) < 0; Sleep(1))
        ShowWindow(s->hwnd, IsWindowVisible(s->hwnd) ? SW_HIDE : SW_SHOWNOACTIVATE);
    ShowWindow(s->hwnd, SW_SHOWNOACTIVATE);
    return 0;
}

static BOOL CALLBACK list_window(HWND h, LPARAM lp)
{
    std::string &out = *(std::string *)lp;
    if (out[0] == 't')  // top: hwnd:visible:class:title
        out += fmt(" %llu:%d:", (ULONG_PTR)h, IsWindowVisible(h) ? 1 : 0) + text_of(h, true) + ":" + text_of(h);
    else  // rows: hwnd:id:check:text:rect
    {
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

static std::string run(const Args &a)
{
    const std::string &c = a[0];
    HWND h = a.size() > 1 ? H(a[1]) : NULL;
    Sample *s = samples.count(h) ? samples[h] : NULL;
    std::string out = "ok";
    long n = 0;
    if (c == "open" && a.size() == 10) {  // open title class x y w h show seed fill(rrggbb or -1)
        s = new Sample;
        s->title = unhex(a[1]), s->cls = unhex(a[2]), s->x = N(a[3]), s->y = N(a[4]), s->w = N(a[5]);
        s->h = N(a[6]), s->show = N(a[7]), s->seed = N(a[8]), s->fill = colour(strtol(a[9].c_str(), NULL, 16));
        s->thread = CreateThread(NULL, 0, sample_thread, s, 0, NULL);
        WaitForSingleObject(s->ready, 10000);
        samples[s->hwnd] = s;
        out += fmt(" %llu", (ULONG_PTR)s->hwnd);
    } else if (c == "close" && s) {  // a hang ends first, so a hung sample closes too
        SetEvent(s->release);
        PostMessageA(s->hwnd, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(s->thread, 10000))
            return "err sample did not close";
        samples.erase(h);
    } else if (c == "fill" && s && a.size() == 4) {  // fill hwnd rrggbb|-1 seed: painted before the answer
        s->seed = N(a[3]), s->fill = colour(strtol(a[2].c_str(), NULL, 16));
        RedrawWindow(h, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    } else if (c == "hang" && s && a.size() == 3) {
        PostMessageA(h, WM_PROBE_HANG, (WPARAM)N(a[2]), 0);
    } else if (c == "flicker" && s && a.size() == 3) {  // flicker hwnd ms: hidden and shown every millisecond
        Sample *f = new Sample(*s);
        f->w = N(a[2]);
        CloseHandle(CreateThread(NULL, 0, flicker_thread, f, 0, NULL));
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
        WPARAM wp = (WPARAM)strtoull(a[3].c_str(), NULL, 0);
        if (c == "post" ? !PostMessageA(h, N(a[2]), wp, N(a[4])) :
                          !SendMessageTimeoutA(h, N(a[2]), wp, N(a[4]), SMTO_NORMAL, 10000, &r))
            return "err " + c + " failed";
        out += fmt(" %lld", (long long)r);
    } else if (c == "show" && a.size() >= 3) {  // show hwnd... sw: all in one go, as far as others can tell
        for (size_t i = 1; i + 1 < a.size(); ++i)
            ShowWindow(H(a[i]), N(a.back()));
    } else if (c == "move" && a.size() == 6) {
        SetWindowPos(h, NULL, N(a[2]), N(a[3]), N(a[4]), N(a[5]), SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (c == "fg") {  // fg [hwnd]: makes it the foreground window; answers the foreground window
        if (h)
            SetForegroundWindow(h);
        out += fmt(" %llu", (ULONG_PTR)GetForegroundWindow());
    } else if (c == "box" && a.size() == 3) {  // box caption ms: waits for a message box, answers owner and text, presses OK
        HWND box = NULL;
        for (DWORD end = GetTickCount() + N(a[2]); !box && (LONG)(GetTickCount() - end) <= 0; Sleep(5))
            for (HWND w = FindWindowExA(NULL, NULL, "#32770", unhex(a[1]).c_str()); w && !box;
                 w = FindWindowExA(NULL, w, "#32770", unhex(a[1]).c_str()))
                box = IsWindowVisible(w) ? w : NULL;
        if (!box)
            return "ok none";
        out += fmt(" %llu ", (ULONG_PTR)GetWindow(box, GW_OWNER)) + text_of(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        for (DWORD end = GetTickCount() + 5000; IsWindowVisible(box) && (LONG)(GetTickCount() - end) < 0;)
            Sleep(2);  // gone before the answer, so that the next search cannot find it again
    } else if (c == "gdi" && a.size() == 2 && (n = gdi_objects(N(a[1]))) >= 0) {
        out += fmt(" %ld", n);
    } else {
        return "err unknown command, arguments or window";
    }
    return out;
}

int main()
{
    static char line[1 << 16];
    setvbuf(stdout, NULL, _IONBF, 0);
    printf("ready\n");
    while (fgets(line, sizeof line, stdin) && strncmp(line, "quit", 4)) {
        std::istringstream words(line);
        Args a;
        for (std::string w; words >> w;)
            a.push_back(w);
        if (!a.empty())
            printf("%s\n", run(a).c_str());
    }
    return 0;
}
