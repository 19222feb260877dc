"""python3 -m tests.bed --cleanup: stops what interrupted runs left behind."""
from . import cleanup

cleanup()
