"""Vantoscope's tests: native unit tests, the Win32 helpers and the end-to-end tests under Wine."""
