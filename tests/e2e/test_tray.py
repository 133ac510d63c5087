"""The tray icon of the real program: it comes and goes with the program,
toggles the marker, opens the menu, and quits with the settings kept."""
import time
import unittest

from harness import DesktopTest, Program, ini_entries, settings, wait_for



class TrayIcon(DesktopTest):
    def setUp(self):
        self.desktop.move(600, 500)
        self.desktop.start_app()

    def start(self, name="tray", **kw):
        program = Program(self.desktop, name, ini=settings(**kw))
        process = program.start()
        program.wait_for_marker()
        wait_for("the tray icon", self.desktop.tray_icons, timeout=10)
        return program, process

    def visible(self):
        return self.desktop.marker()[0] == 1

    def test_the_icon_comes_with_the_program_and_goes_at_quit(self):
        program, process = self.start(shown=False)
        self.assertEqual(len(self.desktop.tray_icons()), 1)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(7)  # "終了(&Q)"
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(self.desktop.tray_icons(), [])

    def test_a_left_click_toggles_the_marker_and_a_double_click_toggles_twice(self):
        # A ring: a filled marker centred on the pointer would take the clicks.
        self.start(glyph=2, shown=True)
        self.desktop.click_tray_icon()
        wait_for("the marker hidden", lambda: not self.visible(), timeout=5)
        self.desktop.click_tray_icon()
        wait_for("the marker shown", self.visible, timeout=5)
        self.desktop.click_tray_icon(repeat=2)
        time.sleep(0.5)
        self.assertTrue(self.visible(), "a double click ends as it began")

    def test_the_menu_from_the_tray_leaves_a_hidden_marker_hidden_unless_shown_from_it(self):
        self.start(shown=False)
        self.desktop.click_tray_icon(button=3)
        self.desktop.wait_for_menu()
        self.desktop.click(900, 700)  # dismissed by a click elsewhere
        wait_for("the menu closed", lambda: not self.desktop.menu_open(), timeout=5)
        time.sleep(0.2)
        self.assertFalse(self.visible())

        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(0)  # "表示/非表示"
        wait_for("the marker shown", self.visible, timeout=5)

    def test_quitting_from_the_tray_keeps_the_last_choices_for_the_next_start(self):
        program, process = self.start(glyph=2, size=16, colour=6, translucence=5, shown=True)
        for choice in [(3, 13), (5, 8)]:  # "36" points, "80%"
            self.desktop.click_tray_icon(button=3)
            self.desktop.choose(*choice)
            wait_for("the menu closed", lambda: not self.desktop.menu_open(), timeout=5)
        self.desktop.click_tray_icon()  # hidden, so that the star chosen next does not cover the icon
        wait_for("the marker hidden", lambda: not self.visible(), timeout=5)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(2, 4)  # "★"
        wait_for("the menu closed", lambda: not self.desktop.menu_open(), timeout=5)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(7)
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(self.desktop.tray_icons(), [])
        saved = {k: v for _, k, v in ini_entries(program.ini_bytes())}
        self.assertEqual((saved["Pointer Type"], saved["Pointer Size"], saved["Translucence"], saved["Disp Pointer"]),
                         ("5", "14", "8", "False"))

        process = program.start()
        program.wait_for_marker()
        state = self.desktop.marker_state()
        self.assertEqual((state["visible"], state["alpha"]), (0, 45))
        self.desktop.click_tray_icon()
        wait_for("the marker shown", self.visible, timeout=5)
        self.assertTrue(self.desktop.marker_region("★", 36)["equal"])

    def test_after_the_shell_announces_a_new_tray_the_icon_is_there_once(self):
        self.start()
        self.desktop.peek("broadcast", "TaskbarCreated")
        time.sleep(0.5)
        self.assertEqual(len(self.desktop.tray_icons()), 1)


if __name__ == "__main__":
    unittest.main()
