"""The real marker following the cursor and answering keys and clicks, driven
with real X input while the user's own application holds the keyboard focus."""
import time
import unittest

from harness import DesktopTest, Program, settings, wait_for


class Tracking(DesktopTest):
    def setUp(self):
        self.desktop.move(20, 20)  # Wine learns where the pointer is when it moves
        self.clicks = self.desktop.start_app()

    def start(self, **look):
        self.program = Program(self.desktop, ini=settings(**look))
        return self.program.start()

    def assertCentredAt(self, x, y):
        # To the nearest pixel, a half to the even one: the star is 97 x 103.
        def centred():
            _, left, top, w, h = self.desktop.marker()
            return (left, top) == (round(x - w / 2), round(y - h / 2))
        wait_for(f"the marker centred at {x},{y}", centred, timeout=5, interval=0.02)

    def shown(self):
        return self.desktop.marker()[0] == 1

    def test_the_marker_follows_the_cursor_into_every_corner(self):
        self.start(glyph=5)
        for x, y in [(400, 300), (401, 301), (0, 0), (1023, 0), (0, 767), (1023, 767), (612, 211)]:
            self.desktop.move(x, y)
            self.assertCentredAt(x, y)

    def test_a_left_click_hides_a_filled_marker_and_f12_alone_brings_it_back(self):
        self.start(glyph=1)
        self.desktop.move(500, 400)
        self.assertCentredAt(500, 400)
        self.desktop.click(500, 400)
        wait_for("the marker hidden", lambda: not self.shown(), timeout=5)
        self.assertEqual(self.desktop.foreground(), "Presentation", "the focus stays where it was")
        self.assertEqual(self.clicks.read_text(), "", "the click was the marker's")
        self.desktop.key("F9")
        time.sleep(0.3)
        self.assertFalse(self.desktop.menus() or self.shown(), "F9 while hidden")
        self.desktop.move(301, 300)
        self.desktop.key("F12")
        wait_for("the marker shown", self.shown, timeout=5)
        self.assertCentredAt(301, 300)
        self.desktop.key("F12")
        time.sleep(0.3)
        self.assertTrue(self.shown() and not self.desktop.menus(), "F12 while shown")

    def test_the_menu_opens_from_a_right_click_and_from_f9_and_chooses_a_glyph(self):
        process = self.start(glyph=1)
        self.desktop.move(400, 300)
        self.assertCentredAt(400, 300)
        self.desktop.click(400, 300, 3)
        wait_for("the popup menu", self.desktop.menus, timeout=5)
        before = self.desktop.marker()
        self.desktop.move(700, 600)
        time.sleep(0.3)
        self.assertEqual(self.desktop.marker(), before, "the marker stays put under an open menu")
        self.desktop.click(700, 600)  # a click elsewhere closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus(), timeout=5)
        self.assertEqual(self.desktop.foreground(), "Presentation")

        self.desktop.key("F9")
        self.desktop.choose(2, 4)  # タイプ, ★
        wait_for("the star", lambda: self.desktop.region("★", 72)["equal"], timeout=5)
        self.desktop.move(301, 201)
        self.assertCentredAt(301, 201)
        self.assertTrue(self.shown())
        self.assertEqual(self.desktop.foreground(), "Presentation", "the focus is given back")
        _, left, top, _, _ = self.desktop.marker()
        self.assertEqual(self.program.quit(process), 0)
        saved = self.program.saved()
        self.assertEqual((saved["Pointer Type"], saved["Left"], saved["Top"]), ("5", str(15 * left), str(15 * top)))

    def test_a_click_in_a_rings_centre_reaches_the_window_underneath(self):
        self.start(glyph=2)
        self.desktop.move(512, 384)
        self.assertCentredAt(512, 384)
        self.desktop.click(512, 384)
        wait_for("the click in the application", lambda: "click 512 384" in self.clicks.read_text(), timeout=5)
        self.assertTrue(self.shown())


if __name__ == "__main__":
    unittest.main()
