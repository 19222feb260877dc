"""The rooms of src/ (its folders) depend one way: fails when two rooms include each other, directly or through
others, naming each include that closes such a loop: the shortest loops first, and of those the arrows of the
fewest include lines, which are most likely the stray ones."""

import os
import re
import sys

SRC = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src")
rooms = sorted(d for d in os.listdir(SRC) if os.path.isdir(os.path.join(SRC, d)))
edges = {}  # (from room, to room): the include lines that make the arrow
for room in rooms:
    for name in sorted(os.listdir(os.path.join(SRC, room))):
        with open(os.path.join(SRC, room, name), errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = re.match(r'\s*#\s*include\s+"([^/"]+)/', line)
                if m and m.group(1) != room and m.group(1) in rooms:
                    edges.setdefault((room, m.group(1)), []).append("src/%s/%s:%d" % (room, name, number))


def path(a, b):
    # The shortest chain of rooms from a to b, or None.
    paths, seen = [[a]], {a}
    while paths:
        p = paths.pop(0)
        for x, y in edges:
            if x == p[-1] and y not in seen:
                if y == b:
                    return p + [y]
                seen.add(y)
                paths.append(p + [y])
    return None


loops = sorted(((a, b), path(b, a)) for a, b in edges if path(b, a))
for (a, b), back in sorted(loops, key=lambda loop: (len(loop[1]), len(edges[loop[0]]))):
    print("%s includes %s (%s), which reaches it back: %s" % (a, b, ", ".join(edges[a, b]), " -> ".join(back)))
sys.exit(1 if loops else 0)
