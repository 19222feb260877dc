// vtprobe: the end-to-end tests' hands and eyes inside the Wine desktop. It reads one
// command per line on standard input and answers one line on standard output.
#pragma once
#undef UNICODE
#undef _UNICODE
#include <windows.h>
#include <string>
#include <vector>

typedef std::vector<std::string> Args;

// Replies: "ok ..." or "err ...".
std::string ok(const std::string &rest = "");
std::string err(const std::string &why);

std::string to_hex(const std::string &bytes);
std::string from_hex(const std::string &hex);
std::string hwnd_text(HWND h);
HWND hwnd_arg(const std::string &text);
// key=value arguments after the command word.
std::string option(const Args &args, const std::string &key, const std::string &fallback = "");

// Sample application windows, each on a thread of its own so that one can hang.
std::string cmd_open(const Args &args);
std::string cmd_close(const Args &args);
std::string cmd_fill(const Args &args);
std::string cmd_hang(const Args &args);
std::string cmd_unhang(const Args &args);
std::string cmd_settitle(const Args &args);
std::string cmd_replace(const Args &args);
std::string cmd_crowd(const Args &args);
std::string cmd_flicker(const Args &args);

// Queries and actions on any window.
std::string cmd_info(const Args &args);
std::string cmd_top(const Args &args);
std::string cmd_children(const Args &args);
std::string cmd_send(const Args &args);
std::string cmd_post(const Args &args);
std::string cmd_sendn(const Args &args);
std::string cmd_show(const Args &args);
std::string cmd_move(const Args &args);
std::string cmd_foreground(const Args &args);
std::string cmd_cursor(const Args &args);
std::string cmd_box(const Args &args);
std::string cmd_gdi(const Args &args);
