"""Starting and ending the real program: the settings file, the single
instance rule, the start-up failure, and folders it cannot write or whose
names lie outside the code page."""
import subprocess
import unittest

from harness import (MARKER_CLASS, SETTINGS_ORDER, DesktopTest, Program, ini_entries, wait_for)



class Startup(DesktopTest):
    def end_by_closing(self, program, process):
        program.close()
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(self.desktop.marker_windows(), [])

    def assertSavedSettings(self, data, **expected):
        """Each of the seven keys once, with the expected values. Keys the file
        held before keep their places; the others follow in the table's order."""
        entries = ini_entries(data)
        ours = [(s, k) for s, k, _ in entries if (s, k) in SETTINGS_ORDER]
        self.assertCountEqual(ours, SETTINGS_ORDER)
        values = {k: v for s, k, v in entries if (s, k) in SETTINGS_ORDER}
        for key, value in expected.items():
            self.assertEqual(values[key.replace("_", " ")], value, key)
        return values

    def test_a_first_start_creates_the_file_empty_and_the_close_fills_it(self):
        program = Program(self.desktop, "first")
        process = program.start()
        (_, visible, *_), = program.wait_for_marker()
        self.assertEqual(visible, 0, "the marker starts hidden")
        self.assertEqual(program.ini_bytes(), b"")
        self.assertIsNone(self.desktop.message_box())

        self.end_by_closing(program, process)
        data = program.ini_bytes()
        self.assertFalse(data.startswith(b"\xef\xbb\xbf") or data.startswith(b"\xff\xfe"))
        values = self.assertSavedSettings(data, Pointer_Size="16", Pointer_Color="6", Translucence="5",
                                          Pointer_Type="1", Disp_Pointer="False")
        self.assertEqual([(s, k) for s, k, _ in ini_entries(data)], SETTINGS_ORDER)
        int(values["Top"]), int(values["Left"])
        self.assertEqual(data.count(b"\r\n"), 9, data)

    def test_a_second_start_is_refused_and_the_first_runs_on(self):
        program = Program(self.desktop, "twice", ini="[Window Design]\r\nPointer Type=3\r\n")
        first = program.start()
        program.wait_for_marker()
        before = program.ini_bytes()

        second = program.start()
        box = wait_for("the refusal box", self.desktop.message_box)
        self.assertEqual(box[0], "二重起動はできません")
        self.assertEqual(len(self.desktop.x_windows_named("Trailglint (ver 1.0.1) [Ember]")), 1)
        self.desktop.press_ok(box)
        self.assertEqual(second.wait(timeout=20), 0)

        self.assertIsNone(first.poll(), "the first instance still runs")
        self.assertEqual(len(self.desktop.marker_windows()), 1)
        self.assertEqual(program.ini_bytes(), before)
        self.end_by_closing(program, first)

    def test_of_two_started_at_the_same_moment_exactly_one_runs(self):
        program = Program(self.desktop, "race")
        processes = [program.start(), program.start()]
        box = wait_for("the refusal box", self.desktop.message_box)
        self.assertEqual(box[0], "二重起動はできません")
        self.desktop.press_ok(box)
        refused = wait_for("the refused start to end",
                           lambda: [p for p in processes if p.poll() is not None], timeout=20)
        self.assertEqual(len(refused), 1)
        self.assertEqual(len(self.desktop.marker_windows()), 1)
        running, = [p for p in processes if p.poll() is None]
        self.end_by_closing(program, running)

    def test_a_stored_index_out_of_range_ends_the_start_after_one_box(self):
        ini = "[Window Design]\r\nPointer Size=40000\r\n[Config]\r\nDisp Pointer=True\r\n"
        program = Program(self.desktop, "overflow", ini=ini)
        process = program.start()
        box = wait_for("the error box", self.desktop.message_box)
        self.assertEqual(box[0], "予測不能のエラーが発生しました")
        self.desktop.press_ok(box)
        process.wait(timeout=20)
        self.assertEqual(self.desktop.marker_windows(), [])
        self.assertEqual(program.ini_bytes(), ini.encode("ascii"))

    def test_a_folder_that_cannot_be_written_runs_on_defaults_and_saves_nothing(self):
        program = Program(self.desktop, "readonly")
        subprocess.run(["chattr", "+i", str(program.folder)], check=True)
        try:
            process = program.start()
            program.wait_for_marker()
            self.assertIsNone(self.desktop.message_box())
            self.end_by_closing(program, process)
            self.assertIsNone(self.desktop.message_box())
            self.assertFalse(program.ini.exists())
        finally:
            subprocess.run(["chattr", "-i", str(program.folder)], check=True)

    def test_a_folder_named_in_japanese_keeps_its_settings(self):
        program = Program(self.desktop, "マーカー設定", ini="[Window Design]\r\nPointer Type=5\r\nPointer Size=3\r\n")
        process = program.start()
        program.wait_for_marker()
        self.end_by_closing(program, process)
        self.assertSavedSettings(program.ini_bytes(), Pointer_Type="5", Pointer_Size="3")

    def test_keys_and_sections_it_does_not_read_survive_a_save(self):
        ini = ("[Notes]\r\nOwner=presenter\r\n[Window Design]\r\nHint=keep\r\nPointer Color=2\r\n"
               "[Config]\r\nLanguage=ja\r\n[Tail]\r\nZ=9\r\n")
        program = Program(self.desktop, "unknown", ini=ini)
        process = program.start()
        program.wait_for_marker()
        self.end_by_closing(program, process)
        entries = ini_entries(program.ini_bytes())
        for extra in [("Notes", "Owner", "presenter"), ("Window Design", "Hint", "keep"),
                      ("Config", "Language", "ja"), ("Tail", "Z", "9")]:
            self.assertIn(extra, entries)
        self.assertSavedSettings(program.ini_bytes(), Pointer_Color="2")

    def test_logging_off_saves_and_ends_the_program(self):
        program = Program(self.desktop, "logoff", ini="[Window Design]\r\nTranslucence=7\r\n")
        process = program.start()
        program.wait_for_marker()
        _, lines = self.desktop.peek("endsession", MARKER_CLASS)
        self.assertEqual(lines, ["queryendsession 1"])
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertSavedSettings(program.ini_bytes(), Translucence="7")


if __name__ == "__main__":
    unittest.main()
