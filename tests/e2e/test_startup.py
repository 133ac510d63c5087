"""Starting and ending the real program: what the settings file keeps, also
where the folder or the file cannot be written or the disk is full; one copy
per session; a stored value it cannot start with."""
import subprocess
import time
import unittest

from harness import DesktopTest, Program, settings, wait_for

FIRST_SAVE = (rb"^\[Window Design\]\r\nTop=-?\d+\r\nLeft=-?\d+\r\nPointer Size=16\r\nPointer Color=6\r\n"
              rb"Translucence=5\r\nPointer Type=1\r\n\[Config\]\r\nDisp Pointer=False\r\n$")
# A file of nearly one page of the disk: its copy fits where the copy with two more keys does not.
FULL = settings() + "[Notes]\r\nN=" + "x" * (4090 - len(settings()) - 13) + "\r\n"


class Startup(DesktopTest):
    def test_what_the_settings_file_keeps_where_it_cannot_be_written_the_disk_is_full_or_the_file_is_held(self):
        for case, ini, trouble, saves in [("a first start", None, {}, True),
                                          ("read-only folder, no file", None, {"lock": "folder"}, False),
                                          ("read-only folder, a file", settings(), {"lock": "folder"}, True),
                                          ("read-only file", settings(), {"lock": "file"}, False),
                                          ("a full disk", FULL, {"free": 0}, False),
                                          ("room for the copy, not for what it writes", FULL, {"free": 4096}, False),
                                          ("held for a moment at the quit", settings(), {"hold": "moment"}, True),
                                          ("held for good", settings(), {"hold": "good"}, False)]:
            with self.subTest(case):
                program = Program(self.desktop, ini=ini, free_bytes=trouble.get("free"))
                lock = trouble.get("lock")
                if lock == "folder":  # as root only the immutable flag keeps new files out
                    subprocess.run(["chattr", "+i", str(program.folder)], check=True)
                elif lock == "file":  # Wine's read-only attribute
                    program.ini.chmod(0o444)
                process = program.start()
                try:
                    if ini:
                        wait_for("the marker", self.desktop.marker)
                    self.assertTrue(ini or not self.desktop.marker(), "hidden on a first start")
                    self.assertEqual(program.ini.read_bytes() if program.ini.exists() else None,
                                     ini.encode() if ini else None if lock else b"", "created empty where it can be")
                    if "hold" in trouble:  # as a virus scanner or an indexer would, without delete sharing
                        holder = self.desktop.peek("hold", r"C:\tg\Trailglint.ini", wait=False)
                    started = time.monotonic()
                    program.post_quit()
                    if trouble.get("hold") == "moment":  # lets go while the save waits with its copy
                        wait_for("the save under way", (program.folder / "Trailglint.ini.saving").exists)
                        time.sleep(0.3)
                        holder.kill()
                    self.assertEqual(process.wait(timeout=20), 0)
                    self.assertLess(time.monotonic() - started, 5, "a log-off is not kept waiting")
                finally:
                    if process.poll() is None:  # nothing left behind by a failed row
                        self.tearDown()
                    if lock == "folder":
                        subprocess.run(["chattr", "-i", str(program.folder)], check=True)
                self.assertIsNone(self.desktop.message_box())
                self.assertEqual(sorted(p.name for p in program.folder.iterdir() if p.name != "filler"),
                                 ["Trailglint.exe"] + ["Trailglint.ini"] * (program.ini.exists()), "no copy left")
                if saves:
                    self.assertIn("Top", program.saved())
                    if not ini:
                        self.assertRegex(program.ini.read_bytes(), FIRST_SAVE)
                elif program.ini.exists():
                    self.assertEqual(program.ini.read_bytes(), ini.encode(), "the file as it was, byte for byte")
                program.unmount()

    def test_of_two_started_at_once_one_runs_and_the_other_is_refused(self):
        program = Program(self.desktop, ini="[Window Design]\r\nPointer Type=3\r\n")
        processes = [program.start(wait=False), program.start(wait=False)]
        self.assertEqual(wait_for("the refusal", self.desktop.message_box), "二重起動はできません")
        self.desktop.press_ok()
        refused = wait_for("the refused start to end", lambda: [p for p in processes if p.poll() is not None])
        self.assertEqual([p.returncode for p in refused], [0])
        self.assertTrue(self.desktop.tray_icon(), "the first copy runs on")
        self.assertEqual(program.ini.read_bytes(), b"[Window Design]\r\nPointer Type=3\r\n")

    def test_a_stored_value_it_cannot_start_with_shows_one_box_and_nothing_else(self):
        program = Program(self.desktop, ini=settings(size=17))
        process = program.start(wait=False)
        self.assertEqual(wait_for("the error box", self.desktop.message_box), "予測不能のエラーが発生しました")
        self.assertEqual((self.desktop.marker(), self.desktop.tray_icon()), (None, None))
        self.desktop.press_ok()
        self.assertEqual(process.wait(timeout=20), 1)
        self.assertEqual(program.ini.read_bytes(), settings(size=17).encode(), "nothing saved")


if __name__ == "__main__":
    unittest.main()
