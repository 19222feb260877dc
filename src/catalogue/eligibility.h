// Which top-level windows the catalogue leaves out, by title and class name.
#pragma once

// Applies the exclusion rules in order: empty title, excluded titles (exact), excluded
// title parts (anywhere), a Mozilla main-window class without "Mozilla" in the title,
// class names containing "Mirror" or "FeedBack".
bool is_excluded(const char *class_name, const char *title);
