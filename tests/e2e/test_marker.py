"""The marker window as the real program shows it: the glyph's outline as
the window's shape, its size, colour, translucency and place in the z-order."""
import unittest

from harness import WORK, DesktopTest, Program, ini_entries, settings, wait_for

GLYPHS = "●○◎▲★♪■↑"
COLOURS = [(0, 0, 0), (255, 255, 255), (0, 0, 255), (0, 255, 0), (0, 128, 0), (255, 0, 0), (255, 255, 0)]
ALPHA = {1: 230, 2: 210, 3: 190, 4: 165, 5: 135, 6: 105, 7: 75, 8: 45, 9: 15, 10: 0}



class MarkerWindow(DesktopTest):
    def start(self, ini, name="marker"):
        program = Program(self.desktop, name, ini=ini)
        process = program.start()
        program.wait_for_marker()
        return program, process

    def quit(self, program, process):
        program.close()
        self.assertEqual(process.wait(timeout=20), 0)

    def test_each_glyph_is_cut_to_its_outline(self):
        for index, glyph in enumerate(GLYPHS, 1):
            with self.subTest(glyph=glyph):
                program, process = self.start(settings(glyph=index))
                region = self.desktop.marker_region(glyph, 72)
                self.assertTrue(region["equal"], region)
                self.assertEqual(region["size"], region["extent"], "the window is the glyph's extent")
                self.assertGreater(region["area"], 0)
                if glyph in "○◎":
                    self.assertFalse(region["centre_inside"], "clicks at a ring's centre go through")
                if glyph in "●■":
                    self.assertTrue(region["centre_inside"])
                self.quit(program, process)

    def test_the_smallest_size_gives_a_much_smaller_window(self):
        program, process = self.start(settings(size=1))
        small = self.desktop.marker_region("●", 8)
        self.assertTrue(small["equal"], small)
        self.quit(program, process)
        program, process = self.start(settings(size=16))
        large = self.desktop.marker_region("●", 72)
        self.quit(program, process)
        self.assertGreater(large["size"][0], 5 * small["size"][0])
        self.assertGreater(large["size"][1], 5 * small["size"][1])

    def test_each_colour_fills_the_glyph(self):
        for index, colour in enumerate(COLOURS, 1):
            with self.subTest(colour=index):
                program, process = self.start(settings(glyph=7, colour=index, translucence=0))
                (_, _, x, y, w, h), = self.desktop.marker_windows()
                shot = WORK / f"colour-{index}.png"
                self.desktop.screenshot(shot)
                self.assertEqual(self.desktop.pixel(shot, x + w // 2, y + h // 2), colour)
                self.quit(program, process)

    def test_each_translucency_level_sets_the_tables_alpha(self):
        for level in range(0, 11):
            with self.subTest(level=level):
                program, process = self.start(settings(translucence=level))
                state = self.desktop.marker_state()
                if level == 0:
                    self.assertEqual((state["layered"], state["alpha"]), (0, -1))
                else:
                    self.assertEqual((state["layered"], state["alpha"]), (1, ALPHA[level]))
                if level == 5:  # as X sees it: the alpha in every byte
                    props, = self.desktop.x_properties("Trailglint")
                    self.assertIn("_NET_WM_WINDOW_OPACITY(CARDINAL) = %d" % (0x87878787), props)
                self.quit(program, process)

    def test_the_marker_is_topmost_without_a_taskbar_button(self):
        program, process = self.start(settings(glyph=5))
        state = self.desktop.marker_state()
        self.assertEqual((state["visible"], state["topmost"], state["toolwindow"]), (1, 1, 1))
        # Wine gives a borderless tool window to X as an override-redirect
        # window: no window manager lists it in a taskbar or restacks it.
        info, = self.desktop.x_info("Trailglint")
        self.assertIn("Override Redirect State: yes", info)
        shot = WORK / "marker-star.png"
        self.desktop.screenshot(shot)  # the README's picture comes from here
        self.quit(program, process)

        program, process = self.start(settings(glyph=5, shown=False), name="hidden")
        self.assertEqual(self.desktop.marker_state()["visible"], 0)
        self.assertEqual(self.desktop.x_windows_named("Trailglint"), [])
        self.quit(program, process)

    def test_a_glyph_index_above_eight_shows_the_first_glyph_and_keeps_it(self):
        program, process = self.start(settings(glyph=9))
        self.assertTrue(self.desktop.marker_region("●", 72)["equal"])
        self.quit(program, process)
        self.assertIn(("Window Design", "Pointer Type", "1"), ini_entries(program.ini_bytes()))

    def test_a_stored_index_without_a_menu_item_ends_the_start(self):
        for name, ini in [("size", settings(size=17)), ("colour", settings(colour=0)),
                          ("translucence", settings(translucence=11))]:
            with self.subTest(index=name):
                program = Program(self.desktop, "bad-" + name, ini=ini)
                process = program.start()
                box = wait_for("the error box", self.desktop.message_box)
                self.assertEqual(box[0], "予測不能のエラーが発生しました")
                self.desktop.press_ok(box)
                process.wait(timeout=20)
                self.assertEqual(self.desktop.marker_windows(), [], "no window stays")
                self.assertEqual(program.ini_bytes(), ini.encode("ascii"))


if __name__ == "__main__":
    unittest.main()
