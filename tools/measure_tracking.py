#!/usr/bin/env python3
"""Measures the real marker under Wine: its process's CPU time over 20 s with
the cursor still and over 20 s of continuous movement, and the lag between a
cursor move and the marker's arrival (median and 95th percentile).

Run after building (cmake --preset mingw && cmake --build --preset mingw):
    python3 tools/measure_tracking.py [--moves 200] [--seconds 20]
It starts its own virtual display and Wine prefix (as the end-to-end tests do),
with a full-screen window of another application under the marker.
"""
import argparse
import ctypes
import os
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import harness  # noqa: E402


class X:
    """Just enough Xlib, through ctypes, to move the pointer and read where a
    window is without starting a process for each look."""

    def __init__(self, display):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.lib.XWarpPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                          ctypes.c_uint, ctypes.c_uint, ctypes.c_int, ctypes.c_int]
        self.lib.XFlush.argtypes = [ctypes.c_void_p]
        self.lib.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                                   ctypes.c_int, ctypes.POINTER(ctypes.c_int),
                                                   ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong)]
        self.dpy = self.lib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open " + display)
        self.root = self.lib.XDefaultRootWindow(self.dpy)

    def warp(self, x, y):
        self.lib.XWarpPointer(self.dpy, 0, self.root, 0, 0, 0, 0, x, y)
        self.lib.XFlush(self.dpy)

    def origin(self, window):
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.lib.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                                       ctypes.byref(child))
        return x.value, y.value


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--moves", type=int, default=200)
    parser.add_argument("--seconds", type=float, default=20)
    args = parser.parse_args()

    desktop = harness.Desktop()
    try:
        desktop.move(10, 10)
        # The user's application lies under the cursor, as it would: Wine learns
        # of pointer motion from the Windows window the pointer is over.
        desktop.start_app()
        pid = harness.Program(desktop, ini=harness.settings(glyph=1)).start().pid
        w, h = harness.wait_for("the marker", desktop.marker)[2:]
        window_id = desktop.run("xdotool", "search", "--onlyvisible", "--name", "^Trailglint$").stdout.split()[0]
        x = X(desktop.env["DISPLAY"])
        window = int(window_id)

        x.warp(500, 400)
        time.sleep(1)
        start = cpu_seconds(pid)
        time.sleep(args.seconds)
        still = cpu_seconds(pid) - start

        start, t0 = cpu_seconds(pid), time.monotonic()
        i = 0
        while time.monotonic() - t0 < args.seconds:
            i += 1
            x.warp(200 + (i * 7) % 600, 150 + (i * 5) % 450)
            time.sleep(0.005)
        moving = cpu_seconds(pid) - start

        lags = []
        for i in range(args.moves):
            tx, ty = 150 + (i * 37) % 700, 120 + (i * 53) % 500
            expected = (tx - w // 2, ty - h // 2)
            sent = time.monotonic()
            x.warp(tx, ty)
            while True:
                ox, oy = x.origin(window)
                if abs(ox - expected[0]) <= 1 and abs(oy - expected[1]) <= 1:
                    lags.append((time.monotonic() - sent) * 1000)
                    break
                if time.monotonic() - sent > 2:
                    lags.append(float("inf"))
                    break
            time.sleep(0.03)

        finite = sorted(v for v in lags if v != float("inf"))
        print(f"CPU time over {args.seconds:.0f} s, cursor still:  {still:.2f} s ({100 * still / args.seconds:.1f} %)")
        print(f"CPU time over {args.seconds:.0f} s, cursor moving: {moving:.2f} s ({100 * moving / args.seconds:.1f} %)")
        print(f"lag over {len(lags)} moves: median {statistics.median(finite):.1f} ms, "
              f"p95 {finite[int(len(finite) * 0.95) - 1]:.1f} ms, max {finite[-1]:.1f} ms, "
              f"missed {len(lags) - len(finite)}")
    finally:
        desktop.run("wineserver", "-k")
        desktop.xvfb.terminate()


if __name__ == "__main__":
    main()
