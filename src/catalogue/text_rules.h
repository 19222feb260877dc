// Byte-wise text tests on raw code-page-932 titles and class names. None of them looks
// at double-byte character boundaries: a part may match across two characters.
#pragma once

// True when part occurs anywhere in text (case-sensitive). An empty part always occurs.
bool contains_bytes(const char *text, const char *part);

// True when both texts are the same bytes up to the terminating zero.
bool same_text(const char *a, const char *b);

// Orders texts by their bytes taken as unsigned values; a leading part sorts first.
// Negative, zero or positive like strcmp.
int compare_titles(const char *a, const char *b);
