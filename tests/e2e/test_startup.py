"""Starting and ending the real program: the settings file, one copy per
session, failed starts, and folders it cannot write or names outside ASCII."""
import subprocess
import time
import unittest

from harness import JAPANESE, TITLE, DesktopTest, Program, settings, wait_for


class Startup(DesktopTest):
    def test_a_first_start_creates_the_file_empty_and_quitting_fills_it(self):
        program = Program(self.desktop)
        process = program.start()
        self.assertEqual(self.desktop.marker()[0], 0, "hidden until F12")
        self.assertEqual(program.ini_bytes(), b"")
        self.assertEqual(program.quit(process), 0)
        # Every key once, in this order.
        self.assertRegex(program.ini_bytes(), rb"^\[Window Design\]\r\nTop=-?\d+\r\nLeft=-?\d+\r\nPointer Size=16\r\n"
                                              rb"Pointer Color=6\r\nTranslucence=5\r\nPointer Type=1\r\n"
                                              rb"\[Config\]\r\nDisp Pointer=False\r\n$")
        self.assertEqual(self.desktop.windows(), [])

    def test_of_two_started_at_once_one_runs_and_the_other_is_refused(self):
        program = Program(self.desktop, ini="[Window Design]\r\nPointer Type=3\r\n")
        processes = [program.start(wait=False), program.start(wait=False)]
        text, x, y = wait_for("the refusal", self.desktop.message_box)
        self.assertEqual(text, "二重起動はできません")
        self.desktop.click(x, y)
        refused = wait_for("the refused start to end", lambda: [p for p in processes if p.poll() is not None])
        self.assertEqual([p.returncode for p in refused], [0])
        self.assertEqual(len(self.desktop.windows()), 1)
        self.assertEqual(program.ini_bytes(), b"[Window Design]\r\nPointer Type=3\r\n")
        running, = [p for p in processes if p.poll() is None]
        self.assertEqual(program.quit(running), 0)

    def test_a_failed_start_shows_one_box_with_nothing_alive_behind_it(self):
        self.desktop.start_app()
        self.desktop.move(500, 400)
        for name, ini in [("filled glyph shown, size with no item", settings(glyph=1, size=17)),
                          ("colour with no item", settings(colour=0)),
                          ("translucency with no item", settings(translucence=11)),
                          ("glyph below one", settings(glyph=0)),
                          ("outside 16 bits", "[Window Design]\r\nPointer Size=40000\r\n")]:
            with self.subTest(name):
                program = Program(self.desktop, ini=ini)
                process = program.start(wait=False)
                self.addCleanup(lambda p=process: p.poll() is None and self.tearDown())
                text, x, y = wait_for("the error box", self.desktop.message_box)
                self.assertEqual(text, "予測不能のエラーが発生しました")
                self.assertEqual(self.desktop.windows(), [], "no marker window behind the box")
                self.assertEqual(self.desktop.tray_icons(), [])
                self.desktop.key("F9")
                self.desktop.key("F12")
                time.sleep(0.3)
                self.assertFalse(self.desktop.menus())
                self.desktop.move(x, y)  # over the box: the program's own window
                self.assertTrue(self.desktop.cursor_shown(), "the real cursor is back")
                self.desktop.peek("endsession", "box:" + TITLE)  # a log-off while the box is up
                self.desktop.click(x, y)
                self.assertEqual(process.wait(timeout=20), 1)
                self.assertEqual(program.ini_bytes(), ini.encode("ascii"), "nothing saved by any path")

    def test_a_folder_that_cannot_be_written_runs_on_defaults_and_saves_nothing(self):
        program = Program(self.desktop, "readonly")
        subprocess.run(["chattr", "+i", str(program.folder)], check=True)
        try:
            process = program.start()
            self.assertEqual(program.quit(process), 0)
            self.assertIsNone(self.desktop.message_box())
            self.assertFalse(program.ini.exists())
        finally:
            subprocess.run(["chattr", "-i", str(program.folder)], check=True)

    def test_lines_it_does_not_own_survive_in_either_code_page(self):
        # Shift-JIS: "[メモ]", "発表者=山田", and a value in the marker's section.
        memo = b"[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n"
        hint = b"Hint=\x83\x65\x83\x58\x83\x67\r\n"
        for locale in ["C.UTF-8", JAPANESE]:
            with self.subTest(locale=locale):
                program = Program(self.desktop, "マーカー設定", locale=locale,
                                  ini=memo + b"[Window Design]\r\n" + hint + b"Pointer Type=5\r\n[Tail]\r\nZ=9\r\n")
                self.assertEqual(program.quit(program.start()), 0)
                data = program.ini_bytes()
                self.assertTrue(data.startswith(memo + b"[Window Design]\r\n" + hint), data)
                self.assertIn(b"[Tail]\r\nZ=9\r\n", data)
                self.assertEqual(program.saved()["Pointer Type"], "5")

    def test_logging_off_saves_and_ends_the_program(self):
        program = Program(self.desktop, ini="[Window Design]\r\nTranslucence=7\r\n")
        process = program.start()
        self.assertEqual(self.desktop.peek("endsession", "TrailglintMarker")[1], ["queryendsession 1"])
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(program.saved()["Translucence"], "7")


if __name__ == "__main__":
    unittest.main()
