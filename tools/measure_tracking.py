#!/usr/bin/env python3
"""How closely the real marker follows the pointer under Wine, and what it costs.

For each of the eight glyphs (72 points, shown) the pointer glides round an
ellipse across the screen, so in every direction, in 4-pixel steps every 4 ms
(about 1,000 px/s, a brisk hand move) over a full-screen window of another
application. At the end of each step, just before the next, the marker's
centre is read through X and its distance from the cursor taken: the table
gives the median and the 95th percentile in pixels (at this speed 1 px is about
1 ms behind). Then, with the first glyph, the program's CPU time over --seconds
with the pointer still and over --seconds of the same glide.

The pointer moves through the XTEST extension, as a mouse would: that makes
device (raw) motion, which warps do not; --warp moves it with XWarpPointer.

Run after building (cmake --preset mingw && cmake --build --preset mingw):
    python3 tools/measure_tracking.py [--exe PATH [--label NAME]]... [--steps 1100] [--seconds 20] [--warp]
--exe may be given several times (default build/mingw/Trailglint.exe): each
build is measured in turn on the same desktop, one column group each. The tool
starts its own virtual display and Wine prefix, in TRAILGLINT_E2E_WORK, which
it sets to /tmp/glide-work unless given, apart from the end-to-end tests' own.
"""
import argparse
import ctypes
import math
import os
import shutil
import statistics
import sys
import time
from pathlib import Path

os.environ.setdefault("TRAILGLINT_E2E_WORK", "/tmp/glide-work")
sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402  (reads TRAILGLINT_E2E_WORK as it loads)

GLYPHS = "●○◎▲★♪■↑"  # Pointer Type 1..8
STEP_PX, STEP_S = 4, 0.004
CENTRE, RADII = (512, 384), (400, 300)  # the glide's ellipse on the 1024 x 768 screen: every direction


class X:
    """Just enough Xlib and XTEST, through ctypes, to move the pointer and read
    where a window is without starting a process for each look."""

    def __init__(self, display):
        self.lib, self.xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
        c_int, c_uint, c_ulong, ptr = ctypes.c_int, ctypes.c_uint, ctypes.c_ulong, ctypes.c_void_p
        self.lib.XOpenDisplay.restype = ptr
        self.lib.XDefaultRootWindow.restype = c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ptr]
        self.lib.XWarpPointer.argtypes = [ptr, c_ulong, c_ulong, c_int, c_int, c_uint, c_uint, c_int, c_int]
        self.lib.XFlush.argtypes = [ptr]
        self.lib.XTranslateCoordinates.argtypes = [ptr, c_ulong, c_ulong, c_int, c_int, ctypes.POINTER(c_int),
                                                   ctypes.POINTER(c_int), ctypes.POINTER(c_ulong)]
        self.lib.XGetGeometry.argtypes = [ptr, c_ulong, ctypes.POINTER(c_ulong)] + [ctypes.POINTER(c_int)] * 2 + [
            ctypes.POINTER(c_uint)] * 4
        self.xtst.XTestQueryExtension.argtypes = [ptr] + [ctypes.POINTER(c_int)] * 4
        self.xtst.XTestFakeMotionEvent.argtypes = [ptr, c_int, c_int, c_int, c_ulong]
        self.dpy = self.lib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open " + display)
        self.root = self.lib.XDefaultRootWindow(self.dpy)
        if not self.xtst.XTestQueryExtension(self.dpy, *(ctypes.byref(c_int()) for _ in range(4))):
            raise RuntimeError(display + " has no XTEST extension (try --warp)")

    def move(self, x, y, warp=False):
        if warp:
            self.lib.XWarpPointer(self.dpy, 0, self.root, 0, 0, 0, 0, x, y)
        else:
            self.xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)  # -1: the pointer's screen
        self.lib.XFlush(self.dpy)

    def centre(self, window):
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.lib.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                                       ctypes.byref(child))
        w, h = self.size(window)
        return x.value + w / 2, y.value + h / 2

    def size(self, window):  # cached: the marker keeps its size while gliding
        if getattr(self, "_size", (None,))[0] != window:
            root, i, u = ctypes.c_ulong(), [ctypes.c_int() for _ in range(2)], [ctypes.c_uint() for _ in range(4)]
            self.lib.XGetGeometry(self.dpy, window, ctypes.byref(root), *map(ctypes.byref, i + u))
            self._size = window, (u[0].value, u[1].value)
        return self._size[1]


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def path(steps):
    """Points STEP_PX apart, as near as whole pixels go, round and round the ellipse."""
    angle = 0.0
    for _ in range(steps):
        angle += STEP_PX / math.hypot(RADII[0] * math.sin(angle), RADII[1] * math.cos(angle))
        yield round(CENTRE[0] + RADII[0] * math.cos(angle)), round(CENTRE[1] + RADII[1] * math.sin(angle))


def glide(x, window, steps, warp):
    """Distances in pixels between the cursor and the marker's centre, one per
    step, and the glide's length in seconds."""
    distances = []
    start = deadline = time.monotonic()
    for px, py in path(steps):
        x.move(px, py, warp)
        deadline += STEP_S
        time.sleep(max(0.0, deadline - time.monotonic()))
        cx, cy = x.centre(window)
        distances.append(math.hypot(cx - px, cy - py))
    return distances, time.monotonic() - start


def measure(desktop, x, exe, args):
    """{glyph: (median, p95)} and the CPU seconds still and gliding, for one build."""
    harness.EXE = harness.WORK / "build" / "Trailglint.exe"  # what Program copies into its folder, by name
    harness.EXE.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(exe, harness.EXE)
    tracking, cpu = {}, None
    for number, glyph in enumerate(GLYPHS, 1):
        # Where the glide starts: the marker starts there, and Wine has seen the pointer move.
        x.move(CENTRE[0] + RADII[0], CENTRE[1], args.warp)
        program = harness.Program(desktop, ini=harness.settings(glyph=number))
        process = program.start()
        harness.wait_for("the marker", desktop.marker)
        window = int(desktop.xdo("search", "--onlyvisible", "--name", "^Trailglint$").split()[0])
        pid = int(desktop.xdo("getwindowpid", window))  # the Windows process itself, whatever started it
        time.sleep(0.5)
        distances, seconds = glide(x, window, args.steps, args.warp)
        quantiles = statistics.quantiles(distances, n=20)
        tracking[glyph] = statistics.median(distances), quantiles[18]
        print(f"  {glyph} {len(distances)} steps in {seconds:.2f} s ({len(distances) * STEP_PX / seconds:.0f} px/s):"
              f" median {tracking[glyph][0]:.1f} px, p95 {tracking[glyph][1]:.1f} px, max {max(distances):.1f} px",
              file=sys.stderr)
        if number == 1:
            x.move(*CENTRE, args.warp)
            time.sleep(1)
            start = cpu_seconds(pid)
            time.sleep(args.seconds)
            still = cpu_seconds(pid) - start
            start = cpu_seconds(pid)
            glide(x, window, round(args.seconds / STEP_S), args.warp)
            cpu = still, cpu_seconds(pid) - start
        program.quit(process)
        harness.wait_for("the marker gone", lambda: not desktop.marker())
    return tracking, cpu


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", action="append", type=Path, help="a build to measure (repeatable)")
    parser.add_argument("--label", action="append", help="a name for each --exe, in the same order")
    parser.add_argument("--steps", type=int, default=1100, help="glide steps per glyph (4 ms each; 1100 is two rounds)")
    parser.add_argument("--seconds", type=float, default=20, help="span of each CPU measurement")
    parser.add_argument("--warp", action="store_true", help="move the pointer by XWarpPointer, not XTEST")
    args = parser.parse_args()
    exes = args.exe or [harness.ROOT / "build/mingw/Trailglint.exe"]
    labels = args.label or [str(exe) for exe in exes]
    if len(labels) != len(exes):
        parser.error("give one --label per --exe")
    missing = [str(exe) for exe in exes if not exe.is_file()]
    if missing:
        parser.error("no such program: " + ", ".join(missing))

    desktop = harness.Desktop()
    try:
        desktop.move(10, 10)
        # The user's application lies under the cursor, as it would: Wine learns
        # of pointer motion from the Windows window the pointer is over.
        desktop.start_app()
        x = X(desktop.env["DISPLAY"])
        results = []
        for exe, label in zip(exes, labels):
            print(f"{label}:", file=sys.stderr)
            results.append(measure(desktop, x, exe.resolve(), args))
    finally:
        desktop.run("wineserver", "-k")
        desktop.xvfb.terminate()

    width = max(20, *(len(label) + 3 for label in labels))

    def row(head, cells):
        print(f"{head:<12}" + "".join(f"| {cell}".ljust(width) for cell in cells))

    print(f"distance from the cursor to the marker's centre, px ({STEP_PX} px every {STEP_S * 1000:.0f} ms, "
          f"{args.steps} steps, {'warp' if args.warp else 'XTEST'})")
    row("glyph", labels)
    row("", [f"{'median':>7} {'p95':>7}"] * len(labels))
    for glyph in GLYPHS:
        row(glyph, [f"{t[glyph][0]:7.1f} {t[glyph][1]:7.1f}" for t, _ in results])
    row("CPU still", [f"{c[0]:.2f} s ({100 * c[0] / args.seconds:.1f} %)" for _, c in results])
    row("CPU gliding", [f"{c[1]:.2f} s ({100 * c[1] / args.seconds:.1f} %)" for _, c in results])
    print(f"(CPU time of the program over {args.seconds:g} s each, showing {GLYPHS[0]})")


if __name__ == "__main__":
    main()
