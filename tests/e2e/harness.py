"""Trailglint.exe under Wine on Xvfb, driven as a person would; read back through X, the file and the peek helper."""
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
APP, TITLE = "Untitled - Notepad", r"^Trailglint \(ver 1\.0\.1\) \[Ember\]$"  # the user's application, the boxes
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


def wait_for(what, condition, timeout=20.0):  # condition()'s first true value
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)
    return value


class Desktop:  # Xvfb and a private Wine prefix
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

    def run(self, *command, **kw):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, **kw)

    def xdo(self, *args):
        return self.run("xdotool", *map(str, args)).stdout

    def peek(self, *args):  # its line, through a file (Wine's services would hold a pipe open)
        (out := WORK / f"peek-{args[0]}.out").unlink(missing_ok=True)
        with open(out, "wb") as sink:
            subprocess.run(["wine", self.drive_c / "peek.exe", *map(str, args)], env=self.env, stdout=sink,
                           stderr=subprocess.DEVNULL, timeout=60)
        return (out.read_bytes().decode("utf-16-le").splitlines() or [""])[0]

    def shown(self, *search):  # (x, y, width, height) of each mapped X window found
        out = self.xdo("search", "--all", "--onlyvisible", *search, "getwindowgeometry", "--shell", "%@").split()
        values = [int(v.split("=")[1]) for v in out if v.split("=")[0] in ("X", "Y", "WIDTH", "HEIGHT")]
        return [tuple(values[i:i + 4]) for i in range(0, len(values), 4)]

    def marker(self):  # while it is shown
        return next(iter(self.shown("--name", "^Trailglint$")), None)

    def menus(self, pid):  # of the process; the top one first: submenus open to its right
        return sorted(w for w in self.shown("--pid", pid, "--name", "^$") if w[2] > 1)

    def pixels(self, x, y, w, h):  # "(r,g,b)" of each, as the screen shows them
        shot = self.run("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "txt:-").stdout
        return [line.split()[1].replace(" ", "") for line in shot.splitlines()[1:]]

    def tray_icon(self):  # the first icon's centre in Wine's tray window, shown while it holds an icon
        return next(((x + 10, y + 10) for x, y, _, _ in self.shown("--name", "^Wine System Tray$")), None)

    def message_box(self):  # the text of the program's box
        return self.peek("msgbox", TITLE[1:-1].replace("\\", "")) if self.shown("--name", TITLE) else None

    def press_ok(self):
        self.xdo("search", "--onlyvisible", "--name", TITLE, "windowfocus", "--sync", "%1", "key", "Return")

    def click(self, x, y, button=1, repeat=1):
        self.xdo("mousemove", x, y, "click", "--repeat", repeat, "--delay", 60, button)

    def move(self, x, y):
        self.xdo("mousemove", x, y)

    def key(self, name):  # held long enough for the 10 ms poll to see it
        self.xdo("keydown", name, "sleep", 0.05, "keyup", name)

    def start_app(self):  # full screen and holding the keyboard focus, as in a presentation
        subprocess.Popen(["wine", "notepad"], env=self.env, **QUIET)
        wait_for("the application", lambda: self.xdo("search", "--onlyvisible", "--name", f"^{APP}$"))
        self.xdo("search", "--onlyvisible", "--name", f"^{APP}$", "windowmove", "--sync", "%1", 0, 0, "windowsize",
                 "--sync", "%1", 1024, 768, "windowfocus", "--sync", "%1")

    def choose(self, process, row, subrow=None):
        # A row of the open menu, then of its submenu, by the mouse: 3-pixel borders, 9-pixel separators (rows 1, 6).
        x, y, w, h = wait_for("the popup menu", lambda: self.menus(process.pid))[0]
        item = (h - 6 - 2 * 9) / 6
        self.click(x + w // 2, int(y + 3 + sum(9 if r in (1, 6) else item for r in range(row)) + item / 2))
        if subrow is not None:
            x, y, w, h = wait_for("the submenu", lambda: self.menus(process.pid)[1:])[0]
            item = (h - 6) / {2: 8, 3: 16, 4: 7, 5: 11}[row]  # glyphs, sizes, colours, translucency
            self.click(x + w // 2, int(y + 3 + item * (subrow + 0.5)))
        wait_for("the menu closed", lambda: not self.menus(process.pid))


class Program:  # in a folder of its own on drive C:, when asked on a small disk with so many bytes free

    def __init__(self, desktop, ini=None, free_bytes=None):
        self.desktop, self.folder, self.ini = desktop, desktop.drive_c / "tg", desktop.drive_c / "tg/Trailglint.ini"
        subprocess.run(["umount", self.folder], **QUIET)  # the small disk of an earlier test
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        if free_bytes is not None:
            subprocess.run(["mount", "-t", "tmpfs", "-o", "size=1m", "tmpfs", self.folder], check=True)
        shutil.copy(EXE, self.folder)
        if ini is not None:
            self.ini.write_bytes(ini.encode("ascii"))
        if free_bytes is not None:
            disk = os.statvfs(self.folder)
            (self.folder / "filler").write_bytes(b"\0" * (disk.f_bavail * disk.f_frsize - free_bytes))

    def start(self, wait=True):
        # By the 64-bit loader: where 32-bit programs run too, `wine` would start it from a 32-bit start.exe.
        pe = EXE.read_bytes()[:4096]
        loader = "/usr/lib/wine/wine64" if pe[int.from_bytes(pe[60:64], "little") + 4:][:2] == b"\x64\x86" else "wine"
        process = subprocess.Popen([loader, self.folder / "Trailglint.exe"], cwd=self.folder, env=self.desktop.env,
                                   **QUIET)
        if wait:  # the icon is added once the window exists
            wait_for("the tray icon", self.desktop.tray_icon)
        return process

    def quit(self, process=None):  # WM_CLOSE, as another program would ask; with the process, its exit code
        self.desktop.peek("close", "TrailglintMarker")
        return process and process.wait(timeout=20)


def settings(glyph=1, size=16, colour=6, translucence=5, shown=True):
    return (f"[Window Design]\r\nPointer Type={glyph}\r\nPointer Size={size}\r\nPointer Color={colour}\r\n"
            f"Translucence={translucence}\r\n[Config]\r\nDisp Pointer={shown}\r\n")


class DesktopTest(unittest.TestCase):  # a desktop for each class; each test ends every Wine process
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.run("wineserver", "-k")
        cls.desktop.xvfb.terminate()
        subprocess.run(["umount", cls.desktop.drive_c / "tg"], **QUIET)  # a small disk's, left by the last test

    def tearDown(self):
        self.desktop.run("wineserver", "-k")
        self.desktop.run("wineserver", "-w", timeout=30)
