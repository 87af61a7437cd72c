"""Drives the built configurator under Wine and Xvfb the way a user does.

Controls are found by the rectangles of the shipped skin file, offset by the
window's client origin; every wait has a deadline instead of a fixed sleep.
"""
import configparser
import os
import re
import shutil
import subprocess
import time
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("BUILD_DIR", os.path.join(ROOT, "build"))
DIST = os.path.join(BUILD, "dist")
PREFIX = os.environ.get("WINEPREFIX", os.path.join(BUILD, "wineprefix"))
SHOTS = os.path.join(BUILD, "screenshots")
TITLE = "Veltrane Lumenkit_Config"
AGENT_TITLE = "Veltrane Lumenkit_Hid"
IMPORT = "/usr/bin/import"


def wine_env():
    env = dict(os.environ)
    env.setdefault("WINEPREFIX", PREFIX)
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = "winedbg.exe=d;mscoree=d;mshtml=d"
    return env


def appdata():
    users = os.path.join(PREFIX, "drive_c", "users")
    for name in (os.environ.get("USER", ""), "root"):
        path = os.path.join(users, name, "AppData", "Roaming")
        if name and os.path.isdir(path):
            return path
    for name in sorted(os.listdir(users)):
        path = os.path.join(users, name, "AppData", "Roaming")
        if os.path.isdir(path):
            return path
    raise RuntimeError("no application-data folder in the prefix")


def config_dir():
    return os.path.join(appdata(), "Veltrane", "Lumenkit")


def config_file():
    return os.path.join(config_dir(), "config")


def wait_for(cond, timeout=20.0, step=0.05, what="condition"):
    end = time.monotonic() + timeout
    while True:
        value = cond()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(step)


def xdo(*args, check=True):
    r = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    if check and r.returncode != 0:
        raise RuntimeError("xdotool %s failed: %s" % (args, r.stderr.strip()))
    return r.stdout.strip()


def find_windows(title, visible=False):
    args = ["search"] + (["--onlyvisible"] if visible else []) + ["--name", "^%s$" % re.escape(title)]
    out = xdo(*args, check=False)
    return [int(w) for w in out.split()] if out else []


class Skin:
    """The parsed skin description of one language file."""

    def __init__(self, lang="En"):
        path = os.path.join(DIST, "Lan", "skin_%s.ini" % lang)
        with open(path, "rb") as f:
            raw = f.read()
        text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("cp1252")
        self.ini = configparser.ConfigParser(interpolation=None, strict=False)
        self.ini.optionxform = str.upper
        self.ini.read_string(text)

    def value(self, section, key, default=""):
        try:
            v = self.ini.get(section.upper(), str(key).upper())
        except (configparser.NoSectionError, configparser.NoOptionError):
            return default
        v = v.strip()
        if len(v) >= 2 and v[0] == v[-1] == '"':
            v = v[1:-1]
        return v

    def rect(self, section, key):
        """(left, top, right, bottom) of a control, picture or text entry."""
        v = self.value(section, key)
        rest = v.split(",", 1)[1] if "," in v else v
        nums = []
        for field in rest.split(",")[:4]:
            m = re.match(r"\s*-?\d+", field)
            if not m:
                break
            nums.append(int(m.group()))
        nums += [0] * (4 - len(nums))
        x, y, w, h = nums
        return (x, y, x + w, y + h)

    def text(self, section, key):
        fields = self.value(section, key).split(",")
        return fields[-2] if len(fields) >= 2 else ""

    def center(self, section, key):
        l, t, r, b = self.rect(section, key)
        return ((l + r) // 2, (t + b) // 2)


class App:
    """One run of the configurator."""

    def __init__(self, exe="LumenkitConfig.exe", env=None):
        self.exe = os.path.join(DIST, exe)
        self.env = env or {}
        self.proc = None
        self.wid = None

    def start(self, timeout=30, retry=True):
        try:
            return self._start(timeout)
        except AssertionError:
            if not retry:
                raise
            # Once seen in a long run: the first start after a restart of the
            # wineserver never showed its window. Start over, once, loudly.
            print("starting again after a start that showed no window", flush=True)
            self.kill()
            return self._start(timeout)

    def _start(self, timeout):
        env = wine_env()
        env.update(self.env)
        self.proc = subprocess.Popen(["wine", self.exe], cwd=DIST, env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The title is set before the layout runs: wait for the shown window
        # and its first paint (the skin is never pure black there).
        try:
            self.wid = wait_for(lambda: (find_windows(TITLE, visible=True) or [None])[0], timeout,
                                what="the main window")
        except AssertionError:
            # Leave what the screen and the process list showed, for the log.
            os.makedirs(SHOTS, exist_ok=True)
            subprocess.run([IMPORT, "-window", "root", os.path.join(SHOTS, "start-timeout.png")],
                           capture_output=True)
            procs = subprocess.run(["pgrep", "-af", r"\.exe"], capture_output=True, text=True).stdout
            print("start timed out; exited=%s; windows=%s; processes:\n%s"
                  % (self.proc.poll(), find_windows(TITLE), procs), flush=True)
            raise
        wait_for(lambda: self.pixel(600, 300) != (0, 0, 0), timeout, what="the first paint")
        return self

    def geometry(self):
        return window_geometry(self.wid)

    def to_screen(self, x, y):
        ox, oy, _, _ = self.geometry()
        return ox + x, oy + y

    def move(self, x, y):
        sx, sy = self.to_screen(x, y)
        xdo("mousemove", "--sync", sx, sy)

    def click(self, x, y, button=1):
        self.move(x, y)
        xdo("click", button)

    def drag(self, x0, y0, x1, y1, steps=8):
        self.move(x0, y0)
        xdo("mousedown", 1)
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        xdo("mouseup", 1)

    def key(self, *keys):
        xdo("key", "--clearmodifiers", *keys)

    def type(self, text):
        xdo("type", "--delay", "20", text)

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, name + ".png")
        x, y, w, h = self.geometry()
        subprocess.run([IMPORT, "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path],
                       check=True, capture_output=True)
        return path

    def snapshot_bytes(self):
        x, y, w, h = self.geometry()
        return subprocess.run([IMPORT, "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "rgb:-"],
                              check=True, capture_output=True).stdout

    def settle(self, timeout=20.0):
        """Waits until the window's picture stops changing."""
        last = [self.snapshot_bytes()]

        def same():
            time.sleep(0.15)
            now = self.snapshot_bytes()
            stable = now == last[0]
            last[0] = now
            return stable
        wait_for(same, timeout, step=0, what="the window to settle")

    def pixel(self, x, y):
        """(r, g, b) of the screen at client point (x, y)."""
        sx, sy = self.to_screen(x, y)
        r = subprocess.run([IMPORT, "-window", "root", "-crop", "1x1+%d+%d" % (sx, sy), "+repage", "txt:-"],
                           check=True, capture_output=True, text=True)
        m = re.search(r"\((\d+),(\d+),(\d+)", r.stdout.splitlines()[-1])
        return tuple(int(v) for v in m.groups())

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=20):
        wait_for(lambda: not self.running(), timeout, what="the configurator to exit")
        return self.proc.returncode

    def kill(self):
        if self.running():
            self.proc.kill()
        kill_all()


def reset_config():
    shutil.rmtree(config_dir(), ignore_errors=True)


def journal_file():
    return os.path.join(config_dir(), "hid-journal.txt")


def journal_lines(kind=None):
    try:
        with open(journal_file(), "r", encoding="latin-1") as f:
            lines = [l.rstrip("\r\n") for l in f]
    except FileNotFoundError:
        return []
    if kind:
        lines = [l for l in lines if l.split(" ", 2)[2:3] and l.split(" ", 2)[2].startswith(kind)]
    return lines


def read_config():
    try:
        with open(config_file(), "rb") as f:
            return f.read()
    except FileNotFoundError:
        return b""


def config_value(section, key):
    text = read_config().decode("cp1252")
    current = None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
        elif current == section and "=" in line:
            k, v = line.split("=", 1)
            if k.strip() == key:
                return v.strip()
    return None


def effect_record(profile, index):
    """The decoded fields of EffectInfo<index> of a profile, or None."""
    v = config_value("Profile%dSetting" % profile, "EffectInfo%d" % index)
    if not v or len(v) != 114:
        return None
    data = bytes.fromhex(v[:112])
    ints = [int.from_bytes(data[i:i + 4], "little", signed=True) for i in range(0, 56, 4)]
    return {"effect": ints[0], "flag": ints[1], "leds": ints[2], "same": ints[3],
            "colours": [c & 0xFFFFFF for c in ints[4:12]], "speed": ints[12], "direction": ints[13]}


def kill_all():
    quiet = dict(env=wine_env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL, timeout=120)
    subprocess.run(["wineserver", "-k"], **quiet)
    subprocess.run(["wineserver", "-w"], **quiet)
    # A persistent server again, so the test programs after these do not start
    # while a lingering server shuts down. Neither the server nor the system
    # processes the first client boots may hold this test's output open:
    # ctest waits for that pipe to close.
    subprocess.run(["wineserver", "-p"], **quiet)
    subprocess.run(["wine", "cmd", "/c", "exit"], **quiet)


def windows_path(path):
    """The Wine path of a file on this machine."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def window_geometry(wid):
    out = xdo("getwindowgeometry", "--shell", wid)
    g = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])


def visible_windows():
    """Visible top-level windows, the screen-sized root frame left out."""
    out = xdo("search", "--onlyvisible", "--name", "", check=False)
    wins = [int(w) for w in out.split()] if out else []
    return [w for w in wins if window_geometry(w)[2:] != (1600, 1000)]


def click_screen(x, y):
    xdo("mousemove", "--sync", x, y)
    xdo("click", 1)


class AppTest(unittest.TestCase):
    """Each test starts the configurator on a first run, the agent up."""
    env = None

    @classmethod
    def setUpClass(cls):
        kill_all()  # after that, each test's clean-up leaves a fresh server

    def setUp(self):
        reset_config()
        self.skin = Skin("En")
        self.app = App(env=self.env)
        # Stops the program and restarts the server even when a start fails.
        self.addCleanup(self.app.kill)
        self.app.start()
        # The first run writes the file; the agent journals its own start.
        wait_for(lambda: effect_record(0, 0), what="the first-run settings file")
        wait_for(lambda: journal_lines("start"), what="the agent to start")

    def click(self, section, key):
        self.app.click(*self.skin.center(section, key))
        time.sleep(0.15)
