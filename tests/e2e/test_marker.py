"""The real marker on the desktop, following the pointer as X moves it, and
the keys and clicks a user gives it while the user's own application holds the
keyboard focus."""
import time
import unittest

from harness import DesktopTest, Program, settings, wait_for


class Marker(DesktopTest):
    def test_it_follows_the_pointer_a_left_click_hides_it_and_f12_alone_brings_it_back(self):
        self.desktop.move(20, 20)
        self.desktop.start_app()
        process = Program(self.desktop, ini=settings(glyph=1, colour=3)).start()
        centred = lambda x, y: (round(x - 97 / 2), round(y - 103 / 2), 97, 103)  # halves to the even pixel
        for x, y in [(401, 301), (500, 400)]:
            self.desktop.move(x, y)
            wait_for(f"the marker centred at {x},{y}", lambda: self.desktop.marker() == centred(x, y))
        shot = self.desktop.run("import", "-window", "root", "-crop", "1x1+500+400", "-depth", "8", "txt:-").stdout
        self.assertIn("(0,0,255)", shot.replace(" ", ""), "blue under the pointer")
        self.desktop.click(500, 400)
        wait_for("the marker hidden", lambda: not self.desktop.marker())
        self.assertEqual(self.desktop.foreground(), "Presentation", "the focus stays where it was")
        self.desktop.key("F9")
        time.sleep(0.3)
        self.assertFalse(self.desktop.marker() or self.desktop.menus(process), "F9 while hidden")
        self.desktop.move(301, 300)
        self.desktop.key("F12")
        wait_for("the marker shown where the pointer is", lambda: self.desktop.marker() == centred(301, 300))


if __name__ == "__main__":
    unittest.main()
