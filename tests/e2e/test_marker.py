"""The marker as the real program shows it: the glyph's outline as the
window's shape, its size, colour, translucency and place in the z-order."""
import unittest

from harness import DesktopTest, Program, settings

GLYPHS = "●○◎▲★♪■↑"
POINTS = [8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72]
COLOURS = [(0, 0, 0), (255, 255, 255), (0, 0, 255), (0, 255, 0), (0, 128, 0), (255, 0, 0), (255, 255, 0)]
ALPHA = [None, 230, 210, 190, 165, 135, 105, 75, 45, 15, 0]  # by translucency index; None: opaque


class MarkerWindow(DesktopTest):
    def test_each_stored_look_is_drawn_as_its_menus_say(self):
        # Every glyph, colour and translucency level at least once; a glyph
        # index above eight is the first glyph, and that is what is saved.
        rows = [(1, 16, 1, 0), (2, 1, 2, 1), (3, 12, 3, 2), (4, 14, 4, 3), (5, 16, 5, 4), (6, 1, 6, 5),
                (7, 12, 7, 6), (8, 14, 1, 7), (9, 16, 2, 8), (1, 1, 6, 9), (5, 12, 3, 10)]
        for glyph, size, colour, level in rows:
            with self.subTest(glyph=glyph, size=size, colour=colour, level=level):
                program = Program(self.desktop, ini=settings(glyph, size, colour, level))
                process = program.start()
                try:
                    self.check_look(GLYPHS[glyph - 1] if glyph <= 8 else "●", POINTS[size - 1], colour, level)
                    self.assertEqual(program.quit(process), 0)
                    self.assertEqual(program.saved()["Pointer Type"], str(glyph if glyph <= 8 else 1))
                finally:
                    if process.poll() is None:  # nothing left behind by a failed row
                        self.tearDown()

    def check_look(self, glyph, points, colour, level):
        region = self.desktop.region(glyph, points)
        self.assertTrue(region["equal"], region)
        self.assertEqual(region["size"], region["extent"], "the window is the glyph's extent")
        if glyph in "○◎●■":
            self.assertEqual(region["centre"], glyph in "●■", "a ring's centre lets clicks through")
        self.assertEqual(self.desktop.windows()[0][5], 1, "topmost")
        # Wine makes a borderless tool window an override-redirect X window,
        # which no window manager lists in a taskbar or restacks.
        self.assertIn("Override Redirect State: yes", self.desktop.run("xwininfo", "-name", "Trailglint").stdout)
        props = self.desktop.x_property("Trailglint")
        if ALPHA[level] is None:
            self.assertNotIn("_NET_WM_WINDOW_OPACITY", props)
        else:  # the alpha in every byte
            self.assertIn(f"_NET_WM_WINDOW_OPACITY(CARDINAL) = {ALPHA[level] * 0x01010101}", props)
        if region["centre"]:  # Xvfb draws no alpha: the colour shows as it is
            _, x, y, w, h = self.desktop.marker()
            self.assertEqual(self.desktop.pixel(x + w // 2, y + h // 2), COLOURS[colour - 1])


if __name__ == "__main__":
    unittest.main()
