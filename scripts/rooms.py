"""The rooms of src/ (its folders) depend one way, and so do the files of each room: fails when two rooms
include each other, directly or through others, naming each include that closes such a loop (the shortest
loops first, and of those the arrows of the fewest include lines, which are most likely the stray ones);
likewise for two files of one room, a file being a header and its source together."""

import os
import re
import sys

SRC = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src")
rooms = sorted(d for d in os.listdir(SRC) if os.path.isdir(os.path.join(SRC, d)))
edges = {}  # (from room, to room): the include lines that make the arrow
file_edges = {}  # room: {(from file, to file): the include lines}, a file named without its ending
for room in rooms:
    for name in sorted(os.listdir(os.path.join(SRC, room))):
        with open(os.path.join(SRC, room, name), errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = re.match(r'\s*#\s*include\s+"([^/"]+)/([^"]+)"', line)
                if not m or m.group(1) not in rooms:
                    continue
                where = "src/%s/%s:%d" % (room, name, number)
                if m.group(1) != room:
                    edges.setdefault((room, m.group(1)), []).append(where)
                    continue
                a, b = os.path.splitext(name)[0], os.path.splitext(m.group(2))[0]
                if a != b:
                    file_edges.setdefault(room, {}).setdefault((a, b), []).append(where)


def path(arrows, a, b):
    # The shortest chain from a to b along the arrows, or None.
    paths, seen = [[a]], {a}
    while paths:
        p = paths.pop(0)
        for x, y in arrows:
            if x == p[-1] and y not in seen:
                if y == b:
                    return p + [y]
                seen.add(y)
                paths.append(p + [y])
    return None


def loops(arrows):
    # Each arrow that closes a loop, with the way back: the likeliest stray ones first.
    found = [((a, b), path(arrows, b, a)) for a, b in arrows]
    return sorted((loop for loop in found if loop[1]), key=lambda loop: (len(loop[1]), len(arrows[loop[0]]), loop))


failed = False
for (a, b), back in loops(edges):
    print("%s includes %s (%s), which reaches it back: %s" % (a, b, ", ".join(edges[a, b]), " -> ".join(back)))
    failed = True
for room in sorted(file_edges):
    arrows = file_edges[room]
    for (a, b), back in loops(arrows):
        print("in %s/, %s includes %s (%s), which reaches it back: %s"
              % (room, a, b, ", ".join(arrows[a, b]), " -> ".join(back)))
        failed = True
sys.exit(1 if failed else 0)
