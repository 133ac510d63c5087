"""A virtual desktop with Wine for the end-to-end tests: each test starts a copy
of the real Trailglint.exe as a person would and reads back what it did through
X (a top-level Wine window is an X window), the settings file, and the peek
helper for the little X cannot see."""
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
MARKER, TITLE = "TrailglintMarker", r"Trailglint \(ver 1\.0\.1\) \[Ember\]"
WM_CLOSE, TRAY_MESSAGE = 0x10, 0x8001  # the tray icon's callback is WM_APP + 1
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


def wait_for(what, condition, timeout=20.0):
    """Polls until condition() gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)
    return value


class Desktop:
    """Xvfb plus a private Wine prefix, and what a user or X sees of it."""

    def __init__(self):
        WORK.mkdir(parents=True, exist_ok=True)
        n = next(n for n in range(91, 140) if not Path(f"/tmp/.X{n}-lock").exists())
        # -noreset: the pointer stays where a test put it while no client is connected.
        self.xvfb = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                     **QUIET)
        wait_for("the X display", Path(f"/tmp/.X11-unix/X{n}").exists)
        # The project's Wine environment (prefix, and the loader this machine can run), prepared once.
        setup = subprocess.run(["bash", "-c", f'source "{ROOT}/scripts/wine-env.sh" && tg_prepare_wineprefix && env -0'],
                               env=dict(os.environ, DISPLAY=f":{n}", TG_WINEPREFIX=str(WORK / "wineprefix"),
                                        LC_ALL="C.UTF-8"), check=True, capture_output=True).stdout.decode()
        self.env = dict(item.split("=", 1) for item in setup.split("\0") if "=" in item)
        self.drive_c = WORK / "wineprefix" / "drive_c"
        shutil.copy(PEEK, self.drive_c / "peek.exe")
        self.end_wine(wait=False)

    def end_wine(self, wait=True):
        """Ends every Wine process and keeps a server up, so that each start takes a fraction of a second."""
        if wait:
            self.run("wineserver", "-k")
            self.run("wineserver", "-w", timeout=30)
        subprocess.run(["wineserver", "-p"], env=self.env, **QUIET)

    def run(self, *command, **kw):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, **kw)

    def peek(self, *args):
        out = WORK / "peek.out"  # through a file: Wine's service processes would hold a pipe open
        with open(out, "wb") as sink:
            subprocess.run(["wine", str(self.drive_c / "peek.exe"), *map(str, args)], env=self.env, stdout=sink,
                           stderr=subprocess.DEVNULL, timeout=60)
        return [line.rstrip("\r") for line in out.read_bytes().decode("utf-8").splitlines()]

    def shown(self, *search):
        """(x, y, width, height) of each mapped X window the xdotool search finds."""
        out = self.run("xdotool", "search", "--all", "--onlyvisible", *search, "getwindowgeometry", "--shell",
                       "%@").stdout.split()
        values = [int(item.split("=")[1]) for item in out if item.split("=")[0] in ("X", "Y", "WIDTH", "HEIGHT")]
        return [tuple(values[i:i + 4]) for i in range(0, len(values), 4)]

    def marker(self):
        """Where the marker is while it is shown, else None."""
        found = self.shown("--name", "^Trailglint$")
        return found[0] if found else None

    def menus(self, process):
        """The program's open popup menus, the top one first (submenus open to its right)."""
        return sorted(w for w in self.shown("--pid", str(process.pid), "--name", "^$") if w[2] > 1)

    def tray_icon(self):
        """The centre of the first icon in Wine's tray window, shown while it holds an icon."""
        found = self.shown("--name", "^Wine System Tray$")
        return (found[0][0] + 10, found[0][1] + 10) if found else None

    def message_box(self):
        """The text of the box with the program's title, or None."""
        return self.peek("msgbox", TITLE.replace("\\", ""))[0] if self.shown("--name", f"^{TITLE}$") else None

    def press_ok(self):
        """Return on the box, which has the keyboard once the user clicks into it."""
        box = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$").stdout.split()[0]
        self.run("xdotool", "windowfocus", "--sync", box, "key", "Return", check=True)

    def hold(self):
        """Another program opens the settings file without delete sharing; it lets go when killed."""
        (said := WORK / "hold.out").unlink(missing_ok=True)
        with open(said, "wb") as sink:
            holder = subprocess.Popen(["wine", str(self.drive_c / "peek.exe"), "hold", r"C:\tg\Trailglint.ini"],
                                      env=self.env, stdout=sink, stderr=subprocess.DEVNULL)
        wait_for("the file held", lambda: said.read_bytes().startswith(b"held"))
        return holder

    def foreground(self):
        return self.peek("foreground")[0]

    def click(self, x, y, button=1, repeat=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "60",
                 str(button), check=True)

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), check=True)

    def key(self, name):  # held long enough for the 10 ms poll to see it
        self.run("xdotool", "keydown", name, "sleep", "0.05", "keyup", name, check=True)

    def start_app(self):
        """The user's own application, full screen under the marker and holding
        the keyboard focus, as in a presentation."""
        subprocess.Popen(["wine", str(self.drive_c / "peek.exe"), "app"], env=self.env, **QUIET)
        ids = wait_for("the application", lambda: self.run("xdotool", "search", "--onlyvisible", "--name",
                                                             "^Presentation$").stdout.split())
        self.run("xdotool", "windowfocus", "--sync", ids[0], check=True)

    def click_tray_icon(self, button=1, repeat=1):
        self.click(*wait_for("the tray icon", self.tray_icon), button, repeat)

    def choose(self, process, row, subrow=None):
        """Chooses from the open popup menu with the mouse: a row of the top menu
        (separators count), then of its submenu. Rows are measured from the
        menus' heights: 3-pixel borders, 9-pixel separators (rows 1 and 6), the
        items share the rest."""
        x, y, w, h = wait_for("the popup menu", lambda: self.menus(process))[0]
        item = (h - 6 - 2 * 9) / 6
        self.click(x + w // 2, int(y + 3 + sum(9 if r in (1, 6) else item for r in range(row)) + item / 2))
        if subrow is not None:
            x, y, w, h = wait_for("the submenu", lambda: self.menus(process)[1:])[0]
            item = (h - 6) / {2: 8, 3: 16, 4: 7, 5: 11}[row]  # glyphs, sizes, colours, translucency
            self.click(x + w // 2, int(y + 3 + item * (subrow + 0.5)))
        wait_for("the menu closed", lambda: not self.menus(process))


class Program:
    """One copy of Trailglint.exe in a folder of its own on drive C:, on a small
    disk of its own when asked, with this many bytes left free."""

    def __init__(self, desktop, ini=None, free_bytes=None):
        self.desktop, self.folder = desktop, desktop.drive_c / "tg"
        self.unmount()
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        if free_bytes is not None:
            subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", str(self.folder)], check=True)
        shutil.copy(EXE, self.folder / "Trailglint.exe")
        self.ini = self.folder / "Trailglint.ini"
        if ini is not None:
            self.ini.write_bytes(ini.encode("ascii"))
        if free_bytes is not None:
            disk = os.statvfs(self.folder)
            (self.folder / "filler").write_bytes(b"\0" * (disk.f_bavail * disk.f_frsize - free_bytes))

    def unmount(self):
        subprocess.run(["umount", str(self.folder)], **QUIET)

    def start(self, wait=True):
        process = subprocess.Popen(["wine", str(self.folder / "Trailglint.exe")], cwd=self.folder,
                                   env=self.desktop.env, **QUIET)
        if wait:  # the icon is added once the window exists
            wait_for("the tray icon", self.desktop.tray_icon)
        return process

    def post_quit(self):
        """Asks the marker to close, as another program would."""
        self.desktop.peek("post", MARKER, WM_CLOSE, 0)

    def quit(self, process):
        """Closes the marker; the exit code."""
        self.post_quit()
        return process.wait(timeout=20)

    def saved(self):
        """{key: value} of the settings file."""
        return dict(line.split("=", 1) for line in self.ini.read_text("latin-1").splitlines() if "=" in line)


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
        cls.desktop.run("wineserver", "-k")
        cls.desktop.xvfb.terminate()

    def tearDown(self):
        self.desktop.end_wine()
