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
        wait_for("the marker under the pointer", lambda: self.desktop.marker() == (352, 248, 97, 103))
        self.desktop.click(400, 300, 3)
        wait_for("the popup menu", lambda: self.desktop.menus(process))
        self.desktop.click(700, 600)  # a click elsewhere closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus(process))
        self.desktop.key("F9")
        self.desktop.choose(process, 3, 13)  # サイズ, 36
        self.desktop.move(700, 600)
        wait_for("the smaller marker", lambda: self.desktop.marker() == (676, 574, 49, 51))  # halves to even
        self.assertEqual(self.desktop.foreground(), "Presentation", "the focus is given back")
        self.assertEqual(program.quit(process), 0)
        saved = program.saved()
        self.assertEqual((saved["Pointer Size"], saved["Left"], saved["Top"]), ("14", str(15 * 676), str(15 * 574)))

    def test_the_tray_icon_toggles_the_marker_and_its_menu_choices_last(self):
        # A ring: a filled marker centred on the pointer would take the clicks.
        program = Program(self.desktop, ini=settings(glyph=2))
        process = program.start()
        self.desktop.click_tray_icon()
        wait_for("the marker hidden", lambda: not self.desktop.marker())
        self.desktop.click_tray_icon(repeat=2)
        time.sleep(0.5)
        self.assertIsNone(self.desktop.marker(), "a double click ends as it began")
        for choice in [(4, 2), (5, 8), (0,)]:  # 色 青, 透明度 80%, 表示/非表示
            self.desktop.click_tray_icon(button=3)
            self.desktop.choose(process, *choice)
        wait_for("the marker shown", self.desktop.marker)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(process, 7)  # 終了
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertIsNone(self.desktop.tray_icon(), "the icon goes with the program")
        saved = program.saved()
        self.assertEqual([saved[k] for k in ["Pointer Color", "Translucence", "Disp Pointer"]], ["3", "8", "True"])

    def test_a_close_request_or_a_tray_click_while_the_menu_is_up_waits_for_the_menu(self):
        program = Program(self.desktop, ini=settings(glyph=2, translucence=6))
        process = program.start()
        marker = wait_for("the marker", self.desktop.marker)
        self.desktop.key("F9")
        wait_for("the popup menu", lambda: self.desktop.menus(process))
        for click in [0x205, 0x202]:  # the tray icon's right and left button released
            self.desktop.peek("post", MARKER, TRAY_MESSAGE, click)
        self.desktop.move(300, 200)
        time.sleep(0.5)
        self.assertEqual((len(self.desktop.menus(process)), self.desktop.marker()), (1, marker), "one menu, a still marker")
        self.desktop.click(300, 200)  # closes the menu
        wait_for("the menu closed", lambda: not self.desktop.menus(process))
        wait_for("the marker following again", lambda: self.desktop.marker() != marker)

        self.desktop.key("F9")
        wait_for("the popup menu", lambda: self.desktop.menus(process))
        self.desktop.peek("post", MARKER, WM_CLOSE, 0)
        time.sleep(0.5)
        self.assertIsNone(process.poll(), "the close waits for the menu")
        self.desktop.click(100, 100)
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(program.saved()["Translucence"], "6")


if __name__ == "__main__":
    unittest.main()
