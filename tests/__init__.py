"""Vantoscope's tests: the native unit tests, and the end-to-end stories under Wine with what they share."""
