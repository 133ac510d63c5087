"""The popup menu and the tray icon of the real program, and what arrives
while the menu is up."""
import time
import unittest

from harness import MARKER, TRAY_MESSAGE, WM_CLOSE, DesktopTest, Program, settings, wait_for


class Menu(DesktopTest):
    def setUp(self):
        self.desktop.move(600, 500)
        self.desktop.start_app()

    def test_the_menu_from_a_right_click_and_from_f9_chooses_and_keeps_the_place(self):
        program = Program(self.desktop, ini=settings(glyph=1))
        process = program.start()
        self.desktop.move(400, 300)
        self.desktop.click(400, 300, 3)
        wait_for("the popup menu", self.desktop.menus)
        self.desktop.click(700, 600)  # a click elsewhere closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus())
        self.desktop.key("F9")
        self.desktop.choose(2, 4)  # タイプ, ★
        wait_for("the star", lambda: self.desktop.marker()[7] == 3179)  # its area at 72 points
        self.assertEqual(self.desktop.peek("foreground")[1], ["Presentation"], "the focus is given back")
        _, left, top, *_ = self.desktop.marker()
        self.assertEqual(program.quit(process), 0)
        saved = program.saved()
        self.assertEqual((saved["Pointer Type"], saved["Left"], saved["Top"]), ("5", str(15 * left), str(15 * top)))

    def test_the_tray_icon_toggles_the_marker_and_its_menu_choices_last(self):
        # A ring: a filled marker centred on the pointer would take the clicks.
        program = Program(self.desktop, ini=settings(glyph=2))
        process = program.start()
        self.desktop.click_tray_icon()
        wait_for("the marker hidden", lambda: not self.desktop.shown())
        self.desktop.click_tray_icon(repeat=2)
        time.sleep(0.5)
        self.assertFalse(self.desktop.shown(), "a double click ends as it began")
        for choice in [(3, 13), (5, 8), (0,)]:  # サイズ 36, 透明度 80%, 表示/非表示
            self.desktop.click_tray_icon(button=3)
            self.desktop.choose(*choice)
        wait_for("the marker shown", self.desktop.shown)
        self.desktop.peek("post", MARKER, "TaskbarCreated", 0)  # as a restarted shell broadcasts it
        time.sleep(0.5)
        self.assertEqual(len(self.desktop.tray_icons()), 1)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(7)  # 終了
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(self.desktop.tray_icons(), [], "the icon goes with the program")
        saved = program.saved()
        self.assertEqual([saved[k] for k in ["Pointer Size", "Translucence", "Disp Pointer"]], ["14", "8", "True"])

    def test_a_close_request_or_a_tray_click_while_the_menu_is_up_waits_for_the_menu(self):
        program = Program(self.desktop, ini=settings(glyph=2, translucence=6))
        process = program.start()
        self.desktop.key("F9")
        wait_for("the popup menu", self.desktop.menus)
        marker = self.desktop.marker()
        for click in [0x205, 0x202]:  # the tray icon's right and left button released
            self.desktop.peek("post", MARKER, TRAY_MESSAGE, click)
        self.desktop.move(300, 200)
        time.sleep(0.5)
        self.assertEqual((len(self.desktop.menus()), self.desktop.marker()), (1, marker), "one menu, a still marker")
        self.desktop.key("Escape")
        self.desktop.click(300, 200)  # closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus())
        self.desktop.move(500, 400)
        wait_for("the marker following again", lambda: self.desktop.marker()[1] != marker[1])

        self.desktop.key("F9")
        wait_for("the popup menu", self.desktop.menus)
        self.desktop.peek("post", MARKER, WM_CLOSE, 0)
        time.sleep(0.5)
        self.assertIsNone(process.poll(), "the close waits for the menu")
        self.desktop.click(100, 100)
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(program.saved()["Translucence"], "6")


if __name__ == "__main__":
    unittest.main()
