"""python3 -m desk: stops what interrupted runs left behind.
python3 -m desk 32bit: exit status 0 where this machine runs 32-bit programs, else 1 and why.
python3 -m desk prepare: makes the tests' Wine prefix, or says in one sentence why it cannot."""
import sys

from . import DeskError, Desktop, cleanup, wine

if sys.argv[1:] == ["32bit"]:
    sys.exit(0 if wine.runs_32bit() else print(wine.why_no_32bit()) or 1)
elif sys.argv[1:] == ["prepare"]:
    try:
        Desktop().start().stop()
    except DeskError as e:
        sys.exit(str(e))
else:
    cleanup()
