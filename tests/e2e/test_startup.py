"""Starting and ending the real program: the settings file, one copy per
session, failed starts, folders and files it cannot write, and a log-off."""
import subprocess
import unittest

from harness import MARKER, DesktopTest, Program, settings, wait_for

FIRST_SAVE = (rb"^\[Window Design\]\r\nTop=-?\d+\r\nLeft=-?\d+\r\nPointer Size=16\r\nPointer Color=6\r\n"
              rb"Translucence=5\r\nPointer Type=1\r\n\[Config\]\r\nDisp Pointer=False\r\n$")


class Startup(DesktopTest):
    def test_what_the_settings_file_keeps_where_the_folder_or_the_file_cannot_be_written(self):
        for case, ini, locked, saves in [("a first start", None, None, True),
                                         ("read-only folder, no file", None, "folder", False),
                                         ("read-only folder, a file", settings(), "folder", True),
                                         ("read-only file", settings(), "file", False)]:
            with self.subTest(case):
                program = Program(self.desktop, ini=ini)
                locked = {"folder": program.folder, "file": program.ini}.get(locked)
                if locked:
                    subprocess.run(["chattr", "+i", str(locked)], check=True)
                process = program.start()
                try:
                    self.assertEqual(self.desktop.marker()[0], int(ini is not None), "hidden on a first start")
                    self.assertEqual(program.ini.read_bytes() if program.ini.exists() else None,
                                     ini.encode() if ini else None if locked else b"", "created empty where it can be")
                    self.assertEqual(program.quit(process), 0)
                finally:
                    if process.poll() is None:  # nothing left behind by a failed row
                        self.tearDown()
                    if locked:
                        subprocess.run(["chattr", "-i", str(locked)], check=True)
                self.assertIsNone(self.desktop.message_box())
                self.assertEqual(sorted(p.name for p in program.folder.iterdir()),
                                 ["Trailglint.exe"] + ["Trailglint.ini"] * (program.ini.exists()), "no copy left")
                self.assertEqual(program.ini.exists() and "Top" in program.saved(), saves)
                if not ini and saves:
                    self.assertRegex(program.ini.read_bytes(), FIRST_SAVE)

    def test_of_two_started_at_once_one_runs_and_the_other_is_refused(self):
        program = Program(self.desktop, ini="[Window Design]\r\nPointer Type=3\r\n")
        processes = [program.start(wait=False), program.start(wait=False)]
        text, x, y = wait_for("the refusal", self.desktop.message_box)
        self.assertEqual(text, "二重起動はできません")
        self.desktop.click(x, y)
        refused = wait_for("the refused start to end", lambda: [p for p in processes if p.poll() is not None])
        self.assertEqual(([p.returncode for p in refused], len(self.desktop.windows())), ([0], 1))
        self.assertEqual(program.ini.read_bytes(), b"[Window Design]\r\nPointer Type=3\r\n")

    def test_a_stored_value_it_cannot_start_with_shows_one_box_and_nothing_else(self):
        for ini in [settings(size=17), "[Window Design]\r\nPointer Size=40000\r\n"]:
            with self.subTest(ini):
                program = Program(self.desktop, ini=ini)
                process = program.start(wait=False)
                text, x, y = wait_for("the error box", self.desktop.message_box)
                self.assertEqual(text, "予測不能のエラーが発生しました")
                self.assertEqual((self.desktop.windows(), self.desktop.tray_icons()), ([], []))
                self.desktop.click(x, y)
                self.assertEqual(process.wait(timeout=20), 1)
                self.assertEqual(program.ini.read_bytes(), ini.encode(), "nothing saved")

    def test_a_log_off_while_the_menu_is_up_saves_before_it_is_answered_and_nothing_after(self):
        self.desktop.start_app()
        program = Program(self.desktop, ini=settings(glyph=2, translucence=7))
        process = program.start()
        self.desktop.key("F9")
        wait_for("the popup menu", self.desktop.menus)
        self.assertEqual(self.desktop.peek("endsession", MARKER)[1], ["queryendsession 1"])
        self.assertEqual((program.saved()["Translucence"], program.saved()["Pointer Type"]), ("7", "2"))
        program.ini.write_bytes(program.ini.read_bytes().replace(b"Translucence=7", b"Translucence=3"))
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(program.saved()["Translucence"], "3", "nothing written after the session was told")
        self.assertEqual((self.desktop.windows(), self.desktop.tray_icons()), ([], []))


if __name__ == "__main__":
    unittest.main()
