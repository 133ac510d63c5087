"""The tray icon of the real program: it comes and goes with the program,
toggles the marker, opens the menu, and quits with the choices kept."""
import time
import unittest

from harness import DesktopTest, Program, settings, wait_for


class TrayIcon(DesktopTest):
    def setUp(self):
        self.desktop.move(600, 500)
        self.desktop.start_app()

    def shown(self):
        return self.desktop.marker()[0] == 1

    def test_clicks_on_the_icon_toggle_the_marker_and_open_the_menu(self):
        # A ring: a filled marker centred on the pointer would take the clicks.
        Program(self.desktop, ini=settings(glyph=2, shown=True)).start()
        self.assertEqual(len(wait_for("the icon", self.desktop.tray_icons)), 1)
        self.desktop.click_tray_icon()
        wait_for("the marker hidden", lambda: not self.shown(), timeout=5)
        self.desktop.click_tray_icon(repeat=2)
        time.sleep(0.5)
        self.assertFalse(self.shown(), "a double click ends as it began")

        self.desktop.click_tray_icon(button=3)
        wait_for("the popup menu", self.desktop.menus, timeout=5)
        self.desktop.click(900, 700)  # closed by a click elsewhere
        wait_for("the menu closed", lambda: not self.desktop.menus(), timeout=5)
        self.assertFalse(self.shown(), "opening the menu does not show the marker")
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(0)  # 表示/非表示
        wait_for("the marker shown", self.shown, timeout=5)

    def test_choices_made_from_the_tray_menu_are_there_at_the_next_start(self):
        program = Program(self.desktop, ini=settings(glyph=2, size=16, colour=6, translucence=5, shown=True))
        process = program.start()
        for choice in [(3, 13), (5, 8)]:  # サイズ 36, 透明度 80%
            self.desktop.click_tray_icon(button=3)
            self.desktop.choose(*choice)
        self.desktop.click_tray_icon()  # hidden, so that the star chosen next leaves the icon free
        wait_for("the marker hidden", lambda: not self.shown(), timeout=5)
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(2, 4)  # タイプ, ★
        self.desktop.click_tray_icon(button=3)
        self.desktop.choose(7)  # 終了
        self.assertEqual(process.wait(timeout=20), 0)
        self.assertEqual(self.desktop.tray_icons(), [], "the icon goes with the program")
        saved = program.saved()
        self.assertEqual([saved[k] for k in ["Pointer Type", "Pointer Size", "Translucence", "Disp Pointer"]],
                         ["5", "14", "8", "False"])

        program.start()
        self.desktop.click_tray_icon()
        wait_for("the marker shown", self.shown, timeout=5)
        self.assertTrue(self.desktop.region("★", 36)["equal"])
        self.assertIn(f"_NET_WM_WINDOW_OPACITY(CARDINAL) = {45 * 0x01010101}", self.desktop.x_property("Trailglint"))

    def test_after_the_shell_announces_a_new_tray_the_icon_is_there_once(self):
        Program(self.desktop).start()
        wait_for("the icon", self.desktop.tray_icons)
        self.desktop.peek("broadcast", "TaskbarCreated")
        time.sleep(0.5)
        self.assertEqual(len(self.desktop.tray_icons()), 1)


if __name__ == "__main__":
    unittest.main()
