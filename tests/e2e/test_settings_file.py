"""The settings file as the real kolvi reads and writes it beside itself."""

import os
import signal
import unittest

from kolvi_session import Session, locate_panel

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "settings")


def data(name):
    with open(os.path.join(DATA, name), "rb") as file:
        return file.read()


class SettingsFileTest(unittest.TestCase):
    def test_a_first_run_closed_with_alt_f4_writes_every_key(self):
        with Session() as session:
            process = session.start_kolvi()
            window = session.main_window()
            session.settle(0.5)
            self.assertFalse(os.path.exists(session.settings_path()))
            session.key(window, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertEqual(session.read_settings(), data("first-run.ini"))

    def test_odd_entries_are_read_as_documented_and_written_back(self):
        with Session() as session:
            session.write_settings(data("odd-entries.ini"))
            process = session.start_kolvi()
            window = session.main_window()
            session.settle(0.8)

            # Ctrl+C is the copy key now, Ctrl+I none; lower case is on.
            session.key(window, "ctrl+i")
            session.key(window, "ctrl+c")
            self.assertEqual(session.clipboard_when("#ff0000"), "#ff0000")

            # The lock is off: a second start runs as an independent instance.
            other = session.start_kolvi()
            session.wait_for(lambda: len(session.windows("^kolvi$")) == 2, "a second window")
            other.send_signal(signal.SIGTERM)
            other.wait(timeout=30)

            session.key(window, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertEqual(session.read_settings(), data("odd-entries.rewritten.ini"))

    def test_termination_saves_through_the_close_path(self):
        with Session() as session:
            process = session.start_kolvi()
            window = session.main_window()
            session.key(window, "F2")
            # The web-safe field on screen: the key was handled.
            origin = session.client_origin(window)

            def web_safe_shown():
                try:
                    return locate_panel(session.screenshot(), origin, mode=1)
                except AssertionError:
                    return None
            session.wait_for(web_safe_shown, "the web-safe field")
            process.send_signal(signal.SIGTERM)
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertIn(b"Mode=1\r\n", session.read_settings())


if __name__ == "__main__":
    unittest.main()
