"""Starting and ending: what the settings file keeps where it cannot be written or the disk is full; one copy per session; a value it cannot take."""
import re
import subprocess
import unittest

from harness import DesktopTest, Program, settings, wait_for

# A file of nearly one page of the disk: its copy fits where the copy with two more keys does not.
FULL = settings() + "[Notes]\r\nN=" + "x" * (4090 - len(settings()) - 13) + "\r\n"


class Startup(DesktopTest):
    def test_what_the_settings_file_keeps_where_it_cannot_be_written_or_the_disk_is_full(self):
        for case, ini, trouble, saved in [("a first start", None, None, rb"Disp Pointer=False"),
                                          ("read-only folder, no file", None, "folder", None),
                                          ("read-only folder, a file", settings(), "folder", rb"Top="),
                                          ("read-only file", settings(), "file", None),
                                          ("a full disk", FULL, 0, None),
                                          ("a link to a file elsewhere", settings() + "[S]\r\nB=1\r\n", "link",
                                           rb"(?s)Translucence=5\r\nTop=\d+\r\nLeft=\d+\r\n.*\[S\]\r\nB=1\r\n$"),
                                          ("only a cut save's copy", settings(), "cut", rb"Top="),
                                          ("room for the copy, not for what it writes", FULL, 4096, None)]:
            with self.subTest(case):
                program = Program(self.desktop, ini, free_bytes=trouble if isinstance(trouble, int) else None)
                if trouble == "folder":  # as root only the immutable flag keeps new files out
                    subprocess.run(["chattr", "+i", program.folder], check=True)
                elif trouble == "file":  # Wine's read-only attribute
                    program.ini.chmod(0o444)
                elif trouble in ("link", "cut"):  # a link made from the Linux side stands in for mklink's
                    linked = program.folder / ("Trailglint.ini.saving" if trouble == "cut" else "synced/a.ini")
                    linked.parent.mkdir(exist_ok=True), program.ini.rename(linked)
                    trouble == "link" and program.ini.symlink_to(linked)
                process = program.start()
                try:
                    self.assertTrue(wait_for("the marker", self.desktop.marker) if ini else not self.desktop.marker())
                    self.assertEqual(program.ini.read_bytes() if program.ini.exists() else None,
                                     ini.encode() if ini else None if trouble else b"", "created empty where it can be")
                    self.assertEqual(program.quit(process), 0)
                finally:
                    self.tearDown()  # nothing left running for the next row
                    subprocess.run(["chattr", "-i", program.folder])
                self.assertEqual(sorted(p.name for p in program.folder.iterdir() if p.is_file() and p.name != "filler"),
                                 ["Trailglint.exe"] + ["Trailglint.ini"] * program.ini.exists(), "no copy left")
                self.assertTrue(trouble != "link" or program.ini.is_symlink() and len(list(linked.parent.iterdir())) == 1)
                if program.ini.exists():
                    self.assertRegex(program.ini.read_bytes(), saved or b"^%s$" % re.escape(ini.encode()), "else as it was")

    def test_a_second_copy_and_a_value_it_cannot_start_with_each_end_after_one_box_and_save_nothing(self):
        for ini, copies, box, code in [("[Window Design]\r\nPointer Type=3\r\n", 2, "二重起動はできません", 0),
                                       (settings(size=17), 1, "予測不能のエラーが発生しました", 1)]:
            program = Program(self.desktop, ini=ini)
            processes = [program.start(wait=False) for _ in range(copies)]  # two at once: one runs
            self.assertEqual(wait_for("the box", self.desktop.message_box), box)
            self.assertTrue(copies == 2 or not (self.desktop.marker() or self.desktop.tray_icon()), "nothing else")
            self.desktop.press_ok()
            ended = wait_for("the start to end", lambda: [p for p in processes if p.poll() is not None])
            self.assertEqual([p.returncode for p in ended], [code])
            self.assertEqual(program.ini.read_bytes(), ini.encode(), "nothing saved")
            self.tearDown()


if __name__ == "__main__":
    unittest.main()
