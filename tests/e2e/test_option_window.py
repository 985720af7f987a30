"""The option window on the real binary: docked beside the picker whichever of
the two the user moves (placement at the very start is not judged here), favourites edited with its buttons and the file read
back byte for byte, and its state kept at close."""

import os
import unittest

from kolvi_session import Session

FAVOURITES = b"#FF0000red\r\n#00ff00\r\nred\r\n\r\n#12345Gbad\r\n"


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

            # The first row, then 下へ: the file holds the two entries swapped.
            ox, oy = session.client_origin(option)
            session.mouse(("mousemove", ox + 8 + 40, oy + 20 + 10 + 6), ("click", 1),
                          ("mousemove", ox + 184 + 20, oy + 20 + 114 + 10), ("click", 1))
            session.wait_for(
                lambda: open(favourites, "rb").read() == b"#12345Gbad\r\n#FF0000red\r\n",
                "the favourites file rewritten")

            # Moving either window moves the other.
            for moved, other in ((option, picker), (picker, option)):
                session.run(["xdotool", "windowactivate", "--sync", str(moved)])
                x, y = session.client_origin(moved)
                session.run(["xdotool", "windowmove", str(moved), str(x - 60), str(y + 40)])
                session.wait_for(docked, "the other window to follow")

            session.key(picker, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertIn(b"visible=1\r\n", session.read_settings())


if __name__ == "__main__":
    unittest.main()
