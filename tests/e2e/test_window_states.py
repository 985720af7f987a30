"""Minimising to a real tray host and back, minimising without one, and
always-on-top judged by the pixels where two kolvi windows overlap."""

import signal
import unittest

from colour_formulas import field_pixel
from kolvi_session import FIELD, Session, locate_panel


class WindowStatesTest(unittest.TestCase):
    def test_minimise_to_the_tray_and_restore_with_a_click_on_the_icon(self):
        with Session(tray=True) as session:
            session.start_kolvi()
            window = session.main_window()
            session.key(window, "Escape")  # minimise
            session.wait_for(lambda: not session.windows("^kolvi$"), "kolvi to go to the tray")
            session.wait_for(lambda: str(window) not in session.client_list(),
                             "kolvi to leave the task bar")

            def icon_shown():
                # The tray host's panel shows once it holds an icon.
                for trayer in session.run(["xdotool", "search", "--onlyvisible", "--class",
                                           "trayer"], check=False).stdout.split():
                    geometry = session.window_info(trayer)
                    if int(geometry["Width"]) >= 16:
                        return geometry
                return None
            geometry = session.wait_for(icon_shown, "the tray icon")
            x = int(geometry["Absolute upper-left X"]) + int(geometry["Width"]) // 2
            y = int(geometry["Absolute upper-left Y"]) + int(geometry["Height"]) // 2
            # The host may still be settling the icon in place: click again if
            # the first click came too early.
            def restored_by_a_click():
                session.mouse(("mousemove", x, y), ("click", 1))
                try:
                    return session.wait_for(lambda: session.windows("^kolvi$") == [window],
                                            "kolvi to come back", timeout=3)
                except AssertionError:
                    return False
            session.wait_for(restored_by_a_click, "a click on the icon to restore kolvi", 30)

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
            session.settle(0.8)

            image = session.screenshot()
            px, py = locate_panel(image, session.client_origin(top))
            bx, by = session.client_origin(below)
            # A point of the top window's field that the other window covers.
            x, y = 200, 200
            sx, sy = px + FIELD[0] + x, py + FIELD[1] + y
            self.assertTrue(bx < sx and by < sy, "the windows overlap there")
            self.assertEqual(image.at(sx, sy), field_pixel(0, (0, 0, 255), x, y))


if __name__ == "__main__":
    unittest.main()
