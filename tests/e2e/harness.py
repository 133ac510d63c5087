"""A virtual desktop with Wine for the end-to-end tests: each test starts a copy
of the real Trailglint.exe as a person would and reads back what it did through
X, the peek helper and the settings file."""
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import time
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
EXE = Path(os.environ.get("TRAILGLINT_EXE", ROOT / "build/mingw/Trailglint.exe"))
PEEK = Path(os.environ.get("TRAILGLINT_PEEK", ROOT / "build/mingw/tests/e2e/peek.exe"))
WORK = Path(os.environ.get("TRAILGLINT_E2E_WORK", ROOT / "build/mingw/e2e-work"))
MARKER = "TrailglintMarker"
TITLE = "Trailglint (ver 1.0.1) [Ember]"
JAPANESE = "ja_JP.UTF-8"  # Wine's code page 932


def wait_for(what, condition, timeout=20.0, interval=0.1):
    """Polls until condition() gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)
    return value


class Desktop:
    """Xvfb plus a private Wine prefix, and what a user or X sees of it."""

    def __init__(self):
        WORK.mkdir(parents=True, exist_ok=True)
        n = next(n for n in range(91, 140) if not Path(f"/tmp/.X{n}-lock").exists())
        self.xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the X display", Path(f"/tmp/.X11-unix/X{n}").exists, timeout=10)
        prefix = str(WORK / "wineprefix")
        self.env = dict(os.environ, DISPLAY=f":{n}", TG_WINEPREFIX=prefix, LC_ALL="C.UTF-8")
        subprocess.run(["bash", "-c", f'source "{ROOT}/scripts/wine-env.sh" && tg_prepare_wineprefix'],
                       env=self.env, check=True)
        self.env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.drive_c = WORK / "wineprefix" / "drive_c"
        shutil.copy(PEEK, self.drive_c / "peek.exe")
        self.keep_wineserver()

    def keep_wineserver(self):  # so that each start takes a fraction of a second
        subprocess.run(["wineserver", "-p"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run(self, *command, **kw):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, **kw)

    def kill_wine(self):
        self.run("wineserver", "-k")
        self.run("wineserver", "-w", timeout=30)

    def peek(self, *args):
        # Through a file: Wine's service processes would hold a pipe open.
        out = WORK / "peek.out"
        with open(out, "wb") as sink:
            code = subprocess.run(["wine", str(self.drive_c / "peek.exe"), *args], env=self.env, stdout=sink,
                                  stderr=subprocess.DEVNULL, timeout=60).returncode
        return code, [line.rstrip("\r") for line in out.read_bytes().decode("utf-8").splitlines()]

    # --- what there is to see -------------------------------------------------
    def windows(self, window_class=MARKER):
        """(visible, x, y, width, height, topmost) of every top-level window of the class."""
        return [tuple(int(v) for v in line.split()[1:]) for line in self.peek("find", window_class)[1]]

    def marker(self):
        """(visible, x, y, width, height) of the one marker window."""
        (marker,) = self.windows()
        return marker[:5]

    def region(self, glyph, points):
        w = self.peek("region", MARKER, glyph, str(points))[1][0].split()
        return {"equal": w[1] == "1", "centre": w[3] == "1", "extent": (w[5], w[6]), "size": (w[8], w[9])}

    def message_box(self, caption=TITLE):
        """(text, ok_x, ok_y) of the box with this caption, or None."""
        code, lines = self.peek("msgbox", caption)
        return (lines[0], *map(int, lines[1].split()[1:])) if code == 0 else None

    def foreground(self):
        return self.peek("foreground")[1][0]

    def menus(self):
        """(x, y, width, height) of each open popup menu, the top menu first."""
        return sorted(tuple(rect[:4]) for visible, *rect in self.windows("#32768") if visible)

    def tray_icons(self):
        return [tuple(map(int, line.split()[2:6])) for line in self.peek("children", "Wine System Tray")[1]]

    def x_property(self, name):
        """xprop output of the one mapped X window titled `name`."""
        ids = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$").stdout.split()
        return self.run("xprop", "-id", ids[0]).stdout if ids else None

    def cursor_shown(self):
        """Whether X draws a cursor with any visible pixel where the pointer is."""
        x11, xfixes = (ctypes.CDLL(ctypes.util.find_library(n)) for n in ("X11", "Xfixes"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
        xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(self.env["DISPLAY"].encode())
        image = xfixes.XFixesGetCursorImage(display).contents
        shown = any(image.pixels[i] >> 24 for i in range(image.width * image.height))
        x11.XCloseDisplay(ctypes.c_void_p(display))
        return shown

    def pixel(self, x, y):
        """(r, g, b) on the screen."""
        shot = WORK / "screen.png"
        self.run("import", "-window", "root", str(shot), check=True)
        fx = " ".join(f"%[fx:int(255*p{{{x},{y}}}.{c})]" for c in "rgb")
        return tuple(map(int, self.run("convert", str(shot), "-format", fx, "info:", check=True).stdout.split()))

    # --- what a user does -------------------------------------------------------
    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), check=True)

    def click(self, x, y, button=1, repeat=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "60",
                 str(button), check=True)

    def key(self, name):
        """Pressed long enough for the 10 ms poll to see it."""
        self.run("xdotool", "keydown", name, "sleep", "0.05", "keyup", name, check=True)

    def start_app(self):
        """The user's own application, full screen under the marker and holding
        the keyboard focus, as in a presentation. Returns its click log."""
        log = WORK / "app.log"
        log.write_text("")
        subprocess.Popen(["wine", str(self.drive_c / "peek.exe"), "app", str(log)], env=self.env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ids = wait_for("the application", lambda: self.run("xdotool", "search", "--onlyvisible", "--name",
                                                             "Presentation").stdout.split())
        self.run("xdotool", "windowfocus", "--sync", ids[0], check=True)
        return log

    def click_tray_icon(self, button=1, repeat=1):
        (x, y, w, h), = wait_for("the tray icon", self.tray_icons, timeout=10)
        self.click(x + w // 2, y + h // 2, button, repeat)

    def choose(self, *path):
        """Chooses from the open popup menu with the mouse: the index of an item
        of the top menu (separators count), then of an item of its submenu.
        Rows are measured from the menus' heights: 3-pixel borders, 9-pixel
        separators, the items share the rest."""
        x, y, w, h = wait_for("the popup menu", self.menus, timeout=5)[0]
        rows = ["item", "separator", "item", "item", "item", "item", "separator", "item"]
        item = (h - 6 - 9 * rows.count("separator")) / rows.count("item")
        top = y + 3 + sum(item if kind == "item" else 9 for kind in rows[:path[0]])
        self.click(x + w // 2, int(top + item / 2))
        if len(path) > 1:
            x, y, w, h = wait_for("the submenu", lambda: self.menus()[1:], timeout=5)[0]
            item = (h - 6) / {2: 8, 3: 16, 4: 7, 5: 11}[path[0]]  # glyphs, sizes, colours, translucency
            self.click(x + w // 2, int(y + 3 + item * (path[1] + 0.5)))
        wait_for("the menu closed", lambda: not self.menus(), timeout=5)


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


class Program:
    """One copy of Trailglint.exe in a folder of its own on drive C:."""

    def __init__(self, desktop, folder_name="tg", ini=None, locale="C.UTF-8"):
        self.desktop, self.locale = desktop, locale
        self.folder = desktop.drive_c / "tg" / folder_name
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        shutil.copy(EXE, self.folder / "Trailglint.exe")
        self.ini = self.folder / "Trailglint.ini"
        if ini is not None:
            self.ini.write_bytes(ini if isinstance(ini, bytes) else ini.encode("ascii"))

    def start(self, wait=True):
        process = subprocess.Popen(["wine", str(self.folder / "Trailglint.exe")], cwd=self.folder,
                                   env=dict(self.desktop.env, LC_ALL=self.locale),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if wait:
            wait_for("the marker window", self.desktop.windows)
        return process

    def quit(self, process):
        """Closes the marker as the session would ask it to; the exit code."""
        self.desktop.peek("close", MARKER)
        return process.wait(timeout=20)

    def ini_bytes(self):
        return self.ini.read_bytes() if self.ini.exists() else None

    def saved(self):
        """{key: value} of the settings file."""
        return dict(line.split("=", 1) for line in self.ini_bytes().decode("latin-1").split("\r\n") if "=" in line)


def settings(glyph=1, size=16, colour=6, translucence=5, shown=True):
    return (f"[Window Design]\r\nPointer Type={glyph}\r\nPointer Size={size}\r\nPointer Color={colour}\r\n"
            f"Translucence={translucence}\r\n[Config]\r\nDisp Pointer={shown}\r\n")


class DesktopTest(unittest.TestCase):
    """One virtual desktop for a test class; each test ends every Wine process."""

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.kill_wine()
        cls.desktop.xvfb.terminate()

    def tearDown(self):
        self.desktop.kill_wine()
        self.desktop.keep_wineserver()
