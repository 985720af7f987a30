"""A real X session for end-to-end tests: Xvfb, a window manager, optionally a
tray host, and the real kolvi binary copied into a private folder.

Everything is driven from outside (xdotool, xclip, ImageMagick), the way a user
and the desktop would. Each session has its own display, runtime folder and
home, and stops every process it started by its PID.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time

from colour_formulas import field_pixel

KOLVI_BINARY = os.environ.get("KOLVI_BINARY", "")


# Positions inside the window's content (the picker panel starts below the menu bar).
FIELD = (9, 11)
STRIP = (329, 12)


def locate_panel(image, origin, mode=0):
    """The picker panel's top-left corner: the field's first column is the same
    grey ramp for every base colour, which nothing else in the window shows."""
    ox, oy = origin
    ramp = [field_pixel(mode, (255, 0, 0), 0, k) for k in range(256)]
    x = ox + FIELD[0]
    for offset in range(0, 80):
        y = oy + FIELD[1] + offset
        if all(image.at(x, y + k) == ramp[k] for k in range(256)):
            return ox, oy + offset
    raise AssertionError("field not found in the window")


class Image:
    """An RGB screenshot read from ImageMagick's binary PPM output."""

    def __init__(self, width, height, pixels):
        self.width = width
        self.height = height
        self.pixels = pixels

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    @staticmethod
    def from_ppm(data):
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        pos += 1
        assert fields[0] == b"P6" and fields[3] == b"255", fields
        return Image(int(fields[1]), int(fields[2]), data[pos:])


class Session:
    def __init__(self, window_manager=True, tray=False):
        self.root = tempfile.mkdtemp(prefix="kolvi-e2e-")
        self.processes = []
        self.runtime = os.path.join(self.root, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.home = os.path.join(self.root, "home")
        os.mkdir(self.home)
        self.program_dir = os.path.join(self.root, "program")
        os.mkdir(self.program_dir)
        self.program = os.path.join(self.program_dir, "kolvi")
        shutil.copy2(KOLVI_BINARY, self.program)
        self.display = self._start_xvfb()
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": self.display,
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
            "ASAN_OPTIONS": "detect_leaks=0",
            "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1",
        }
        if window_manager:
            self._start_window_manager()
        self.tray = None
        if tray:
            self.start_tray()

    def _start_window_manager(self):
        """openbox, once it manages the screen. A window manager that died
        while starting (seen once under load) is started again, once; what it
        said is kept in the session's folder and shown if it fails twice."""
        log_path = os.path.join(self.root, "openbox.log")
        for attempt in range(2):
            with open(log_path, "ab") as log:
                openbox = self.spawn(["openbox", "--sm-disable"], stderr=log)
            deadline = time.monotonic() + 20
            while time.monotonic() < deadline and openbox.poll() is None:
                if self._wm_running():
                    return
                time.sleep(0.05)
            if openbox.poll() is None:
                break  # alive but not managing: a real fault
        with open(log_path, "rb") as log:
            said = log.read().decode("utf-8", "replace")
        raise AssertionError("timed out waiting for window manager: " + said[-500:])

    def start_tray(self):
        self.tray = self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype",
                                "request", "--height", "24"])
        # With no icon yet the host's panel may be unmapped: wait for it to exist.
        self.wait_for(lambda: self.run(["xdotool", "search", "--class", "trayer"],
                                       check=False).stdout.strip(), "the tray host")

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(process)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        return ":" + number.decode().strip()

    def _wm_running(self):
        result = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in result.stdout

    def spawn(self, command, **kwargs):
        env = kwargs.pop("env", self.env)
        process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                   stderr=kwargs.pop("stderr", subprocess.DEVNULL), **kwargs)
        self.processes.append(process)
        return process

    def run(self, command, check=True, timeout=30, input=None):
        return subprocess.run(command, env=self.env, capture_output=True, text=input is None or
                              isinstance(input, str), check=check, timeout=timeout, input=input)

    def add_program_copy(self, name):
        """Another copy of kolvi in a folder of its own (its own settings file)."""
        folder = os.path.join(self.root, name)
        os.mkdir(folder)
        program = os.path.join(folder, "kolvi")
        shutil.copy2(self.program, program)
        return program

    def settings_path(self, program=None):
        return (program or self.program) + ".ini"

    def write_settings(self, data, program=None):
        with open(self.settings_path(program), "wb") as file:
            file.write(data)

    def read_settings(self, program=None):
        with open(self.settings_path(program), "rb") as file:
            return file.read()

    def start_kolvi(self, *arguments, program=None, wrapper=(), env=None):
        """kolvi started as a user would; its standard error goes to a log that
        `log_of` reads. `wrapper` runs it through another command (for example
        in a namespace of its own), `env` adds to the environment."""
        self.last_log = os.path.join(self.root, "kolvi-%d.log" % len(self.processes))
        with open(self.last_log, "wb") as log:
            process = self.spawn([*wrapper, program or self.program, *arguments], stderr=log,
                                 env={**self.env, **(env or {})})
        process.log = self.last_log
        return process

    @staticmethod
    def log_of(process):
        with open(process.log, "rb") as file:
            return file.read().decode("utf-8", "replace")

    def other_windows(self, known, name="^kolvi$"):
        """Visible windows of that name besides `known` (message boxes, say)."""
        return [w for w in self.windows(name) if w not in known]

    def dismiss_message(self, known):
        """Waits for a message box beside the `known` windows, answers it with
        Return and returns its window."""
        box = self.wait_for(lambda: (self.other_windows(known) or [None])[0], "a message box")
        self.run(["xdotool", "windowactivate", "--sync", str(box)], check=False)
        self.run(["xdotool", "key", "Return"])
        self.wait_for(lambda: box not in self.windows(), "the message box to close")
        return box

    def tray_icon(self):
        """Centre of kolvi's icon in the tray host once it is embedded, shown
        and has stopped moving; None until then."""
        def find():
            for panel in self.run(["xdotool", "search", "--class", "trayer"],
                                  check=False).stdout.split():
                tree = self.run(["xwininfo", "-tree", "-id", panel], check=False).stdout
                for line in tree.splitlines():
                    parts = line.split()
                    if len(parts) >= 5 and parts[1] == '"kolvi":':
                        icon = int(parts[0], 16)
                        if self.window_info(icon).get("Map State") != "IsViewable":
                            return None
                        size, _, at = parts[-2], None, parts[-1]
                        width, height = (int(v) for v in size.split("+")[0].split("x"))
                        x, y = (int(v) for v in at.lstrip("+").split("+"))
                        return x + width // 2, y + height // 2
            return None
        first = find()
        if first is None:
            return None
        time.sleep(0.2)
        return first if find() == first else None

    def client_list(self):
        """The windows the window manager lists for task bars, as decimal ids."""
        text = self.run(["xprop", "-root", "_NET_CLIENT_LIST"], check=False).stdout
        return [str(int(w, 16)) for w in text.replace(",", " ").split() if w.startswith("0x")]

    def wm_state(self, window):
        return self.run(["xprop", "-id", str(window), "WM_STATE"], check=False).stdout

    def wait_for(self, predicate, what, timeout=20.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = predicate()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError("timed out waiting for " + what)

    def windows(self, name="^kolvi"):
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", name], check=False)
        return [int(w) for w in result.stdout.split()]

    def main_window(self):
        return self.wait_for(lambda: (self.windows("^kolvi$") or [None])[0], "kolvi's window")

    def window_info(self, window):
        info = {}
        for line in self.run(["xwininfo", "-id", str(window)]).stdout.splitlines():
            if ":" in line:
                key, _, value = line.partition(":")
                info[key.strip()] = value.strip()
        return info

    def client_origin(self, window):
        info = self.window_info(window)
        return int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, check=True, timeout=30).stdout
        return Image.from_ppm(data)

    def key(self, window, *keys):
        self.run(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        self.run(["xdotool", "key", "--clearmodifiers", *keys])

    def panel(self, window):
        """Screen position of the picker panel's top-left corner."""
        return locate_panel(self.screenshot(), self.client_origin(window))

    def mouse(self, *steps):
        """xdotool mouse steps, e.g. ("mousemove", x, y), ("mousedown", 1)."""
        for step in steps:
            self.run(["xdotool", *[str(part) for part in step]])
            time.sleep(0.05)

    def clipboard_when(self, expected, timeout=10.0):
        """The clipboard's text once it is `expected`, or its last text after the
        timeout: kolvi may still be handling the key that fills it."""
        deadline = time.monotonic() + timeout
        while True:
            text = self.clipboard()
            if text == expected or time.monotonic() > deadline:
                return text
            time.sleep(0.1)

    def clipboard(self):
        return self.run(["xclip", "-o", "-selection", "clipboard"], check=False).stdout

    def set_clipboard(self, text):
        # xclip keeps serving the selection in the background until it is taken over.
        process = subprocess.Popen(["xclip", "-i", "-selection", "clipboard"], env=self.env,
                                   stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        process.communicate(text.encode(), timeout=10)

    def settle(self, seconds=0.4):
        time.sleep(seconds)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
