"""The real marker following the cursor and answering keys and clicks, driven
with real X input while the user's own application has the keyboard focus."""
import time
import unittest

from harness import DesktopTest, Program, ini_entries, settings, wait_for



class Tracking(DesktopTest):
    def setUp(self):
        self.desktop.move(20, 20)  # Wine learns where the pointer is when it moves
        self.app_log = self.desktop.start_app()

    def app_clicks(self):
        return [line for line in self.app_log.read_text().splitlines() if line.startswith("click")]

    def start(self, **kw):
        program = Program(self.desktop, "tracking", ini=settings(**kw))
        process = program.start()
        program.wait_for_marker()
        return program, process

    def assertCentredAt(self, x, y):
        def centred():
            _, left, top, w, h = self.desktop.marker()
            return abs(left + w / 2 - x) <= 1 and abs(top + h / 2 - y) <= 1
        wait_for(f"the marker centred at {x},{y}", centred, timeout=5, interval=0.02)

    def visible(self):
        return self.desktop.marker()[0] == 1

    def test_the_marker_follows_the_cursor_into_every_corner(self):
        self.start()
        for x, y in [(400, 300), (0, 0), (1023, 0), (0, 767), (1023, 767), (612, 211)]:
            self.desktop.move(x, y)
            self.assertCentredAt(x, y)

    def test_f12_shows_a_hidden_marker_and_the_other_key_does_nothing(self):
        program, _ = self.start(glyph=5, shown=False)
        self.desktop.move(300, 300)
        self.desktop.key("F9")
        time.sleep(0.3)
        self.assertFalse(self.desktop.menu_open(), "F9 while hidden")
        self.assertFalse(self.visible())

        self.desktop.key("F12")
        wait_for("the marker shown", self.visible, timeout=5)
        self.assertCentredAt(300, 300)
        self.desktop.key("F12")
        time.sleep(0.3)
        self.assertTrue(self.visible(), "F12 while shown")
        self.assertFalse(self.desktop.menu_open())

    def test_a_left_click_hides_a_filled_marker_and_f12_brings_it_back(self):
        self.start(glyph=1)
        self.desktop.move(500, 400)
        self.assertCentredAt(500, 400)
        self.desktop.click(500, 400, 1)
        wait_for("the marker hidden", lambda: not self.visible(), timeout=5)
        self.desktop.key("F12")
        wait_for("the marker shown again", self.visible, timeout=5)

    def test_the_menu_opens_from_a_right_click_and_from_f9_and_chooses_a_glyph(self):
        # (A menu command used to leave the marker frozen and hidden under Wine:
        # the star must be shown and follow the cursor afterwards.)
        program, process = self.start(glyph=1)
        self.desktop.move(400, 300)
        self.assertCentredAt(400, 300)
        self.desktop.click(400, 300, 3)
        self.desktop.wait_for_menu()
        before = self.desktop.marker()
        self.desktop.move(700, 600)  # the marker stays put under an open menu
        time.sleep(0.3)
        self.assertEqual(self.desktop.marker(), before)
        self.desktop.click(700, 600, 1)  # a click elsewhere dismisses the menu
        wait_for("the menu closed", lambda: not self.desktop.menu_open(), timeout=5)
        self.assertCentredAt(700, 600)

        self.desktop.key("F9")
        self.desktop.wait_for_menu()
        # The glyph submenu, then its fifth item, the star. (Under Wine the
        # keyboard stays with the application in front: the marker is never
        # activated, so the menu is worked with the mouse.)
        self.desktop.choose(2, 4)
        wait_for("the menu closed", lambda: not self.desktop.menu_open(), timeout=5)
        wait_for("the star", lambda: self.desktop.marker_region("★", 72)["equal"], timeout=5)
        self.desktop.move(300, 200)
        self.assertCentredAt(300, 200)
        self.assertTrue(self.visible())

        program.close()
        process.wait(timeout=20)
        self.assertIn(("Window Design", "Pointer Type", "5"), ini_entries(program.ini_bytes()))

    def test_a_click_in_a_rings_centre_reaches_the_window_underneath(self):
        self.start(glyph=2)
        self.desktop.move(512, 384)
        self.assertCentredAt(512, 384)
        self.assertFalse(self.desktop.marker_region("○", 72)["centre_inside"])
        self.desktop.click(512, 384, 1)
        wait_for("the click in the application", lambda: "click 512 384" in self.app_clicks(), timeout=5)
        self.assertTrue(self.visible(), "the centre click did not reach the marker")

if __name__ == "__main__":
    unittest.main()
