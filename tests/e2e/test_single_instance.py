"""A second start hands its command line to the running kolvi and exits."""

import fcntl
import os
import socket
import struct
import subprocess
import threading
import unittest

from kolvi_session import Session


def record(text):
    data = text.encode() + b"\0"
    return struct.pack("<II", 1, len(data)) + data


def channel_paths(session):
    base = os.path.join(session.runtime,
                        "ApplicationMutexKolviDblOpenChk-" + session.display)
    return base + ".lock", base + ".socket"


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
        with Session() as session:
            first = session.start_kolvi()
            window = session.main_window()
            path = channel_paths(session)[1]
            half = socket.socket(socket.AF_UNIX)
            half.connect(path)
            half.sendall(struct.pack("<II", 1, 50) + b"-o")  # never finished
            bad = socket.socket(socket.AF_UNIX)
            bad.connect(path)
            bad.sendall(struct.pack("<II", 1, 100000) + b"x" * 64)  # oversized
            bad.settimeout(10)
            self.assertEqual(bad.recv(1), b"", "the oversized sender is dropped")

            # The next start's records take effect: a blocked first instance
            # would leave the window minimised and "-o" unapplied.
            session.run(["xdotool", "windowminimize", "--sync", str(window)])
            session.wait_for(lambda: session.window_info(window)["Map State"] != "IsViewable",
                             "the window to be minimised")
            second = session.start_kolvi("-o")
            self.assertEqual(second.wait(timeout=30), 1)
            session.wait_for(lambda: session.window_info(window)["Map State"] == "IsViewable",
                             "the first instance to come back")
            self.assertEqual(session.windows("^kolvi"), [window])
            half.close()
            bad.close()
            session.key(window, "alt+F4")
            self.assertEqual(first.wait(timeout=30), 0)
            self.assertIn(b"visible=1\r\n", session.read_settings())

    def test_a_burst_of_records_raises_the_window_once_and_is_cut_off(self):
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            # Activation requests reach the window manager as client messages
            # on the root window; xev sees them too.
            watch = open(os.path.join(session.root, "root-events"), "w+")
            xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure", "-event", "structure"], env=session.env,
                                   stdout=watch, stderr=subprocess.DEVNULL)
            session.processes.append(xev)
            # Listening once a move of the window shows up among the events.
            x, y = session.client_origin(window)

            moves = []

            def seen_after_a_move(what):
                moves.append(len(moves) % 2)
                session.run(["xdotool", "windowmove", str(window), str(x + moves[-1]), str(y)])
                watch.seek(0)
                return what in watch.read()
            session.wait_for(lambda: seen_after_a_move("ConfigureNotify"), "xev to listen")
            burst = socket.socket(socket.AF_UNIX)
            burst.connect(channel_paths(session)[1])

            def flood():
                try:
                    burst.sendall(record("-x") * 95000)
                except OSError:
                    pass  # dropped once past the bound, as it should be
            sender = threading.Thread(target=flood)
            sender.start()
            answers = b""
            burst.settimeout(20)
            while True:
                try:
                    chunk = burst.recv(65536)
                except ConnectionResetError:
                    break  # dropped with records still unread: also an end
                if not chunk:
                    break
                answers += chunk
            sender.join(timeout=20)
            burst.close()
            self.assertFalse(sender.is_alive(), "the flood was cut off")
            self.assertTrue(0 < len(answers) <= 1024 and set(answers) == {1},
                            "answered up to the bound, then dropped: %d" % len(answers))

            # A real second start is still answered.
            self.assertEqual(session.start_kolvi().wait(timeout=30), 1)
            session.settle(0.5)
            watch.seek(0)
            activations = watch.read().count("_NET_ACTIVE_WINDOW")
            self.assertGreater(activations, 0)
            self.assertLess(activations, 20, "one activation per burst, not per record")
            self.assertEqual(session.windows("^kolvi$"), [window])

    def test_when_nothing_can_listen_the_lock_is_given_up(self):
        with Session() as session:
            os.mkdir(channel_paths(session)[1])  # a folder where the socket goes
            first = session.start_kolvi()
            # The error box comes while the window is made, before it shows.
            session.dismiss_message([])
            self.assertIn("[ERROR] : CreateMutex", session.log_of(first))
            window = session.main_window()
            # Without a listener the next start must run on its own.
            second = session.start_kolvi()
            session.dismiss_message([window])
            session.wait_for(lambda: len(session.windows("^kolvi$")) == 2,
                             "a second, independent window")
            self.assertIsNone(first.poll())
            self.assertIsNone(second.poll())

    def test_a_second_start_gives_up_when_the_running_one_never_accepts(self):
        with Session() as session:
            lock_path, socket_path = channel_paths(session)
            # A stuck first instance: it holds the lock and a listener whose
            # backlog is full, and never accepts.
            lock = open(lock_path, "w")
            fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            listener = socket.socket(socket.AF_UNIX)
            listener.bind(socket_path)
            listener.listen(0)
            waiting = []
            while True:
                client = socket.socket(socket.AF_UNIX)
                client.setblocking(False)
                try:
                    client.connect(socket_path)
                except BlockingIOError:
                    client.close()
                    break
                waiting.append(client)
            second = session.start_kolvi()
            self.assertEqual(second.wait(timeout=20), 1, "bounded, not blocked for good")
            for client in waiting:
                client.close()
            listener.close()
            lock.close()


if __name__ == "__main__":
    unittest.main()
