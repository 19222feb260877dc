// Byte-wise text tests on raw code-page-932 titles, class names and settings values. None of
// them looks at double-byte character boundaries: a part may match across two characters.
#pragma once

// A space or a tab: what settings values and keys may have around them.
bool is_blank(char c);

// [begin, end) without the blanks at either end.
void trim_blanks(const char *&begin, const char *&end);

// An ASCII letter in the other case; any other byte as it is.
char ascii_lower(char c);
char ascii_upper(char c);

// True when part occurs anywhere in text (case-sensitive). An empty part always occurs.
bool contains_bytes(const char *text, const char *part);

// True when both texts are the same bytes up to the terminating zero.
bool same_text(const char *a, const char *b);

// The same, but ASCII letters match in either case: setting values that a person typed.
bool same_text_ignoring_ascii_case(const char *a, const char *b);

// Orders texts by their bytes taken as unsigned values; a leading part sorts first.
// Negative, zero or positive like strcmp.
int compare_titles(const char *a, const char *b);

// True when text holds at least one byte beyond ASCII and all of it is well-formed UTF-8:
// a name typed into a settings file that a UTF-8 editor saved.
bool is_utf8_beyond_ascii(const char *text);
