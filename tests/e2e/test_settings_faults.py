"""The settings file under hostile conditions, on the real binary: a full
disk, a save that fails everywhere, files that are no settings files, and
bytes that are not UTF-8. The old file must survive byte for byte and the
user must be told whenever settings are not kept."""

import os
import subprocess
import unittest

from kolvi_session import Session, locate_panel


def spare_settings(session):
    """The per-user file that took a copy's settings when its own failed."""
    folder = os.path.join(session.home, ".config", "kolvi", "copies")
    names = os.listdir(folder) if os.path.isdir(folder) else []
    return os.path.join(folder, names[0]) if len(names) == 1 else None


def shows_mode(session, window, mode):
    try:
        return locate_panel(session.screenshot(), session.client_origin(window), mode)
    except AssertionError:
        return None

GOOD = (b"[Position]\r\nx=189\r\ny=113\r\nMode=0\r\n\r\n"
        b"[Options]\r\nColorStr=#336699\r\n\r\n")
# Larger than the 8 KiB a buffered writer hands over at once.
LARGE = GOOD + b"[Notes]\r\n" + b"".join(b"line%04d=%s\r\n" % (i, b"x" * 40)
                                          for i in range(400)) + b"\r\n"

# Runs kolvi with its folder on a tmpfs of its own that is full: a user and
# mount namespace needs no privileges. The files are copied out afterwards, as
# the mount ends with the namespace.
FULL_DISK = r"""
set -e
folder=$1 out=$2 binary=$3 settings=$4 config_on_disk=$5
mount -t tmpfs -o size=$(( $(stat -c %s "$binary") / 1024 + 512 ))k tmpfs "$folder"
cp "$binary" "$folder/kolvi"
cp "$settings" "$folder/kolvi.ini"
if [ "$config_on_disk" = no ]; then
    mkdir "$folder/config"
    export XDG_CONFIG_HOME="$folder/config"
fi
dd if=/dev/zero of="$folder/filler" bs=4096 2>/dev/null || true
set +e
"$folder/kolvi"
status=$?
cp "$folder/kolvi.ini" "$out/kolvi.ini"
ls -A "$folder" > "$out/listing"
exit $status
"""


class FullDiskTest(unittest.TestCase):
    def run_on_full_disk(self, session, settings, config_on_disk):
        folder = os.path.join(session.root, "full")
        out = os.path.join(session.root, "out")
        os.mkdir(folder)
        os.mkdir(out)
        source = os.path.join(session.root, "settings.ini")
        with open(source, "wb") as file:
            file.write(settings)
        process = session.start_kolvi(
            wrapper=["unshare", "--user", "--map-root-user", "--mount", "sh", "-c", FULL_DISK,
                     "full-disk", folder, out, session.program, source,
                     "yes" if config_on_disk else "no"], program="")
        return process, out

    def change_and_close(self, session):
        """F2, then Alt+F4; answers the message that the save failed."""
        window = session.main_window()
        session.key(window, "F2")
        session.key(window, "alt+F4")
        session.dismiss_message([window])

    def test_a_full_disk_keeps_the_old_file_and_the_settings_go_to_the_user_folder(self):
        for name, settings in (("small", GOOD), ("larger than 8 KiB", LARGE)):
            with self.subTest(name), Session() as session:
                process, out = self.run_on_full_disk(session, settings, config_on_disk=True)
                self.change_and_close(session)
                self.assertEqual(process.wait(timeout=30), 0)
                with open(os.path.join(out, "kolvi.ini"), "rb") as file:
                    self.assertEqual(file.read(), settings)
                with open(spare_settings(session), "rb") as file:
                    self.assertIn(b"Mode=1\r\n", file.read())
                self.assertIn("No space left on device", session.log_of(process))
                with open(os.path.join(out, "listing")) as file:
                    self.assertNotIn(".saving-", file.read(), "no temporary file is left")

    def test_when_no_place_takes_the_settings_the_user_is_told_and_the_exit_fails(self):
        with Session() as session:
            process, out = self.run_on_full_disk(session, LARGE, config_on_disk=False)
            self.change_and_close(session)
            self.assertEqual(process.wait(timeout=30), 2)
            with open(os.path.join(out, "kolvi.ini"), "rb") as file:
                self.assertEqual(file.read(), LARGE)
            log = session.log_of(process)
            self.assertIn("/kolvi.ini: No space left on device", log)
            self.assertIn("/config/kolvi/copies/", log)
            self.assertEqual(log.count("No space left on device"), 2, log)


class FailedSaveTest(unittest.TestCase):
    def change_and_close_with_the_save_beside_blocked(self, session, process):
        """F2, then Alt+F4 while the save beside the program cannot succeed;
        answers the message that tells so. Root writes into read-only folders:
        a folder at the temporary file's name makes the save fail for root too."""
        window = session.main_window()
        busy = session.settings_path() + ".saving-%d" % process.pid
        os.mkdir(busy)
        open(os.path.join(busy, "inside"), "w").close()
        session.key(window, "F2")
        session.key(window, "alt+F4")
        session.dismiss_message([window])

    def test_an_unwritable_user_folder_behind_a_failed_save_is_reported(self):
        with Session() as session:
            session.write_settings(GOOD)
            # The user folder cannot be made: a file stands where it would go.
            blocker = os.path.join(session.home, "config-is-a-file")
            with open(blocker, "w") as file:
                file.write("x")
            process = session.start_kolvi(env={"XDG_CONFIG_HOME": blocker})
            self.change_and_close_with_the_save_beside_blocked(session, process)
            self.assertEqual(process.wait(timeout=30), 2)
            self.assertEqual(session.read_settings(), GOOD)
            log = session.log_of(process)
            self.assertIn(session.settings_path() + ": File exists", log)
            self.assertIn(".ini: cannot create the folder", log)

    def test_settings_kept_aside_are_read_back_until_the_own_file_takes_them_again(self):
        with Session() as session:
            session.write_settings(GOOD)
            process = session.start_kolvi()
            self.change_and_close_with_the_save_beside_blocked(session, process)
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertEqual(session.read_settings(), GOOD)

            # The next start reads what was kept aside, and its save beside the
            # program succeeds: the spare is gone, the file holds the settings.
            again = session.start_kolvi()
            window = session.main_window()
            session.wait_for(lambda: shows_mode(session, window, 1), "the web-safe field")
            session.key(window, "alt+F4")
            self.assertEqual(again.wait(timeout=30), 0)
            self.assertIn(b"Mode=1\r\n", session.read_settings())
            self.assertIsNone(spare_settings(session))

    def test_a_temporary_file_of_a_killed_save_is_removed_by_the_next_save(self):
        with Session() as session:
            session.write_settings(GOOD)
            dead = subprocess.Popen(["true"])
            dead.wait()
            leftover = session.settings_path() + ".saving-%d" % dead.pid
            with open(leftover, "wb") as file:
                file.write(GOOD[:20])
            process = session.start_kolvi()
            window = session.main_window()
            session.key(window, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertFalse(os.path.exists(leftover))
            self.assertIn(b"ColorStr=#336699\r\n", session.read_settings())


class NotASettingsFileTest(unittest.TestCase):
    def test_what_is_no_regular_file_is_not_read_and_not_overwritten(self):
        def fifo(path):
            os.mkfifo(path)

        def device(path):
            os.symlink("/dev/zero", path)

        def folder(path):
            os.mkdir(path)

        def huge(path):
            with open(path, "wb") as file:
                file.truncate((64 << 20) + 1)  # sparse: costs no disk

        for name, plant, still_there, reason in (
                ("a FIFO", fifo, lambda p: os.path.exists(p) and not os.path.isfile(p),
                 "not a regular file"),
                ("a link to /dev/zero", device, lambda p: os.readlink(p) == "/dev/zero",
                 "not a regular file"),
                ("a folder", folder, os.path.isdir, "is a folder"),
                ("a sparse 64 MiB file", huge, lambda p: os.path.getsize(p) == (64 << 20) + 1,
                 "larger than 64 MiB")):
            with self.subTest(name), Session() as session:
                path = session.settings_path()
                plant(path)
                process = session.start_kolvi()
                window = session.main_window()
                session.dismiss_message([window])
                self.assertIn(reason, session.log_of(process))
                session.key(window, "F3")
                session.key(window, "alt+F4")
                self.assertEqual(process.wait(timeout=30), 0)
                self.assertTrue(still_there(path), "the file is left as it was")
                # The run's settings are kept in the user's folder instead,
                # and read from there at the next start.
                with open(spare_settings(session), "rb") as file:
                    self.assertIn(b"Mode=2\r\n", file.read())
                # The lock was given back: a new start is a first instance again.
                again = session.start_kolvi()
                window = session.main_window()
                # It says once more that the odd file is no settings file.
                session.dismiss_message([window])
                session.wait_for(lambda: shows_mode(session, window, 2), "the 256-colour field")
                session.key(window, "alt+F4")
                self.assertEqual(again.wait(timeout=30), 0)
                self.assertTrue(still_there(path), "the file is left as it was")


class BytesTest(unittest.TestCase):
    def test_shift_jis_values_and_a_byte_order_mark_survive_a_run(self):
        font = "ＭＳ ゴシック".encode("cp932")
        with Session() as session:
            session.write_settings(b"\xef\xbb\xbf[Mine]\r\nnote=\x83\x4a\x83\x89\x81\x5b\r\n"
                                   b"[Position]\r\nx=300\r\ny=200\r\n"
                                   b"[Options]\r\nFontName=" + font + b"\r\n")
            process = session.start_kolvi()
            window = session.main_window()
            session.wait_for(lambda: 300 <= session.client_origin(window)[0] < 310,
                             "the window at x=300")
            session.key(window, "alt+F4")
            self.assertEqual(process.wait(timeout=30), 0)
            saved = session.read_settings()
            self.assertTrue(saved.startswith(b"[Mine]\r\nnote=\x83\x4a\x83\x89\x81\x5b\r\n\r\n"
                                             b"[Position]\r\nx=300\r\ny=200\r\n"), saved)
            self.assertIn(b"\r\nFontName=" + font + b"\r\n", saved)


if __name__ == "__main__":
    unittest.main()
