#!/usr/bin/env python3
"""Runs the benchmarks and prints one table: median (min-max) of several runs, and the ratio
against the floor measured in the same run. Called by ./bench.sh with the release build folder."""
import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-release")
RUNS = int(os.environ.get("BENCH_RUNS", "7"))
SIZES = [int(s) for s in os.environ.get("BENCH_SIZES", "10000,100000").split(",")]
DATA = os.path.join(BUILD, "bench-data")


def start_xvfb():
    """A display of our own; returns (process, ':n')."""
    r, w = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(r, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(r)
    return proc, ":" + number.decode().strip()


class MapWatcher:
    """Waits for a top-level window to be mapped on the display (no window manager runs)."""
    MAP_NOTIFY = 19
    SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

    def __init__(self, display):
        self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.d = self.x.XOpenDisplay(display.encode())
        if not self.d:
            raise RuntimeError("cannot open display " + display)
        self.x.XSelectInput(self.d, self.x.XDefaultRootWindow(self.d), self.SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XSync(self.d, 0)
        self.fd = self.x.XConnectionNumber(self.d)
        self.event = ctypes.create_string_buffer(192)

    def wait_map(self, timeout):
        end = time.perf_counter() + timeout
        while True:
            while self.x.XPending(self.d):
                self.x.XNextEvent(self.d, self.event)
                kind = int.from_bytes(self.event.raw[0:4], "little")
                override = int.from_bytes(self.event.raw[48:52], "little")
                if kind == self.MAP_NOTIFY and not override:
                    return time.perf_counter()
            left = end - time.perf_counter()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)


def peak_rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def start_run(watcher, display, program):
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    t0 = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    t1 = watcher.wait_map(30)
    time.sleep(0.5)  # let the first paint and the start-up work settle before reading the peak
    rss = peak_rss_kb(proc.pid)
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    if t1 is None:
        raise RuntimeError(program + " never mapped a window")
    return (t1 - t0) * 1000.0, rss / 1024.0


def summary(values):
    return statistics.median(values), min(values), max(values)


ROWS = []


def row(name, values, floor_name=None, floor_values=None, unit="ms"):
    med, lo, hi = summary(values)
    if floor_values:
        fmed, flo, fhi = summary(floor_values)
        ROWS.append((name, f"{med:.1f} {unit} ({lo:.1f}-{hi:.1f})", f"{floor_name}: {fmed:.1f} ({flo:.1f}-{fhi:.1f})",
                     f"{med / fmed:.2f}x" if fmed > 0 else "-"))
    else:
        ROWS.append((name, f"{med:.1f} {unit} ({lo:.1f}-{hi:.1f})", "-", "-"))


def bench_start():
    xvfb, display = start_xvfb()
    try:
        watcher = MapWatcher(display)
        vor, bare = [], []
        # Alternate the two programs so that a change of machine load hits both.
        for _ in range(RUNS):
            vor.append(start_run(watcher, display, os.path.join(BUILD, "vorelis")))
            bare.append(start_run(watcher, display, os.path.join(BUILD, "bench", "bare_mainwindow")))
        row("start to main window mapped", [v[0] for v in vor], "bare Qt", [b[0] for b in bare])
        row("peak resident memory after start", [v[1] for v in vor], "bare Qt", [b[1] for b in bare], unit="MB")
    finally:
        xvfb.terminate()
        xvfb.wait()


def bench_inprocess():
    """The figures measured inside a program linking the windows (bench_vorelis)."""
    program = os.path.join(BUILD, "bench", "bench_vorelis")
    if not os.path.exists(program):
        return
    os.makedirs(DATA, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([program, DATA, str(RUNS)] + [str(s) for s in SIZES], env=env, check=True,
                         capture_output=True, text=True).stdout
    with open(os.path.join(DATA, "last-run.tsv"), "w") as f:
        f.write(out)
    # Lines: name \t values \t floor name \t floor values; "#rows \t title \t n" tells a report's size.
    sizes = {}
    for line in out.splitlines():
        parts = line.split("\t")
        if parts[0] == "#rows" and len(parts) == 3:
            sizes[parts[1]] = parts[2]
    for line in out.splitlines():
        parts = line.split("\t")
        if len(parts) < 2 or parts[0].startswith("#"):
            continue
        for title, n in sizes.items():
            if parts[0] == f'report "{title}"':
                parts[0] += f" ({n} rows)"
        values = [float(v) for v in parts[1].split(",")]
        if len(parts) >= 4 and parts[3]:
            row(parts[0], values, parts[2], [float(v) for v in parts[3].split(",")])
        else:
            row(parts[0], values)


def main():
    bench_start()
    bench_inprocess()
    widths = [max(len(r[i]) for r in ROWS + [("figure", "median (min-max)", "floor", "ratio")]) for i in range(4)]
    header = ("figure", "median (min-max)", "floor", "ratio")
    for r in [header] + ROWS:
        print("  ".join(c.ljust(w) for c, w in zip(r, widths)))
    print(f"({RUNS} runs each; sizes {', '.join(map(str, SIZES))})")


if __name__ == "__main__":
    main()
