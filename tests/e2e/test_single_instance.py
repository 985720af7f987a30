"""A second start hands its command line to the running kolvi and exits."""

import unittest

from kolvi_session import Session


class SingleInstanceTest(unittest.TestCase):
    def test_second_start_exits_with_1_and_restores_the_minimised_first(self):
        with Session() as session:
            first = session.start_kolvi()
            window = session.main_window()
            session.run(["xdotool", "windowminimize", "--sync", str(window)])
            session.wait_for(lambda: session.window_info(window)["Map State"] != "IsViewable",
                             "the window to be minimised")

            second = session.start_kolvi()
            self.assertEqual(second.wait(timeout=30), 1)
            session.wait_for(lambda: session.window_info(window)["Map State"] == "IsViewable",
                             "the first instance to come back")
            self.assertEqual(session.windows("^kolvi"), [window], "no second window")
            self.assertIsNone(first.poll(), "the first instance keeps running")

    def test_a_malformed_or_half_sent_record_never_blocks_the_first_instance(self):
        import os
        import socket
        import struct
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            path = [os.path.join(session.runtime, name) for name in os.listdir(session.runtime)
                    if name.endswith(".socket")][0]
            half = socket.socket(socket.AF_UNIX)
            half.connect(path)
            half.sendall(struct.pack("<II", 1, 50) + b"-o")  # never finished
            bad = socket.socket(socket.AF_UNIX)
            bad.connect(path)
            bad.sendall(struct.pack("<II", 1, 100000) + b"x" * 64)  # oversized
            bad.settimeout(10)
            self.assertEqual(bad.recv(1), b"", "the oversized sender is dropped")

            second = session.start_kolvi("-o")
            self.assertEqual(second.wait(timeout=30), 1)
            self.assertEqual(session.windows("^kolvi"), [window])
            half.close()
            bad.close()


if __name__ == "__main__":
    unittest.main()
