"""The option window on the real binary: docked beside the picker whichever of
the two the user moves (placement at the very start is not judged here),
favourites edited with its buttons and the file read back byte for byte after
each change, the output history after copies, a Colors file chosen by its
access key, and the test colours and the window's state kept at close."""

import os
import unittest

from kolvi_session import Session

FAVOURITES = b"#FF0000red\r\n#00ff00\r\nred\r\n\r\n#12345Gbad\r\n"
MENU_BAR = 20
# Centres of the buttons in the option window's client area, below the menu bar.
BUTTONS = {"追加": (204, 20), "変更": (204, 44), "削除": (204, 68), "上へ": (204, 100),
           "下へ": (204, 124)}
BASE_SWATCH = (26, 228)


class OptionWindowTest(unittest.TestCase):
    def test_docked_edited_with_its_buttons_and_kept(self):
        with Session() as session:
            favourites = os.path.join(session.program_dir, "favorite.dat")
            with open(favourites, "wb") as file:
                file.write(FAVOURITES)
            process = session.start_kolvi("-o")
            picker = session.main_window()
            option = session.wait_for(lambda: (session.windows("^Option") or [None])[0],
                                      "the option window")

            def docked():
                px, py = session.client_origin(picker)
                ox, oy = session.client_origin(option)
                width = int(session.window_info(picker)["Width"])
                return oy == py and ox - (px + width) in (1, 2)  # the frames' borders

            ox, oy = session.client_origin(option)

            def click(x, y):
                session.mouse(("mousemove", ox + x, oy + MENU_BAR + y), ("click", 1))

            def row(index):
                click(8 + 40, 10 + 6 + 12 * index)

            def name(text):
                click(48 + 60, 218 + 10)
                session.run(["xdotool", "key", "ctrl+a"])
                session.run(["xdotool", "type", "--delay", "30", text])

            def file_becomes(expected, what):
                session.wait_for(lambda: open(favourites, "rb").read() == expected, what)

            row(0)
            click(*BUTTONS["下へ"])
            file_becomes(b"#12345Gbad\r\n#FF0000red\r\n", "the two entries swapped")
            click(*BUTTONS["上へ"])
            file_becomes(b"#FF0000red\r\n#12345Gbad\r\n", "the moved row moved back")
            name("mine")
            click(*BUTTONS["追加"])
            file_becomes(b"#FF0000red\r\n#FF0000mine\r\n#12345Gbad\r\n",
                         "an entry added after the selected row")
            name("edited")
            click(*BUTTONS["変更"])
            file_becomes(b"#FF0000edited\r\n#FF0000mine\r\n#12345Gbad\r\n",
                         "the selected row changed")
            click(*BUTTONS["削除"])
            file_becomes(b"#FF0000mine\r\n#12345Gbad\r\n", "the selected row deleted")

            # Moving either window moves the other.
            for moved, other in ((option, picker), (picker, option)):
                session.run(["xdotool", "windowactivate", "--sync", str(moved)])
                x, y = session.client_origin(moved)
                session.run(["xdotool", "windowmove", str(moved), str(x - 60), str(y + 40)])
                session.wait_for(docked, "the other window to follow")

            session.key(picker, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertIn(b"visible=1\r\n", session.read_settings())


    def test_history_a_colors_file_by_its_key_and_the_test_colours(self):
        with Session() as session:
            colors = os.path.join(session.program_dir, "Colors")
            os.mkdir(colors)
            with open(os.path.join(colors, "a-web.dat"), "wb") as file:
                file.write(b"#00FF00green\r\n")
            with open(os.path.join(colors, "b-print.dat"), "wb") as file:
                file.write(b"#102030ink\r\n#A0B0C0paper\r\n")
            process = session.start_kolvi("-o")
            picker = session.main_window()
            option = session.wait_for(lambda: (session.windows("^Option") or [None])[0],
                                      "the option window")
            ox, oy = session.client_origin(option)

            def click(x, y, button=1):
                session.mouse(("mousemove", ox + x, oy + MENU_BAR + y), ("click", button))

            def base_swatch():
                return session.screenshot().at(ox + BASE_SWATCH[0], oy + MENU_BAR + BASE_SWATCH[1])

            def title():
                return session.run(["xdotool", "getwindowname", str(option)]).stdout.strip()

            # Three copies, one of them again: the history holds each code once,
            # the latest first.
            for code in ("#FF8000", "#0000FF", "#FF8000"):
                session.key(picker, "ctrl+a")
                session.run(["xdotool", "type", "--delay", "30", code])
                session.key(picker, "Return", "ctrl+shift+c")
                session.wait_for(lambda: session.clipboard() == code, "the copied code")
            session.key(option, "alt+l", "r")
            session.wait_for(lambda: title() == "Option - [出力履歴]", "the history on view")
            for index, colour in ((0, (255, 128, 0)), (1, (0, 0, 255))):
                click(48, 10 + 6 + 12 * index)
                session.wait_for(lambda: base_swatch() == colour, "history row %d" % index)

            session.key(option, "alt+l", "1")
            session.wait_for(lambda: title() == "Option - [b-print]", "the second Colors file")
            click(48, 10 + 6)
            session.wait_for(lambda: base_swatch() == (0x10, 0x20, 0x30), "its first row")
            click(*BASE_SWATCH, button=1)
            click(48, 10 + 6 + 12)
            session.wait_for(lambda: base_swatch() == (0xA0, 0xB0, 0xC0), "its second row")
            click(*BASE_SWATCH, button=3)

            session.key(picker, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            settings = session.read_settings()
            self.assertIn(b"FontColor=#102030\r\n", settings)
            self.assertIn(b"BGColor=#A0B0C0\r\n", settings)


if __name__ == "__main__":
    unittest.main()
