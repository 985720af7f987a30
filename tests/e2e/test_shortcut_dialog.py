"""The shortcut dialog on the real binary: F9 opens it, picker commands and a
ruler command get new keys pressed in its edit (Shift+1 through the keyboard
layout, Alt+E that a menu also claims), another loses its key; all of it works
at once, is written at close and works again after a restart. On a Japanese
keyboard the colon and semicolon keys are two keys."""

import unittest

from kolvi_session import Session
from test_ruler import ruler_window

# Places in the dialog's client area (its layout is fixed).
EDIT_BUTTON = (376 + 36, 272 + 12)
CLEAR_BUTTON = (96 + 273 - 9, 280 + 10)
SETTINGS = b"[Ruler]\r\nX=100\r\nY=80\r\nW=300\r\nH=200\r\n"


class ShortcutDialogTest(unittest.TestCase):
    def open_dialog(self, session, picker):
        session.key(picker, "F9")
        return session.wait_for(
            lambda: (session.windows("^ショートカットカスタマイズ$") or [None])[0], "the dialog")

    def change(self, session, picker, tab, row, *keys):
        """Row `row` of tab `tab` given the keys pressed in the edit, or no key
        at all through the edit's button; 編集 applies it and Esc closes."""
        dialog = self.open_dialog(session, picker)
        x, y = session.client_origin(dialog)
        # The focus starts on the tabs; the list, then the edit, follow.
        session.key(dialog, *(["Right"] * tab), "Tab", "Home", *(["Down"] * row), "Tab")
        if keys:
            session.key(dialog, *keys)
        else:
            session.mouse(("mousemove", x + CLEAR_BUTTON[0], y + CLEAR_BUTTON[1]), ("click", 1))
        session.mouse(("mousemove", x + EDIT_BUTTON[0], y + EDIT_BUTTON[1]), ("click", 1))
        session.run(["xdotool", "key", "Escape"])
        session.wait_for(lambda: dialog not in session.windows("^ショートカット"),
                         "the dialog to close")

    def check_keys(self, session, picker):
        # 反転 by Shift+1 (the picker starts red), then 色のコピー by Alt+E, not
        # the 編集 menu: the clipboard has the reversed colour.
        session.key(picker, "shift+1", "alt+e")
        self.assertEqual(session.clipboard_when("#00FFFF"), "#00FFFF")
        session.key(picker, "shift+1")
        # 最小化 has no key any more: Esc leaves the window where it is.
        session.key(picker, "Escape")
        session.settle()
        self.assertIn(picker, session.windows("^kolvi$"))
        # ウインドウ上方向移動 by Shift+Ctrl+U on the ruler.
        session.key(picker, "ctrl+r")
        ruler = ruler_window(session)
        session.key(ruler, "ctrl+shift+u")
        session.wait_for(lambda: session.client_origin(ruler)[1] == 79, "the ruler 1 px up")
        session.key(ruler, "ctrl+r")
        return session.main_window()

    def test_keys_given_and_removed_work_at_once_and_after_a_restart(self):
        with Session() as session:
            session.ruler_size = (300, 200)
            session.write_settings(SETTINGS)
            process = session.start_kolvi()
            picker = session.main_window()
            self.change(session, picker, 0, 2, "shift+1")       # 反転(&I)
            self.change(session, picker, 0, 1, "alt+e")         # 色のコピー(&C)
            self.change(session, picker, 0, 5)                  # 最小化(&M): no key
            self.change(session, picker, 1, 6, "ctrl+shift+u")  # ウインドウ上方向移動
            picker = self.check_keys(session, picker)
            session.key(picker, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            settings = session.read_settings()
            for stored in (b"ActionEditReverse=8241\r\n", b"ActionEditColorCopy=32837\r\n",
                           b"ActionEditMinimize=0\r\n", b"ActionRulerUp=24661\r\n"):
                self.assertIn(stored, settings)

            session.write_settings(settings.replace(b"Y=79", b"Y=80"))
            process = session.start_kolvi()
            picker = session.main_window()
            session.key(picker, "ctrl+a")
            session.run(["xdotool", "type", "--delay", "30", "#FF0000"])
            session.key(picker, "Return")
            self.check_keys(session, picker)

    def test_the_colon_and_semicolon_keys_of_a_japanese_keyboard_are_two_keys(self):
        with Session() as session:
            session.run(["setxkbmap", "-layout", "jp"])
            process = session.start_kolvi()
            picker = session.main_window()
            self.change(session, picker, 0, 2, "ctrl+colon")      # 反転(&I)
            self.change(session, picker, 0, 1, "ctrl+semicolon")  # 色のコピー(&C)
            session.key(picker, "ctrl+colon", "ctrl+semicolon")
            self.assertEqual(session.clipboard_when("#00FFFF"), "#00FFFF")
            session.key(picker, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            settings = session.read_settings()
            self.assertIn(b"ActionEditReverse=16609\r\n", settings)
            self.assertIn(b"ActionEditColorCopy=16570\r\n", settings)


if __name__ == "__main__":
    unittest.main()
