"""python3 -m tests.bed: stops what interrupted runs left behind."""
from . import cleanup

cleanup()
