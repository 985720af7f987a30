"""A user picking colours in the real kolvi under X: drags on the strip and the
field, typed components and codes, paste and copy through the system clipboard,
and a sample of the screen under the pointer."""

import unittest

from kolvi_session import FIELD, STRIP, Session


class PickerInputTest(unittest.TestCase):
    def test_every_input_path_ends_on_the_clipboard_as_a_code(self):
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            session.settle(1.0)
            px, py = session.panel(window)

            def copies(expected):
                session.key(window, "ctrl+shift+c")
                self.assertEqual(session.clipboard_when(expected), expected)

            def strip(y):
                return px + STRIP[0] + 8, py + STRIP[1] + y

            def field(x, y):
                return px + FIELD[0] + x, py + FIELD[1] + y

            # A drag down the strip to the blue row; the marker stays top right.
            session.mouse(("mousemove", *strip(10)), ("mousedown", 1),
                          ("mousemove", *strip(60)), ("mousemove", *strip(84)), ("mouseup", 1))
            copies("#0000FF")

            # A field drag past the bottom-left corner ends on black.
            session.mouse(("mousemove", *field(100, 100)), ("mousedown", 1),
                          ("mousemove", *field(-30, 300)), ("mouseup", 1))
            copies("#000000")

            # Components typed into the spin edits, moving on with Tab.
            session.mouse(("mousemove", px + 290, py + 164), ("click", 1))
            session.run(["xdotool", "type", "--delay", "30", "200\t100\t50"])
            session.settle()
            copies("#C86432")

            # A code typed into the code box.
            session.mouse(("mousemove", px + 230, py + 284), ("click", 1))
            session.key(window, "ctrl+a")
            session.run(["xdotool", "type", "--delay", "30", "#123456"])
            copies("#123456")

            # Paste: a code in another notation, then text that is no code.
            session.set_clipboard("0x00FEDCBA")
            session.key(window, "ctrl+shift+v")
            copies("#BADCFE")
            session.set_clipboard("no colour here")
            session.key(window, "ctrl+shift+v")
            copies("#BADCFE")

            # The screen under the pointer, also in the screen's corner.
            session.run(["xsetroot", "-solid", "#3c5a78"])
            for x, y in ((40, 700), (0, 0), (1023, 767)):
                with self.subTest(pointer=(x, y)):
                    session.set_clipboard("#000000")
                    session.key(window, "ctrl+shift+v")
                    session.mouse(("mousemove", x, y))
                    session.key(window, "ctrl+s")
                    copies("#3C5A78")

    def test_enter_completes_a_typed_code_and_a_shifted_digit_shortcut_fires_by_its_key(self):
        with Session() as session:
            # Invert on Shift+7 (0x2037) and copy on Shift+2 (0x2032), on a
            # Japanese keyboard, where they type "'" and '"' (a US one: '&', '@').
            session.write_settings(b"[Action]\r\nActionEditReverse=8247\r\n"
                                   b"ActionEditColorCopy=8242\r\n")
            session.run(["setxkbmap", "-layout", "jp"])
            session.start_kolvi()
            window = session.main_window()
            session.settle(0.5)

            def code_box_text():
                session.key(window, "ctrl+a")
                session.key(window, "ctrl+c")  # the line edit's own copy
                return session.clipboard()

            for enter in ("Return", "KP_Enter"):
                with self.subTest(enter):
                    session.key(window, "ctrl+a")
                    session.run(["xdotool", "type", "--delay", "30", "#F"])
                    session.key(window, enter)
                    self.assertEqual(session.wait_for(
                        lambda: (lambda t: t if t != "#F" else None)(code_box_text()),
                        "the code box to change", timeout=5), "#F00000")

            session.key(window, "shift+7")
            session.key(window, "shift+2")
            self.assertEqual(session.clipboard_when("#0FFFFF"), "#0FFFFF")


if __name__ == "__main__":
    unittest.main()
