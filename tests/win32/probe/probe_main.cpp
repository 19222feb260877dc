// Command loop of vtprobe.
#include "probe.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

std::string ok(const std::string &rest)
{
    return rest.empty() ? "ok" : "ok " + rest;
}

std::string err(const std::string &why)
{
    return "err " + why;
}

std::string to_hex(const std::string &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out.empty() ? "-" : out;
}

std::string from_hex(const std::string &hex)
{
    std::string out;
    if (hex == "-")
        return out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += (char)strtol(hex.substr(i, 2).c_str(), NULL, 16);
    return out;
}

std::string hwnd_text(HWND h)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%llx", (unsigned long long)(ULONG_PTR)h);
    return buf;
}

HWND hwnd_arg(const std::string &text)
{
    return (HWND)(ULONG_PTR)strtoull(text.c_str(), NULL, 16);
}

std::string option(const Args &args, const std::string &key, const std::string &fallback)
{
    for (const std::string &a : args)
        if (a.compare(0, key.size() + 1, key + "=") == 0)
            return a.substr(key.size() + 1);
    return fallback;
}

static Args split(const char *line)
{
    Args out;
    std::string word;
    for (const char *p = line; *p; ++p) {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
            if (!word.empty())
                out.push_back(word);
            word.clear();
        } else {
            word += *p;
        }
    }
    if (!word.empty())
        out.push_back(word);
    return out;
}

static std::string dispatch(const Args &args)
{
    static const struct {
        const char *name;
        std::string (*run)(const Args &);
    } commands[] = {
        {"open", cmd_open},   {"close", cmd_close},       {"fill", cmd_fill},   {"hang", cmd_hang},
        {"unhang", cmd_unhang}, {"settitle", cmd_settitle}, {"info", cmd_info},   {"top", cmd_top},
        {"children", cmd_children}, {"send", cmd_send},   {"post", cmd_post},   {"show", cmd_show},
        {"move", cmd_move},   {"fg", cmd_foreground},     {"cursor", cmd_cursor}, {"box", cmd_box},
        {"gdi", cmd_gdi}, {"replace", cmd_replace},
        {"crowd", cmd_crowd}, {"crowd-end", cmd_crowd}, {"sendn", cmd_sendn},
        {"flicker", cmd_flicker},
    };
    for (const auto &c : commands)
        if (args[0] == c.name)
            return c.run(args);
    return err("unknown command");
}

int main()
{
    static char line[1 << 16];
    setvbuf(stdout, NULL, _IONBF, 0);
    printf("ready\n");
    while (fgets(line, sizeof line, stdin)) {
        Args args = split(line);
        if (args.empty())
            continue;
        if (args[0] == "quit")
            break;
        std::string reply = dispatch(args);
        printf("%s\n", reply.c_str());
    }
    return 0;
}
