"""The real marker on the desktop: its look as the settings give it, following
the cursor, and the keys and clicks a user gives it while the user's own
application holds the keyboard focus."""
import time
import unittest

from harness import DesktopTest, Program, settings, wait_for

COLOURS = [(0, 0, 0), (255, 255, 255), (0, 0, 255), (0, 255, 0), (0, 128, 0), (255, 0, 0), (255, 255, 0)]
ALPHA = [None, 230, 210, 190, 165, 135, 105, 75, 45, 15, 0]  # by translucency index; None: opaque


class Marker(DesktopTest):
    def setUp(self):
        self.desktop.move(20, 20)  # Wine learns where the pointer is when it moves
        self.desktop.start_app()

    def start(self, **look):
        self.program = Program(self.desktop, ini=settings(**look))
        return self.program.start()

    def assertCentredAt(self, x, y):
        def centred():  # to the pixel, a half to the even one
            _, left, top, w, h, *_ = self.desktop.marker()
            return (left, top) == (round(x - w / 2), round(y - h / 2))
        wait_for(f"the marker centred at {x},{y}", centred, timeout=5)

    def test_each_stored_look_is_drawn_as_its_menus_say_and_follows_the_cursor(self):
        # glyph (above eight: the first), size, colour and translucency indexes, a place for the cursor,
        # and what IPAGothic makes of it at 96 dpi: width, height and the outline's area in pixels
        for glyph, size, colour, level, at, shape in [(1, 16, 1, 0, (0, 0), (97, 103, 5471)),
                                                      (2, 1, 2, 10, (1023, 767), (13, 12, 31)),
                                                      (5, 12, 3, 5, (401, 301), (37, 38, 429)),
                                                      (9, 14, 5, 9, (1023, 0), (49, 51, 1335)),
                                                      (7, 15, 7, 1, (0, 767), (65, 69, 2500)),
                                                      (6, 16, 4, 3, (512, 384), (97, 103, 2031))]:
            with self.subTest(glyph=glyph, size=size, colour=colour, level=level):
                process = self.start(glyph=glyph, size=size, colour=colour, translucence=level)
                try:
                    self.desktop.move(*at)
                    self.assertCentredAt(*at)
                    visible, x, y, w, h, topmost, centre, area = self.desktop.marker()
                    self.assertEqual((visible, topmost, (w, h, area)), (1, 1, shape))
                    self.assertEqual(centre, glyph not in (2, 3), "a ring's centre lets clicks through")
                    opacity = self.desktop.run("xprop", "-name", "Trailglint", "_NET_WM_WINDOW_OPACITY").stdout
                    self.assertIn("not found" if ALPHA[level] is None else f"= {ALPHA[level] * 0x01010101}", opacity)
                    if glyph in (1, 7, 9):  # filled at the cursor; Xvfb draws no alpha, so the colour shows
                        shot = self.desktop.run("import", "-window", "root", "-crop", "1x1+%d+%d" % at, "-depth", "8",
                                                "txt:-").stdout
                        self.assertIn("(%d,%d,%d)" % COLOURS[colour - 1], shot.replace(" ", ""))
                    self.assertEqual(self.program.quit(process), 0)
                    self.assertEqual(self.program.saved()["Pointer Type"], str(glyph if glyph <= 8 else 1))
                finally:
                    if process.poll() is None:  # nothing left behind by a failed row
                        self.tearDown()

    def test_a_left_click_hides_a_filled_marker_and_f12_alone_brings_it_back(self):
        self.start(glyph=1)
        self.desktop.move(500, 400)
        self.assertCentredAt(500, 400)
        self.desktop.click(500, 400)
        wait_for("the marker hidden", lambda: not self.desktop.shown())
        self.assertEqual(self.desktop.peek("foreground")[1], ["Presentation"], "the focus stays where it was")
        self.desktop.key("F9")
        time.sleep(0.3)
        self.assertFalse(self.desktop.menus() or self.desktop.shown(), "F9 while hidden")
        self.desktop.move(301, 300)
        self.desktop.key("F12")
        wait_for("the marker shown", self.desktop.shown)
        self.assertCentredAt(301, 300)


if __name__ == "__main__":
    unittest.main()
