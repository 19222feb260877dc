"""python3 -m desk: stops what interrupted runs left behind."""
from . import cleanup

cleanup()
