"""What the tests share beyond one story: screen captures and the seeded churn (also the soak's)."""

from .screen import Screen, load_bmp  # noqa: F401
