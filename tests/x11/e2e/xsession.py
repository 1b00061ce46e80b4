"""A private X server with one program on it, driven and watched only from outside.

The pointer and the keyboard go through xdotool (the X test extension, as a user's
hands would), and what the program shows is read back from screenshots of the root
window, cut to the program's client area. Coordinates are client coordinates.
"""
import os
import select
import subprocess
import tempfile
import time

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)


class StepFailed(Exception):
    pass


# How long a step waits for what it expects. The program answers in its own time, the more
# slowly the busier the machine; the limit only decides how long a failing step takes to say so.
PATIENCE = 30.0


def wait_until(what, test, timeout=PATIENCE, interval=0.05):
    """Polls test() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = test()
        if result:
            return result
        if time.monotonic() > deadline:
            raise StepFailed(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


class Shot:
    """An RGB picture of the client area."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


def parse_ppm(raw):
    """Reads a binary PPM (P6) with 8-bit samples."""
    fields, pos = [], 0
    while len(fields) < 4:
        while raw[pos:pos + 1].isspace():
            pos += 1
        if raw[pos:pos + 1] == b"#":
            pos = raw.index(b"\n", pos)
            continue
        end = pos
        while not raw[end:end + 1].isspace():
            end += 1
        fields.append(raw[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise StepFailed(f"unexpected picture format {fields[0]!r}, maximum {fields[3]!r}")
    width, height = int(fields[1]), int(fields[2])
    data = raw[pos + 1:pos + 1 + width * height * 3]
    if len(data) != width * height * 3:
        raise StepFailed("truncated screenshot")
    return width, height, data


class XSession:
    def __init__(self, width=1024, height=768):
        # The server picks a free display itself and names it once it accepts clients, so
        # two sessions started at once never share one.
        ready, announce = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(announce), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(announce,))
        os.close(announce)
        self.app = None
        self.log = None
        self.window = None
        self.origin = (0, 0)
        self.size = (0, 0)
        with os.fdopen(ready, "rb") as pipe:
            if not select.select([pipe], [], [], PATIENCE)[0]:
                self.close()
                raise StepFailed(f"the X server did not start within {PATIENCE:g} s")
            display = pipe.readline().strip().decode()
        if not display.isdigit():
            self.close()
            raise StepFailed("the X server ended without naming its display")
        self.env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")

    def close(self):
        for process in (self.app, self.server):
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()
        if self.log:
            self.log.close()

    def run(self, *args):
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True)
        if result.returncode != 0:
            raise StepFailed(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def start(self, program):
        # A file, not a pipe: a chatty program must never block on a full pipe.
        self.log = tempfile.TemporaryFile()
        self.app = subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL, stderr=self.log)

        def visible_window():
            if self.app.poll() is not None:
                raise StepFailed(f"the program ended at start-up with exit code {self.app.returncode}: "
                                 f"{self.program_output()}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                                   env=self.env, capture_output=True, text=True).stdout.split()
            return found[0] if found else None

        self.window = wait_until("the main window", visible_window, interval=0.1)
        geometry = dict(line.split("=", 1) for line in self.run(
            "xdotool", "getwindowgeometry", "--shell", self.window).split())
        # Without a window manager there is no frame: the window's place is its client origin.
        self.origin = (int(geometry["X"]), int(geometry["Y"]))
        self.size = (int(geometry["WIDTH"]), int(geometry["HEIGHT"]))

    def program_output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace").strip()

    def save_screen(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=False)

    def windows(self):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                              env=self.env, capture_output=True, text=True).stdout.split()

    def screen(self, x, y):
        return str(self.origin[0] + x), str(self.origin[1] + y)

    def move(self, x, y):
        self.run("xdotool", "mousemove", *self.screen(x, y))

    def click(self, x, y):
        self.run("xdotool", "mousemove", *self.screen(x, y), "click", "1")

    def click_middle(self, x, y):
        self.run("xdotool", "mousemove", *self.screen(x, y), "click", "2")

    def press(self, x, y):
        self.run("xdotool", "mousemove", *self.screen(x, y), "mousedown", "1")

    def release(self):
        self.run("xdotool", "mouseup", "1")

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def type(self, text):
        self.run("xdotool", "type", text)

    def own_selection(self, selection, text):
        """Another program, xclip, owns the clipboard or the primary selection with the text,
        as a learner's text editor would; it serves it until the X server ends."""
        subprocess.run(["xclip", "-selection", selection], input=text.encode(), env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window_under_pointer(self):
        location = dict(line.split("=", 1) for line in self.run("xdotool", "getmouselocation", "--shell").split())
        return location["WINDOW"]

    def shot(self):
        w, h = self.size
        grab = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{self.origin[0]}+{self.origin[1]}",
                               "+repage", "-depth", "8", "ppm:-"], env=self.env, capture_output=True)
        if grab.returncode != 0:
            raise StepFailed(f"no screenshot: {grab.stderr.decode(errors='replace').strip()}")
        return Shot(*parse_ppm(grab.stdout))

    def exit_code(self, timeout):
        try:
            return self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
