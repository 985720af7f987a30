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

    def test_the_ruler_stays_above_a_later_window_and_clicks_outside_the_l_reach_it(self):
        with Session() as session:
            # Two independent instances (lock off): the ruler over most of the
            # screen, then a picker started later across its top band.
            self.start(session, b"[Options]\r\nRulerRun=1\r\nMutex=0\r\n"
                       b"[Ruler]\r\nX=0\r\nY=0\r\nW=700\r\nH=600\r\n")
            session.ruler_size = (700, 600)
            ruler = ruler_window(session)
            # The ruler's own colour, in its corner square.
            band = session.wait_for(
                lambda: (lambda c: c if c != (0, 0, 0) else None)(session.screenshot().at(20, 30)),
                "the ruler on screen")
            other = session.add_program_copy("other")
            session.write_settings(b"[Position]\r\nx=100\r\ny=10\r\n[Options]\r\nMutex=0\r\n",
                                   program=other)
            session.start_kolvi(program=other)
            picker = session.wait_for(
                lambda: next((w for w in session.windows("^kolvi$") if w != ruler), None),
                "the later picker")
            session.run(["xdotool", "windowactivate", "--sync", str(picker)])
            self.assertEqual(session.run(["xdotool", "getactivewindow"]).stdout.strip(),
                             str(picker))
            # The band between ticks and numbers shows the ruler's colour above it.
            session.wait_for(lambda: session.screenshot().at(302, 5) == band,
                             "the ruler's band above the later window")

            # A click in the cut-away part of the ruler's rectangle picks a
            # colour in the picker beneath.
            session.mouse(("mousemove", 300, 300), ("click", 1))
            session.set_clipboard("untouched")
            session.key(picker, "ctrl+shift+c")
            copied = session.clipboard_when("not what it was", timeout=3)
            self.assertTrue(copied.startswith("#") and copied != "#FF0000", copied)

    def test_a_ruler_kept_on_a_monitor_that_is_gone_comes_back_onto_the_screen(self):
        with Session() as session:
            self.start(session, b"[Options]\r\nRulerRun=1\r\n"
                       b"[Ruler]\r\nX=5000\r\nY=-900\r\nW=300\r\nH=200\r\n")
            session.ruler_size = (300, 200)
            ruler = ruler_window(session)
            self.assertEqual(session.client_origin(ruler), (1024 - 300, 0))
    def test_on_a_scaled_screen_the_scale_and_marks_stay_crisp(self):
        with Session() as session:
            session.env["QT_SCALE_FACTOR"] = "2"
            self.start(session, b"[Options]\r\nRulerRun=1\r\n"
                       b"[Ruler]\r\nX=10\r\nY=10\r\nW=300\r\nH=150\r\n")
            session.ruler_size = (600, 300)  # in the screen's device pixels
            ruler = ruler_window(session)
            ox, oy = session.client_origin(ruler)
            # 60 ruler pixels right of the origin are 120 device pixels.
            session.mouse(("mousemove", ox + 2 * (40 + 60), oy + 40), ("click", 1))
            x = ox + 2 * (40 + 60)
            session.wait_for(lambda: session.screenshot().at(x, oy + 70) == RED, "the mark")
            image = session.screenshot()
            self.assertEqual(image.at(x + 1, oy + 70), RED, "a line two device pixels wide")
            self.assertNotEqual(image.at(x + 2, oy + 70), RED)
            self.assertNotEqual(image.at(x - 1, oy + 70), RED)
            # The edge line: two rows of the line colour, no blur beside them.
            background = image.at(ox + 2 * (40 + 2), oy + 60)
            line = image.at(ox + 2 * (40 + 2), oy + 78)
            self.assertEqual(image.at(ox + 2 * (40 + 2), oy + 79), line)
            self.assertEqual(image.at(ox + 2 * (40 + 2), oy + 77), background)
            self.assertNotEqual(line, background)


if __name__ == "__main__":
    unittest.main()
