"""A virtual desktop with Wine for the end-to-end tests.

One Xvfb display and one Wine prefix serve a whole test run. Each test copies
the real Trailglint.exe into a folder of its own on drive C:, starts it as a
person would, and reads back what it did: windows through the peek helper,
message boxes through the helper and X, the settings file from disk.
"""
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

MARKER_CLASS = "TrailglintMarker"
TITLE = "Trailglint (ver 1.0.1) [Ember]"


def wait_for(what, condition, timeout=20.0, interval=0.1):
    """Polls until condition() gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    """Xvfb plus a private Wine prefix."""

    def __init__(self):
        WORK.mkdir(parents=True, exist_ok=True)
        self.display = self._free_display()
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = Path("/tmp/.X11-unix") / ("X" + self.display[1:])
        wait_for("the X display", socket.exists, timeout=10)
        self.env = dict(os.environ, DISPLAY=self.display, TG_WINEPREFIX=str(WORK / "wineprefix"))
        # The prefix (and its font mapping) is prepared by the project's script.
        subprocess.run(["bash", "-c", f'source "{ROOT}/scripts/wine-env.sh" && tg_prepare_wineprefix'],
                       env=self.env, check=True)
        self.env.update(WINEPREFIX=str(WORK / "wineprefix"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.drive_c = WORK / "wineprefix" / "drive_c"
        self.peek_exe = self.drive_c / "peek.exe"
        shutil.copy(PEEK, self.peek_exe)
        self._start_wineserver()

    def _start_wineserver(self):
        # A persistent server keeps Wine's own processes up between programs,
        # so each start takes a fraction of a second instead of seconds.
        subprocess.run(["wineserver", "-p"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def _free_display():
        for n in range(91, 140):
            if not Path(f"/tmp/.X{n}-lock").exists() and not Path(f"/tmp/.X11-unix/X{n}").exists():
                return f":{n}"
        raise RuntimeError("no free X display number")

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)

    def kill_wine(self):
        """Ends every Wine process of this prefix (a test's clean-up)."""
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL, timeout=30)
        self._start_wineserver()

    # --- reading the desktop ------------------------------------------------
    def peek(self, *args):
        # Output goes through a file: Wine's service processes inherit a pipe
        # and would hold it open long after the helper has ended.
        out = WORK / "peek.out"
        with open(out, "wb") as sink:
            code = subprocess.run(["wine", str(self.peek_exe), *args], env=self.env, stdout=sink,
                                  stderr=subprocess.DEVNULL, timeout=60).returncode
        lines = out.read_bytes().decode("utf-8").splitlines()
        return code, [line.rstrip("\r") for line in lines]

    def marker_windows(self):
        """(handle, visible, x, y, width, height) of every marker window."""
        _, lines = self.peek("find", MARKER_CLASS)
        return [tuple(int(v) for v in line.split()) for line in lines if line.strip()]

    def marker_state(self):
        """{'visible': .., 'topmost': .., 'toolwindow': .., 'layered': .., 'alpha': ..}"""
        _, lines = self.peek("window", MARKER_CLASS)
        words = lines[0].split()
        return {words[i]: int(words[i + 1]) for i in range(0, len(words), 2)}

    def marker_region(self, glyph, points):
        """The marker's region against the glyph's outline built independently."""
        _, lines = self.peek("region", MARKER_CLASS, glyph, str(points))
        w = lines[0].split()
        return {"equal": w[1] == "1", "area": int(w[3]), "centre_inside": w[5] == "1",
                "extent": (int(w[7]), int(w[8])), "size": (int(w[10]), int(w[11]))}

    def x_properties(self, name):
        """xprop output of the visible X windows titled exactly `name`."""
        return [subprocess.run(["xprop", "-id", wid], env=self.env, capture_output=True, text=True).stdout
                for wid in self.x_windows_named(name)]

    def x_info(self, name):
        """xwininfo -shape output of the visible X windows titled exactly `name`."""
        return [subprocess.run(["xwininfo", "-id", wid, "-shape"], env=self.env, capture_output=True,
                               text=True).stdout for wid in self.x_windows_named(name)]

    def pixel(self, shot, x, y):
        """(r, g, b) of a screenshot's pixel."""
        out = subprocess.run(["convert", str(shot), "-format", f"%[fx:int(255*p{{{x},{y}}}.r)] "
                              f"%[fx:int(255*p{{{x},{y}}}.g)] %[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                             capture_output=True, text=True, check=True).stdout
        return tuple(int(v) for v in out.split())

    def message_box(self, caption=TITLE):
        """(text, ok_x, ok_y) of the box with this caption, or None."""
        code, lines = self.peek("msgbox", caption)
        if code != 0 or len(lines) < 2:
            return None
        _, x, y = lines[1].split()
        return lines[0], int(x), int(y)

    def x_windows_named(self, name):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + _regex(name) + "$"],
                                env=self.env, capture_output=True, text=True)
        return result.stdout.split()

    # --- acting as the user ---------------------------------------------------
    def click(self, x, y, button=1):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)], env=self.env, check=True)

    def start_app(self):
        """The user's own application, full screen under the marker and holding
        the keyboard focus, as a presentation would. Returns its log file."""
        log = WORK / "app.log"
        log.write_text("")
        subprocess.Popen(["wine", str(self.peek_exe), "app", str(log)], env=self.env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ids = wait_for("the application window", lambda: self.x_windows_named("Presentation"))
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[0]], env=self.env, check=True)
        return log

    def move(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=self.env, check=True)

    def key(self, name, hold=0.05):
        """Presses and releases a key, holding it long enough for the 10 ms poll."""
        subprocess.run(["xdotool", "keydown", name, "sleep", str(hold), "keyup", name], env=self.env, check=True)

    def menu_open(self):
        """True while a popup menu window is up."""
        _, lines = self.peek("find", "#32768")
        return any(line.split()[1] == "1" for line in lines if line.strip())

    def wait_for_menu(self):
        """Waits until a popup menu is up and has taken the keyboard."""
        wait_for("the popup menu", self.menu_open, timeout=5)
        time.sleep(0.3)

    def tray_icons(self):
        """(x, y, width, height) of each icon in Wine's own tray window."""
        _, lines = self.peek("children", "Wine System Tray")
        return [tuple(int(v) for v in line.split()[2:6]) for line in lines if line.strip()]

    def click_tray_icon(self, button=1, repeat=1):
        (x, y, w, h), = self.tray_icons()
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "--repeat", str(repeat),
                        "--delay", "60", str(button)], env=self.env, check=True)

    def menus(self):
        """(x, y, width, height) of each open popup menu window, the top menu first."""
        _, lines = self.peek("find", "#32768")
        rects = [tuple(int(v) for v in line.split()[2:6]) for line in lines if line.strip() and line.split()[1] == "1"]
        return sorted(rects, key=lambda r: r[0])

    def choose(self, *path):
        """Chooses with the mouse from the open popup menu: `path` holds the
        index of an item of the top menu (separators count), then of an item
        of the submenu it opens. Keys cannot be used for a menu opened from the
        tray under Wine: the keyboard stays with the application in front."""
        top = wait_for("the popup menu", self.menus, timeout=5)[0]
        self.click(*_menu_item_centre(top, path[0], MENU_LAYOUT))
        if len(path) > 1:
            sub = wait_for("the submenu", lambda: self.menus()[1:], timeout=5)[0]
            self.click(*_menu_item_centre(sub, path[1], None))

    def marker(self):
        """(visible, x, y, width, height) of the one marker window."""
        (_, visible, x, y, w, h), = self.marker_windows()
        return visible, x, y, w, h

    def press_ok(self, box):
        _, x, y = box
        self.click(x, y)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True)


# The popup menu as Wine draws it here (96 dpi, the linked Japanese face):
# items 16 pixels high, separators 9, after a 3-pixel border.
MENU_LAYOUT = ["item", "separator", "item", "item", "item", "item", "separator", "item"]
MENU_ITEM, MENU_SEPARATOR, MENU_BORDER = 16, 9, 3


def _menu_item_centre(rect, index, layout):
    x, y, w, _ = rect
    rows = layout or ["item"] * (index + 1)
    top = y + MENU_BORDER + sum(MENU_ITEM if kind == "item" else MENU_SEPARATOR for kind in rows[:index])
    return x + w // 2, top + MENU_ITEM // 2


def _regex(text):
    return "".join("\\" + c if c in r"\.^$|?*+()[]{}" else c for c in text)


class Program:
    """One copy of Trailglint.exe in a folder of its own on drive C:."""

    def __init__(self, desktop, folder_name, ini=None):
        self.desktop = desktop
        self.folder = desktop.drive_c / "tg" / folder_name
        if self.folder.exists():
            subprocess.run(["chattr", "-i", str(self.folder)], stderr=subprocess.DEVNULL)
            shutil.rmtree(self.folder)
        self.folder.mkdir(parents=True)
        self.exe = self.folder / "Trailglint.exe"
        shutil.copy(EXE, self.exe)
        self.ini = self.folder / "Trailglint.ini"
        if ini is not None:
            self.ini.write_bytes(ini.encode("ascii"))
        self.processes = []

    def start(self):
        process = subprocess.Popen(["wine", str(self.exe)], env=self.desktop.env, cwd=self.folder,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def wait_for_marker(self):
        return wait_for("the marker window", self.desktop.marker_windows)

    def close(self):
        self.desktop.peek("close", MARKER_CLASS)

    def ini_bytes(self):
        return self.ini.read_bytes() if self.ini.exists() else None


def settings(glyph=1, size=16, colour=6, translucence=5, shown=True, extra=""):
    """A settings file's text."""
    return (f"[Window Design]\r\nPointer Type={glyph}\r\nPointer Size={size}\r\nPointer Color={colour}\r\n"
            f"Translucence={translucence}\r\n{extra}[Config]\r\nDisp Pointer={'True' if shown else 'False'}\r\n")


def ini_entries(data):
    """[(section, key, value)] in file order."""
    entries, section = [], None
    for line in data.decode("ascii").splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif "=" in line:
            key, value = line.split("=", 1)
            entries.append((section, key, value))
    return entries


SETTINGS_ORDER = [
    ("Window Design", "Top"), ("Window Design", "Left"), ("Window Design", "Pointer Size"),
    ("Window Design", "Pointer Color"), ("Window Design", "Translucence"), ("Window Design", "Pointer Type"),
    ("Config", "Disp Pointer"),
]


class DesktopTest(unittest.TestCase):
    """A test class with one virtual desktop for all its tests; each test
    ends with every Wine process of it ended."""

    desktop = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def tearDown(self):
        self.desktop.kill_wine()
