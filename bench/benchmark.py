#!/usr/bin/env python3
"""Vantoscope's benchmark, on the two-monitor test bed: mirror latency against a bare
reference copier, main-loop period on crowded desktops, CPU use, and memory and GDI objects
over 10,000 paints. Prints a table and writes JSON (default build/benchmark.json)."""

import argparse
import json
import os
import platform
import random
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from testbed import ROOT, TestBed, build_path, wait_for  # noqa: E402
from vanto import Vantoscope, cpu_seconds, rss_kib  # noqa: E402
from xpixels import ScreenReader  # noqa: E402

ASSETS = os.path.join(ROOT, "assets")
EXT_X = 1024
WM_COMMAND, WM_SYSCOMMAND, WM_PAINT = 0x0111, 0x0112, 0x000F
ID_MOUSE_POINTER = 1020
CLASS_LINE = re.compile(rb"^Class:")
COLOURS = [0x1F77B4, 0xFF7F0E, 0x2CA02C, 0xD62728, 0x9467BD, 0x8C564B, 0xE377C2, 0x7F7F7F, 0xBCBD22, 0x17BECF]

TARGETS = {
    "latency_p95_ms": 45.0,
    "latency_ratio_to_reference": 1.2,
    "loop_period_ms": 33.0,
    "cpu_percent_5_mirrors": 5.0,
}


def rgb(colour):
    return ((colour >> 16) & 255, (colour >> 8) & 255, colour & 255)


def percentile(values, p):
    s = sorted(values)
    return s[min(len(s) - 1, int(round(p / 100.0 * (len(s) - 1))))]


def wineserver_pids():
    out = []
    for pid in os.listdir("/proc"):
        if pid.isdigit():
            try:
                with open("/proc/%s/comm" % pid) as f:
                    if f.read().strip().startswith("wineserver"):
                        out.append(int(pid))
            except OSError:
                pass
    return out


def machine():
    model = ""
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    return {"cpu": model, "cores": os.cpu_count(), "kernel": platform.release(), "wine": wine,
            "date": time.strftime("%Y-%m-%d")}


class Bench:
    def __init__(self, bed, changes, cpu_seconds_window, exe=None):
        self.exe = exe
        self.bed = bed
        self.probe = bed.probe
        self.reader = ScreenReader(bed.display)
        self.changes = changes
        self.cpu_window = cpu_seconds_window
        self.rng = random.Random(1)

    def start(self):
        v = Vantoscope(self.bed, cwd=ASSETS, exe=self.exe)
        v.wait_ready()
        return v

    def tick_all(self, v, titles):
        texts = [r["text"] for r in sorted(v.rows(), key=lambda r: r["id"])]
        for title in titles:
            self.probe.send(v.checklist, WM_COMMAND, texts.index(title.encode()), 0)

    # -- latency ----------------------------------------------------------------------
    def time_changes(self, target, point):
        """Changes the target's picture `changes` times; returns the milliseconds until each
        change showed at `point` on the screen (None when it never did within a second)."""
        out = []
        for k in range(self.changes):
            colour = COLOURS[k % len(COLOURS)]
            want = rgb(colour)
            start = time.perf_counter()
            self.probe.fill(target, colour)
            while True:
                if self.reader.pixels([point])[0] == want:
                    out.append((time.perf_counter() - start) * 1000)
                    break
                if time.perf_counter() - start > 1.0:
                    out.append(None)
                    break
            time.sleep(self.rng.uniform(0.005, 0.035))  # no lock-step with the 30 ms timers
        return out

    def latency(self):
        windows = []
        for i in range(10):
            windows.append(self.probe.open("Latency %d" % i, x=320 + (i % 3) * 233, y=30 + (i // 3) * 182, w=220, h=170,
                                           fill=0x404040))
        info = self.probe.info(windows[0])
        client = info["client"]
        centre = ((client[0] + client[2]) // 2, (client[1] + client[3]) // 2)
        mirror_point = (centre[0] + EXT_X, centre[1])
        self.probe.cursor(1015, 760)
        results = {}
        for ticked in (1, 10):
            v = self.start()
            self.tick_all(v, ["Latency %d" % i for i in range(ticked)])
            self.probe.foreground(windows[0])
            self.probe.cursor(1015, 760)
            self.probe.fill(windows[0], 0x404040)
            wait_for(lambda: self.reader.pixels([mirror_point])[0] == (0x40, 0x40, 0x40), 10, what="the mirror")
            results["mirrors_%d" % ticked] = self.time_changes(windows[0], mirror_point)
            v.close()
        ref = self.bed.spawn(["wine", build_path("tests", "win32", "refcopy.exe"), "%x" % windows[0],
                              str(info["rect"][0] + EXT_X), str(info["rect"][1])], stdout=subprocess.PIPE)
        ref.stdout.readline()
        self.probe.fill(windows[0], 0x404040)
        wait_for(lambda: self.reader.pixels([mirror_point])[0] == (0x40, 0x40, 0x40), 10, what="the reference copy")
        results["reference"] = self.time_changes(windows[0], mirror_point)
        ref.kill()
        ref.wait()
        self.probe.close_all()
        summary = {}
        for name, values in results.items():
            ok = [x for x in values if x is not None]
            summary[name] = {"changes": len(values), "missed": len(values) - len(ok),
                             "p50_ms": round(statistics.median(ok), 1), "p95_ms": round(percentile(ok, 95), 1),
                             "max_ms": round(max(ok), 1)}
        return summary

    # -- loop period ------------------------------------------------------------------
    def loop_period(self):
        out = []
        for catalogued in (0, 10, 30):
            for i in range(catalogued):
                self.probe.open("Listed %02d" % i, x=(i % 6) * 150, y=60 + (i // 6) * 120, w=140, h=100,
                                fill=0x305070)
            for extra in (0, 50, 300):
                if extra:
                    self.probe.cmd("crowd", extra, "4d6972726f7220706164")  # "Mirror pad": never listed
                v = self.start()
                time.sleep(1)
                mark = v.mark()
                time.sleep(5)
                with v.cond:
                    times = [t for l, t in zip(v.lines[mark:], v.times[mark:]) if CLASS_LINE.match(l)]
                gaps = [(b - a) * 1000 for a, b in zip(times, times[1:])]
                period = (times[-1] - times[0]) * 1000 / (len(times) - 1)
                out.append({"catalogued": catalogued, "other_windows": extra, "iterations": len(times),
                            "period_ms": round(period, 2), "gap_p95_ms": round(percentile(gaps, 95), 1)})
                v.close()
                if extra:
                    self.probe.cmd("crowd-end")
            self.probe.close_all()
        return out

    # -- CPU --------------------------------------------------------------------------
    def cpu(self):
        out = []
        windows = [self.probe.open("Busy %d" % i, x=10 + 20 * i, y=10 + 15 * i, w=800, h=600, seed=60 + i)
                   for i in range(10)]
        for marker in (True, False):
            for ticked in (0, 1, 5, 10):
                v = self.start()
                if not marker:
                    self.probe.send(v.checklist, WM_SYSCOMMAND, ID_MOUSE_POINTER, 0)
                self.tick_all(v, ["Busy %d" % i for i in range(ticked)])
                self.probe.foreground(windows[0])
                self.probe.cursor(1015, 760)
                time.sleep(1.5)
                servers = wineserver_pids()
                before = (time.monotonic(), cpu_seconds(v.proc.pid), sum(cpu_seconds(p) for p in servers),
                          cpu_seconds(self.bed.procs[1].pid))
                time.sleep(self.cpu_window)
                after = (time.monotonic(), cpu_seconds(v.proc.pid), sum(cpu_seconds(p) for p in servers),
                         cpu_seconds(self.bed.procs[1].pid))
                wall = after[0] - before[0]
                out.append({"mirrors": ticked, "marker": marker,
                            "program_percent": round(100 * (after[1] - before[1]) / wall, 1),
                            "wineserver_percent": round(100 * (after[2] - before[2]) / wall, 1),
                            "x_server_percent": round(100 * (after[3] - before[3]) / wall, 1)})
                v.close()
        # What the copying alone costs on this platform: bare reference copiers, one per window.
        for copiers in (1, 5):
            refs = [self.bed.spawn(["wine", build_path("tests", "win32", "refcopy.exe"), "%x" % windows[i],
                                    str(10 + 20 * i + EXT_X), str(10 + 15 * i)], stdout=subprocess.PIPE)
                    for i in range(copiers)]
            for ref in refs:
                ref.stdout.readline()
            time.sleep(1.5)
            before = (time.monotonic(), sum(cpu_seconds(r.pid) for r in refs))
            time.sleep(self.cpu_window)
            after = (time.monotonic(), sum(cpu_seconds(r.pid) for r in refs))
            out.append({"reference_copiers": copiers,
                        "program_percent": round(100 * (after[1] - before[1]) / (after[0] - before[0]), 1)})
            for ref in refs:
                ref.kill()
                ref.wait()
        self.probe.close_all()
        return out

    # -- memory and GDI objects ---------------------------------------------------------
    def memory(self, paints=10000, warm_up=2000, step=2500):
        """GDI objects and resident memory at checkpoints over `paints` paints of one mirror,
        after `warm_up` paints that let the process settle (fonts, shared-memory images)."""
        target = self.probe.open("Painted", x=200, y=150, w=600, h=400, seed=70)
        v = self.start()
        self.tick_all(v, ["Painted"])
        self.probe.foreground(target)
        mirror = wait_for(lambda: [h for h, vis, c, t in self.probe.top() if vis and c.startswith(b"Mirror")], 10,
                          what="a visible mirror")[0]
        pid = v.pid()
        self.probe.cmd("sendn", "%x" % mirror, WM_PAINT, warm_up)
        checkpoints = []
        took_ms = 0
        for done in range(0, paints + 1, step):
            if done:
                took_ms += int(self.probe.cmd("sendn", "%x" % mirror, WM_PAINT, step))
            checkpoints.append({"paints": done, "gdi_objects": self.probe.gdi_objects(pid),
                                "rss_kib": rss_kib(v.proc.pid)})
        v.close()
        self.probe.close_all()
        return {"paints": paints, "warm_up_paints": warm_up, "paint_ms_each": round(took_ms / paints, 3),
                "checkpoints": checkpoints}


def verdicts(r):
    lat = r["latency"]
    ref95 = lat["reference"]["p95_ms"]
    worst95 = max(lat["mirrors_1"]["p95_ms"], lat["mirrors_10"]["p95_ms"])
    five = [c for c in r["cpu"] if c.get("mirrors") == 5 and c["marker"]][0]
    gdi = [c["gdi_objects"] for c in r["memory"]["checkpoints"]]
    rss = [c["rss_kib"] for c in r["memory"]["checkpoints"]]
    return {
        "latency_p95_at_most_45_ms": worst95 <= TARGETS["latency_p95_ms"],
        "latency_within_1.2x_reference": worst95 <= TARGETS["latency_ratio_to_reference"] * ref95,
        "loop_period_within_10_percent": all(x["period_ms"] <= TARGETS["loop_period_ms"] for x in r["loop"]),
        "cpu_at_most_5_percent_with_5_mirrors": five["program_percent"] <= TARGETS["cpu_percent_5_mirrors"],
        # A few objects come and go with each paint; growth means one more per some paints.
        "no_gdi_growth": gdi[-1] - gdi[0] <= 5,
        "no_memory_growth": rss[-1] - rss[0] <= 256,
        "no_missed_changes": all(v["missed"] == 0 for v in lat.values()),
    }


def print_table(r):
    if "verdicts" not in r:
        print(json.dumps(r, indent=1))
        return
    m = r["machine"]
    print("\nVantoscope benchmark, %s; %s, %d cores, %s, Linux %s" % (m["date"], m["cpu"], m["cores"], m["wine"],
                                                                    m["kernel"]))
    print("\nMirror latency (picture change to pixels on the external monitor)")
    print("  %-26s %8s %8s %8s %7s" % ("", "p50 ms", "p95 ms", "max ms", "missed"))
    for name in ("mirrors_1", "mirrors_10", "reference"):
        x = r["latency"][name]
        label = {"mirrors_1": "1 mirror", "mirrors_10": "10 mirrors", "reference": "reference copier"}[name]
        print("  %-26s %8.1f %8.1f %8.1f %7d" % (label, x["p50_ms"], x["p95_ms"], x["max_ms"], x["missed"]))
    ref = r["latency"]["reference"]["p95_ms"]
    print("  p95 ratio to the reference: 1 mirror %.2f, 10 mirrors %.2f" % (
        r["latency"]["mirrors_1"]["p95_ms"] / ref, r["latency"]["mirrors_10"]["p95_ms"] / ref))
    print("\nMain-loop period")
    print("  %-12s %-14s %10s %12s" % ("listed", "other windows", "period ms", "gap p95 ms"))
    for x in r["loop"]:
        print("  %-12d %-14d %10.2f %12.1f" % (x["catalogued"], x["other_windows"], x["period_ms"], x["gap_p95_ms"]))
    print("\nCPU over %d s (800 x 600 mirrors; %% of one core)" % r["cpu_window_s"])
    print("  %-8s %-7s %10s %12s %10s" % ("mirrors", "marker", "program", "wineserver", "X server"))
    for x in r["cpu"]:
        if "reference_copiers" in x:
            continue
        print("  %-8d %-7s %10.1f %12.1f %10.1f" % (x["mirrors"], "on" if x["marker"] else "off",
                                                    x["program_percent"], x["wineserver_percent"],
                                                    x["x_server_percent"]))
    for x in r["cpu"]:
        if "reference_copiers" in x:
            print("  reference copiers alone, %d x 800 x 600: %.1f %% of one core" % (x["reference_copiers"],
                                                                                   x["program_percent"]))
    mem = r["memory"]
    print("\nMemory and GDI objects over %d paints of one mirror (after %d to settle; %.3f ms each)" % (
        mem["paints"], mem["warm_up_paints"], mem["paint_ms_each"]))
    print("  %-8s %12s %14s" % ("paints", "GDI objects", "resident KiB"))
    for c in mem["checkpoints"]:
        print("  %-8d %12d %14d" % (c["paints"], c["gdi_objects"], c["rss_kib"]))
    print("\nTargets")
    for name, passed in r["verdicts"].items():
        print("  %-40s %s" % (name, "met" if passed else "MISSED"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--changes", type=int, default=120, help="picture changes per latency measurement")
    parser.add_argument("--cpu-seconds", type=int, default=10, help="length of each CPU measurement")
    parser.add_argument("--json", default=os.path.join(ROOT, "build", "benchmark.json"))
    parser.add_argument("--exe", default=None, help="another Vantoscope.exe to measure")
    parser.add_argument("--only", default="latency,loop,cpu,memory", help="parts to run")
    args = parser.parse_args()
    with TestBed() as bed:
        b = Bench(bed, args.changes, args.cpu_seconds, args.exe)
        r = {"machine": machine(), "cpu_window_s": args.cpu_seconds}
        parts = args.only.split(",")
        if "latency" in parts:
            r["latency"] = b.latency()
        if "loop" in parts:
            r["loop"] = b.loop_period()
        if "cpu" in parts:
            r["cpu"] = b.cpu()
        if "memory" in parts:
            r["memory"] = b.memory()
        if len(parts) == 4:
            r["verdicts"] = verdicts(r)
        b.reader.close()
    os.makedirs(os.path.dirname(os.path.abspath(args.json)), exist_ok=True)
    with open(args.json, "w") as f:
        json.dump(r, f, indent=2)
    print_table(r)
    print("\nJSON: %s" % args.json)


if __name__ == "__main__":
    main()
