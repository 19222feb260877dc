"""python3 -m desk: stops what interrupted runs left behind.
python3 -m desk 32bit: exit status 0 where the 32-bit program's stories can run here, else 1 and why.
python3 -m desk 32bit-machine: the same, whether or not 32-bit Wine is installed yet.
python3 -m desk prepare: makes the tests' Wine prefix, or says in one sentence why it cannot."""
import sys

from . import DeskError, Desktop, cleanup, wine

if sys.argv[1:] in (["32bit"], ["32bit-machine"]):
    why = wine.why_no_32bit(installed=sys.argv[1] == "32bit")
    sys.exit(0 if why is None else print(why) or 1)
elif sys.argv[1:] == ["prepare"]:
    try:
        Desktop().start().stop()
    except DeskError as e:
        sys.exit(str(e))
else:
    cleanup()
