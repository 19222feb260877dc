// The settings file's full path from the working directory.
#pragma once

// Writes "<directory>\Vantoscope.ini" into out. Returns false, leaving out empty, when the
// path does not fit in out_size characters; the caller then reads no settings at all.
bool build_settings_path(const char *directory, char *out, int out_size);
