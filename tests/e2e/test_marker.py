"""The marker, its menu and its tray icon, used with the pointer and keys while the user's application has the focus."""
import time
import unittest

from harness import APP, DesktopTest, Program, settings, wait_for


def centred(x, y, w=97, h=103):  # halves to the even pixel, as Python rounds
    return round(x - w / 2), round(y - h / 2), w, h


class Marker(DesktopTest):
    def setUp(self):
        self.desktop.move(600, 500)
        self.desktop.start_app()

    def test_it_follows_the_pointer_hides_on_a_click_comes_back_on_f12_and_its_menu_chooses(self):
        program = Program(self.desktop, ini=settings(glyph=1, colour=3))
        process = program.start()
        for x, y in [(401, 301), (500, 400)]:
            self.desktop.move(x, y)
            wait_for(f"the marker centred at {x},{y}", lambda: self.desktop.marker() == centred(x, y))
        self.assertEqual(self.desktop.pixels(500, 400, 1, 1), ["(0,0,255)"], "blue under the pointer")
        self.desktop.click(500, 400)
        wait_for("the marker hidden", lambda: not self.desktop.marker())
        self.assertEqual(self.desktop.peek("foreground"), APP, "the focus stays where it was")
        self.desktop.key("F9")  # while hidden: nothing, then or later
        self.desktop.move(400, 300)
        self.addCleanup(self.desktop.xdo, "keyup", "F12")
        self.desktop.xdo("keydown", "F12")  # held: it shows the marker once, not again after a click
        wait_for("the marker shown where the pointer is", lambda: self.desktop.marker() == centred(400, 300))
        self.desktop.click(400, 300)
        time.sleep(0.3)
        self.assertFalse(self.desktop.marker() or self.desktop.menus(process.pid), "F12 held, F9 while hidden")
        self.desktop.xdo("keyup", "F12", "sleep", 0.05, "keydown", "F12", "sleep", 0.05, "keyup", "F12")  # pressed again
        wait_for("the marker shown again", self.desktop.marker)
        self.desktop.click(400, 300, 3)
        wait_for("the popup menu", lambda: self.desktop.menus(process.pid))
        self.desktop.click(700, 600)  # a click elsewhere closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus(process.pid))
        # F9, held until the menu has gone: the owner (untitled) takes the foreground from the application in front.
        self.addCleanup(self.desktop.xdo, "keyup", "F9")
        self.desktop.xdo("keydown", "F9")
        self.assertEqual(wait_for("the menu", lambda: self.desktop.menus(process.pid)) and self.desktop.peek("foreground"), "")
        self.desktop.choose(process, 3, 13)  # サイズ, 36
        self.desktop.move(700, 600)
        wait_for("the smaller marker", lambda: self.desktop.marker() == centred(700, 600, 49, 51))
        self.assertFalse(self.desktop.menus(process.pid), "F9 still held")
        self.assertEqual(self.desktop.peek("foreground"), APP, "the focus is given back")
        self.assertEqual(program.quit(process), 0)

    def test_the_tray_icon_toggles_the_marker_and_its_menu_choices_last(self):
        program = Program(self.desktop, ini=settings(glyph=2))  # a ring: a filled marker would take the clicks
        process = program.start()
        icon = wait_for("the tray icon", self.desktop.tray_icon)
        self.desktop.click(*icon)
        wait_for("the marker hidden", lambda: not self.desktop.marker())
        for choice in [(5, 8), (0,), (7,)]:  # 透明度 80%, 表示/非表示, 終了
            self.desktop.click(*icon, button=3)
            self.desktop.choose(process, *choice)
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertIsNone(self.desktop.tray_icon(), "the icon goes with the program")
        self.assertRegex(program.ini.read_text(), r"Translucence=8\r?\n(.*\n)*Disp Pointer=True")

    def test_at_150_percent_the_ring_is_drawn_at_that_scale_at_once_and_a_menu_opened_through_it_stays_above(self):
        scale = ["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/f", "/d"]
        self.addCleanup(self.desktop.run, *scale, "96")  # after tearDown, which ends the session
        self.desktop.run(*scale, "144")
        self.tearDown()  # Wine takes the resolution as its session starts
        self.desktop.start_app()
        Program(self.desktop, ini=settings(glyph=2)).start(wait=False)  # red
        width, height = wait_for("the marker", self.desktop.marker)[2:]
        self.assertLessEqual(abs(width - 97 * 1.5) + abs(height - 103 * 1.5), 2, (width, height))
        self.desktop.click(500, 400, 3)  # in the ring's hole: on Notepad
        notepad = int(self.desktop.xdo("search", "--onlyvisible", "--name", f"^{APP}$", "getwindowpid"))
        x, y, w, h = wait_for("Notepad's menu", lambda: self.desktop.menus(notepad))[0]
        self.assertTrue(x - 80 < 500 <= x and y - 80 < 400 <= y, "at the pointer, under the ring")
        for wait in (0.5, 1.5):
            time.sleep(wait)
            self.assertEqual(self.desktop.pixels(x, y, w, h).count("(255,0,0)"), 0, "red pixels: the ring over the menu")


if __name__ == "__main__":
    unittest.main()
