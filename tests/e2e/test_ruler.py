"""The screen ruler on the real binary under X: ruler mode both ways, a ruler
start, marks read from the screen, keys moving it, its rectangle saved at
close by either path, and minimising and restoring it through the tray."""

import unittest

from kolvi_session import Session

RED = (255, 0, 0)


def ruler_window(session):
    """The ruler: kolvi's window with the ruler's own, frameless size."""
    def find():
        for window in session.windows("^kolvi$"):
            info = session.window_info(window)
            if (int(info["Width"]), int(info["Height"])) == session.ruler_size:
                return window
        return None
    return session.wait_for(find, "the ruler window")


def picker_shown(session):
    return any(int(session.window_info(w)["Width"]) != session.ruler_size[0]
               for w in session.windows("^kolvi$"))


class RulerTest(unittest.TestCase):
    def start(self, session, settings=b"", *arguments):
        session.ruler_size = (417, 330)  # the default rectangle: the picker's outer size
        session.write_settings(settings)
        return session.start_kolvi(*arguments)

    def test_ctrl_r_switches_to_the_ruler_and_back(self):
        with Session() as session:
            self.start(session)
            picker = session.main_window()
            session.key(picker, "ctrl+r")
            ruler = ruler_window(session)
            session.wait_for(lambda: not picker_shown(session), "the picker to hide")
            session.key(ruler, "ctrl+r")
            session.wait_for(lambda: picker_shown(session), "the picker to come back")
            session.wait_for(lambda: ruler not in session.windows("^kolvi$"), "the ruler to go")

    def test_a_ruler_start_shows_only_the_ruler_and_a_click_marks_it(self):
        with Session() as session:
            self.start(session, b"[Options]\r\nRulerRun=1\r\n[Ruler]\r\nX=100\r\nY=80\r\n")
            ruler = ruler_window(session)
            self.assertFalse(picker_shown(session), "the picker never shows")
            ox, oy = session.client_origin(ruler)
            session.mouse(("mousemove", ox + 40 + 120, oy + 20), ("click", 1))
            session.wait_for(lambda: session.screenshot().at(ox + 40 + 120, oy + 39) == RED,
                             "the mark's line at 120")
            image = session.screenshot()
            self.assertEqual(image.at(ox + 40 + 60, oy + 2), RED, "the band from the origin")
            self.assertNotEqual(image.at(ox + 40 + 60, oy + 20), RED)
            # Outside the L the screen beneath shows.
            self.assertEqual(image.at(ox + 200, oy + 200), (0, 0, 0))

    def test_keys_move_the_ruler_and_its_rectangle_is_saved_by_either_close(self):
        for name, window_manager in (("the window manager's close", True),
                                     ("Alt+F4 reaching kolvi", False)):
            with self.subTest(name), Session(window_manager=window_manager) as session:
                process = self.start(session, b"[Options]\r\nRulerRun=1\r\n"
                                     b"[Ruler]\r\nX=100\r\nY=80\r\nW=300\r\nH=200\r\n")
                session.ruler_size = (300, 200)
                ruler = ruler_window(session)
                session.key(ruler, "Right", "Right", "Right", "Down", "ctrl+Right")
                session.wait_for(
                    lambda: int(session.window_info(ruler)["Width"]) == 400, "the wider ruler")
                session.key(ruler, "alt+F4")
                self.assertEqual(process.wait(timeout=30), 0)
                self.assertIn(b"[Ruler]\r\nX=103\r\nY=81\r\nW=400\r\nH=200\r\n",
                              session.read_settings())

    def test_minimised_from_ruler_mode_it_comes_back_as_the_ruler(self):
        with Session(tray=True) as session:
            self.start(session, b"[Options]\r\nRulerRun=1\r\n")
            ruler = ruler_window(session)
            session.key(ruler, "Escape")
            session.wait_for(lambda: ruler not in session.windows("^kolvi$"), "the tray")
            x, y = session.wait_for(session.tray_icon, "the tray icon")
            session.mouse(("mousemove", x, y), ("click", 1))
            session.wait_for(lambda: ruler in session.windows("^kolvi$"), "the ruler to return")
            self.assertFalse(picker_shown(session))

            session.key(ruler, "Escape")
            session.wait_for(lambda: ruler not in session.windows("^kolvi$"), "the tray again")
            self.assertEqual(session.start_kolvi().wait(timeout=30), 1)
            session.wait_for(lambda: ruler in session.windows("^kolvi$"), "the ruler to return")
            self.assertFalse(picker_shown(session))


if __name__ == "__main__":
    unittest.main()
