"""Minimising to a real tray host and back, minimising without one, and
always-on-top judged by the pixels where two kolvi windows overlap."""

import signal
import time
import unittest

from colour_formulas import field_pixel
from kolvi_session import FIELD, Session, locate_panel


class WindowStatesTest(unittest.TestCase):
    def to_tray(self, session, window, by_window_manager=False):
        if by_window_manager:  # the title bar's minimise button
            session.run(["xdotool", "windowminimize", str(window)])
        else:
            session.key(window, "Escape")
        session.wait_for(lambda: not session.windows("^kolvi$"), "kolvi to go to the tray")
        session.wait_for(lambda: str(window) not in session.client_list(),
                         "kolvi to leave the task bar")
        return session.wait_for(session.tray_icon, "the tray icon")

    def assert_back_for_good(self, session, window):
        session.wait_for(lambda: session.windows("^kolvi$") == [window], "kolvi to come back")
        # A late answer of the window manager must not send it back again.
        time.sleep(2)
        self.assertEqual(session.windows("^kolvi$"), [window], "still shown two seconds later")
        self.assertIn(str(window), session.client_list())

    def test_one_click_of_any_button_on_the_icon_restores_for_good(self):
        with Session(tray=True) as session:
            process = session.start_kolvi()
            window = session.main_window()
            for name, click, by_window_manager in (
                    ("left click", ("click", 1), False), ("right click", ("click", 3), False),
                    ("double click", ("click", "--repeat", 2, "--delay", 80, 1), False),
                    ("left click after the title bar's minimise", ("click", 1), True)):
                with self.subTest(name):
                    x, y = self.to_tray(session, window, by_window_manager)
                    session.mouse(("mousemove", x, y), click)
                    self.assert_back_for_good(session, window)
                    self.assertIsNone(process.poll(), "kolvi keeps running")

    def test_a_second_start_restores_from_the_tray_for_good(self):
        with Session(tray=True) as session:
            session.start_kolvi()
            window = session.main_window()
            self.to_tray(session, window)
            self.assertEqual(session.start_kolvi().wait(timeout=30), 1)
            self.assert_back_for_good(session, window)

    def test_when_the_tray_host_goes_away_the_window_comes_back(self):
        with Session(tray=True) as session:
            session.start_kolvi()
            window = session.main_window()
            self.to_tray(session, window)
            session.tray.send_signal(signal.SIGTERM)
            session.tray.wait(timeout=10)
            self.assert_back_for_good(session, window)

    def test_ending_kolvi_while_it_is_in_the_tray_saves_and_exits(self):
        with Session(tray=True) as session:
            process = session.start_kolvi()
            window = session.main_window()
            session.key(window, "F3")
            session.key(window, "Escape")
            session.wait_for(lambda: str(window) not in session.client_list(), "the tray")
            process.send_signal(signal.SIGTERM)
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertIn(b"Mode=2\r\n", session.read_settings())

    def test_without_a_tray_minimising_is_ordinary_and_a_second_start_restores(self):
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            session.key(window, "Escape")
            session.wait_for(lambda: "Iconic" in session.wm_state(window), "an ordinary minimise")
            second = session.start_kolvi()
            self.assertEqual(second.wait(timeout=30), 1)
            session.wait_for(lambda: session.windows("^kolvi$") == [window], "kolvi to come back")

    def test_a_stored_position_off_every_screen_comes_back_onto_the_screen(self):
        # The screen is 1024 x 768; the window 417 x 330 outside.
        for stored, expected in (((2000, 100), (607, 100)), ((-500, -300), (0, 0)),
                                 ((300, 760), (300, 438)),
                                 ((800, 100), (800, 100)), ((-300, 5), (-300, 5))):
            with self.subTest(stored=stored), Session() as session:
                session.write_settings(b"[Position]\r\nx=%d\r\ny=%d\r\n" % stored)
                process = session.start_kolvi()
                window = session.main_window()
                session.key(window, "alt+F4")
                self.assertEqual(process.wait(timeout=30), 0)
                saved = session.read_settings()
                self.assertIn(b"[Position]\r\nx=%d\r\ny=%d\r\n" % expected, saved)

    def test_an_always_on_top_window_stays_above_another_kolvi(self):
        with Session() as session:
            # Two independent instances (lock off), blue on top, red below.
            session.write_settings(b"[Options]\r\nwindow=1\r\nMutex=0\r\nColorStr=#0000FF\r\n")
            other = session.add_program_copy("other")
            session.write_settings(
                b"[Position]\r\nx=300\r\ny=200\r\n[Options]\r\nMutex=0\r\nColorStr=#FF0000\r\n",
                program=other)
            session.start_kolvi()
            top = session.main_window()
            session.start_kolvi(program=other)
            below = session.wait_for(
                lambda: [w for w in session.windows("^kolvi$") if w != top], "the second window")[0]
            session.run(["xdotool", "windowactivate", "--sync", str(below)])
            # The other window really is the active one: had the window manager
            # ignored the activation, the top window would win for no merit.
            active = session.run(["xdotool", "getactivewindow"]).stdout.strip()
            self.assertEqual(active, str(below))

            px, py = locate_panel(session.screenshot(), session.client_origin(top))
            bx, by = session.client_origin(below)
            # A point of the top window's field that the other window covers.
            x, y = 200, 200
            sx, sy = px + FIELD[0] + x, py + FIELD[1] + y
            self.assertTrue(bx < sx and by < sy, "the windows overlap there")
            expected = field_pixel(0, (0, 0, 255), x, y)
            session.wait_for(lambda: session.screenshot().at(sx, sy) == expected,
                             "the top window's field to show above the active window")


if __name__ == "__main__":
    unittest.main()
