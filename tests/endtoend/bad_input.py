#!/usr/bin/env python3
"""Starts the real pallox on libraries damaged in every way its readers of outside data can be
damaged, and shows for each case that the program starts, stays responsive, tells the user what
it has to, and changes none of the damaged files.

Each case gets a folder of its own with a copy of the program, PALLOX.ini, Skins/ and a small
library holding the damage. The program runs under an Xvfb of its own and is driven like a user
drives it, by keyboard and mouse through xdotool: every message box it shows is answered, Help >
About is opened by keys to see that the window still reacts, the feature that reads the damaged
input is used where start-up does not read it, and the program is left through File > Exit. On a
loaded machine a key can come before the window takes the keyboard, and a program can take many
seconds to react; so, as a person at the screen does, the driver waits until the main window has
the keyboard, looks for what each key or click brings up, and gives it again after a pause (a
longer one each time) while that does not come, handing the window the keyboard anew first. Every
box the program shows is also written to its standard error as "pallox: message: ..." (see
src/base/MessageLog.h); the script compares those texts with what each case must say. A sanitizer
report on standard error fails the case, so the test means most in the sanitizer build.

When run as root (as CI does), the program runs as the unprivileged user "nobody", since root
reads a file of mode 000 anyway and that case would test nothing.

Usage: bad_input.py --pallox BUILD/pallox --data SOURCE/data [--keep FOLDER] [--only NAME ...]
Prints one line per case and exits non-zero when any case fails; a failed case's folder, with the
program's standard error in stderr.txt, is kept for a look.
"""

import argparse
import hashlib
import os
import pwd
import random
import select
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

MESSAGE_PREFIX = "pallox: message: "
QUESTION_PREFIX = "pallox: question: "
SANITIZER_MARKERS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                     "SUMMARY: UndefinedBehaviorSanitizer", "SUMMARY: AddressSanitizer",
                     "ERROR: ThreadSanitizer")
SKIP = 77  # ctest's SKIP_RETURN_CODE
# Seconds before a key or click that brought nothing about is given again: a box that is still
# there this long after Enter did not take it, and the longest pause between two tries.
BOX_PATIENCE = 1.5
MAX_PATIENCE = 8.0

CACHE_REREAD = "\n\nThe library will be read again and the data cache rewritten."
SHEET_UNREADABLE = ("These pictures could not be shown, so the sheet shows the names of their games "
                    "instead:\n")


class CaseFailed(Exception):
    pass


class Prefix(str):
    """An expected message of which only the beginning is the program's own text."""


try:
    import ctypes
    LIBC = ctypes.CDLL(None)
except (ImportError, OSError):
    LIBC = None


def die_with_us():
    """Run in a child before it starts: it is killed when this script dies, even by SIGKILL (a
    ctest timeout), so that no X server or program of ours outlives us. The C library is looked
    up beforehand: the child may already be a user who cannot read Python's own files."""
    if LIBC is not None and hasattr(LIBC, "prctl"):
        LIBC.prctl(1, signal.SIGKILL, 0, 0, 0)  # PR_SET_PDEATHSIG


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            out.append({"n": "\n", "r": "\r", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


# --- the display ------------------------------------------------------------------------------

class Display:
    """An Xvfb of our own; it picks a free display number itself (-displayfd). Without -noreset
    it would reset when one case's program leaves, and refuse the next one for a moment."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x900x24", "-nolisten", "tcp",
             "-ac", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True, preexec_fn=die_with_us)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 1)
            if ready:
                chunk = os.read(read_end, 64)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip():
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.strip().decode()
        # The number comes when the server listens; wait until it also answers.
        env = dict(os.environ, DISPLAY=self.name)
        while subprocess.run(["xdotool", "getdisplaygeometry"], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.stop()
                raise RuntimeError("Xvfb does not answer on " + self.name)
            time.sleep(0.1)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class X:
    """xdotool and xprop on our display."""

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def run(self, *args, check=False):
        try:
            result = subprocess.run(list(args), env=self.env, stdout=subprocess.PIPE,
                                    stderr=subprocess.DEVNULL, text=True, timeout=30)
        except subprocess.TimeoutExpired:
            # A tool that hangs on a display this loaded has done nothing; the caller looks again.
            if check:
                raise CaseFailed("%s did not end within 30 s" % " ".join(args))
            return ""
        if check and result.returncode != 0:
            raise CaseFailed("%s failed" % " ".join(args))
        return result.stdout

    def windows(self):
        """Visible top-level windows as (id, title, type). A window that goes while it is looked
        at is left out: taken for a normal window, a closing box would pass for the main one."""
        found = []
        for window in self.run("xdotool", "search", "--onlyvisible", "--name", "").split():
            # xprop says "not found" of a property a window lacks, and nothing of a window that
            # is gone.
            described = self.run("xprop", "-notype", "-id", window, "_NET_WM_NAME", "WM_NAME",
                                 "_NET_WM_WINDOW_TYPE")
            if not described.strip():
                continue
            properties = {}
            for line in described.splitlines():
                key, equals, value = line.partition(" = ")
                if equals:
                    properties[key] = value
            title = properties.get("_NET_WM_NAME", properties.get("WM_NAME", ""))
            if len(title) >= 2 and title.startswith('"') and title.endswith('"'):
                title = title[1:-1].replace('\\"', '"').replace("\\\\", "\\")
            kind = properties.get("_NET_WM_WINDOW_TYPE", "")
            kind = ("menu" if "MENU" in kind else "dialog" if "DIALOG" in kind
                    else "splash" if "SPLASH" in kind else "normal")
            found.append((window, title, kind))
        return found

    def geometry(self, window):
        values = {}
        for line in self.run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.isdigit() else value
        return values

    def focused(self):
        return self.run("xdotool", "getwindowfocus").strip()

    def root(self):
        if not hasattr(self, "_root"):
            words = self.run("xwininfo", "-root", "-int").split()
            self._root = words[words.index("id:") + 1] if "id:" in words else ""
        return self._root

    def focus(self, window, timeout=5, again=False):
        """Gives the window the keyboard and waits until the server says it has it. A window
        that a modal one blocks hands it on, so this may be refused; returns whether it held.
        With `again` the keyboard goes to the screen first when the window has it already: the
        program may have missed the window's getting it (a box that closed hands the keyboard
        back while the window is still blocked), and only a change of focus tells it again."""
        deadline = time.monotonic() + timeout
        if again and self.root() and self.focused() == window:
            self.run("xdotool", "windowfocus", self.root())
            for _ in range(20):
                if self.focused() != window:
                    break
                time.sleep(0.05)
        while True:
            self.run("xdotool", "windowfocus", window)
            for _ in range(10):
                if self.focused() == window:
                    return True
                time.sleep(0.05)
            if time.monotonic() > deadline:
                return False

    def keys(self, window, *keys, focus=True, again=False):
        """Presses the keys in the window; with `focus` false wherever the keyboard is (an open
        menu holds it), with `again` after giving it the keyboard anew (see focus). Nothing is
        pressed when the window does not take the focus."""
        if focus and not self.focus(window, again=again):
            return False
        for key in keys:
            self.run("xdotool", "key", "--clearmodifiers", key)
            time.sleep(0.15)
        return True

    def type(self, text):
        self.run("xdotool", "type", "--delay", "4", text)

    def click(self, window, x, y):
        self.run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")


# --- files ------------------------------------------------------------------------------------

def fingerprint(path):
    """Type, mode and content (or link target, or listing) of one file, as root or owner sees it."""
    info = os.lstat(path)
    mode = stat.S_IMODE(info.st_mode)
    if stat.S_ISLNK(info.st_mode):
        return ("link", mode, os.readlink(path))
    if stat.S_ISFIFO(info.st_mode):
        return ("fifo", mode)
    if stat.S_ISDIR(info.st_mode):
        return ("dir", mode, tuple(sorted(os.listdir(path))))
    if not stat.S_ISREG(info.st_mode):
        return ("other", mode)
    if mode & stat.S_IRUSR == 0 and os.geteuid() != 0:
        os.chmod(path, mode | stat.S_IRUSR)
        try:
            return fingerprint_regular(path, info, mode)
        finally:
            os.chmod(path, mode)
    return fingerprint_regular(path, info, mode)


def fingerprint_regular(path, info, mode):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return ("file", mode, info.st_size, digest.hexdigest())


def describe(mark):
    if mark is None:
        return "missing"
    if mark[0] == "file":
        return "file of mode %o, %d bytes, sha256 %s" % (mark[1], mark[2], mark[3][:12])
    return "%s of mode %o" % (mark[0], mark[1])


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def ini_text(values):
    return "[Main]\r\n" + "".join("%s=%s\r\n" % kv for kv in values.items())


def add_game(root, category, folder, name, ini_name=None, **fields):
    """A game folder with its ini file; returns the ini file's path."""
    values = {"Name": name, "Year": "1990", "Developer": "Pallox Test", "Platform": "DOS",
              "Emulator": "DOSBox", "Executable": "game.exe"}
    values.update(fields)
    path = game_ini_path(root, category, folder, ini_name or folder + ".ini")
    write(path, ini_text(values))
    return path


def game_ini_path(root, category, folder, ini_name):
    return os.path.join(root, "Games", category, folder, "Pallox", "IniFile", ini_name)


def read_cache(path):
    """The data cache as {column name: [cells of rows 1..]}; raises CaseFailed when it is not a
    sound grid text file."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as error:
        raise CaseFailed("the data cache cannot be read afterwards: %s" % error)
    lines = data.split(b"\r\n")
    if not data.endswith(b"\r\n") or len(lines) < 3:
        raise CaseFailed("the rewritten data cache is not a grid text file")
    lines.pop()
    try:
        columns, rows = int(lines[0]), int(lines[1])
    except ValueError:
        raise CaseFailed("the rewritten data cache has no counts")
    if columns < 1 or rows < 1 or len(lines) != 2 + columns * rows:
        raise CaseFailed("the rewritten data cache holds %d lines for %d columns and %d rows"
                         % (len(lines), columns, rows))
    table = {}
    for c in range(columns):
        cells = [cell.decode("utf-8", "replace") for cell in lines[2 + c * rows:2 + (c + 1) * rows]]
        table[cells[0]] = cells[1:]
    return table


def png_bytes():
    """A valid 2x2 PNG, the base the damaged pictures are cut from."""
    import struct
    import zlib

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + b"\xff\x00\x00" * 2 for _ in range(2))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


# --- one case ---------------------------------------------------------------------------------

class Case:
    """A case folder: program, settings, skins and library; `damaged` lists the files that must
    come out of the run as they went in."""

    def __init__(self, name, folder, options):
        self.name = name
        self.folder = folder
        self.options = options
        self.damaged = []
        self.keep_lines = []  # (file, line) pairs that must still be in the file afterwards
        self.expected_messages = []  # exact texts, in any order
        self.action = None  # what the user does with the damaged input: (run, timeout)
        self.check = None  # what must hold while the program still runs
        self.run = None
        shutil.copy2(options.pallox, os.path.join(folder, "pallox"))
        shutil.copy2(os.path.join(options.data, "PALLOX.ini"), self.settings)
        shutil.copytree(os.path.join(options.data, "Skins"), os.path.join(folder, "Skins"))

    @property
    def settings(self):
        return os.path.join(self.folder, "PALLOX.ini")

    @property
    def cache(self):
        return os.path.join(self.folder, "DataCache.txt")

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def set_settings(self, **values):
        """Sets keys of [Main] in PALLOX.ini, as a user editing it by hand would."""
        with open(self.settings, "rb") as f:
            text = f.read().decode("utf-8")
        lines = text.replace("\r\n", "\n").split("\n")
        start = lines.index("[Main]") + 1
        for key, value in values.items():
            lines = [l for l in lines if not l.startswith(key + "=")]
            lines.insert(start, "%s=%s" % (key, value))
        write(self.settings, "\r\n".join(lines))


class Run:
    """The program of one case, started as the user it should run as."""

    def __init__(self, case, x, user):
        self.case = case
        self.x = x
        self.stderr_path = case.path("stderr.txt")
        self.stderr = open(self.stderr_path, "wb")
        env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "SESSION_MANAGER")}
        home = case.path("home")
        runtime = case.path("runtime")
        for folder in (home, runtime):
            os.makedirs(folder, exist_ok=True)
            os.chmod(folder, 0o700)
            if user:
                os.chown(folder, user.pw_uid, user.pw_gid)
        env.update(DISPLAY=x.env["DISPLAY"], HOME=home, XDG_RUNTIME_DIR=runtime,
                   QT_QPA_PLATFORM="xcb", QT_LOGGING_RULES="default.info=true", LC_ALL="C.UTF-8")
        extra = {}
        if user:
            extra = dict(user=user.pw_uid, group=user.pw_gid, extra_groups=[])
        self.process = subprocess.Popen([case.path("pallox")], cwd=case.folder, env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=self.stderr, start_new_session=True,
                                        preexec_fn=die_with_us, **extra)
        self.main = None
        self.boxes = {}  # the boxes answered, each with when Enter was last pressed in it

    def log(self):
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def messages(self):
        shown = []
        for line in self.log().splitlines():
            for prefix in (MESSAGE_PREFIX, QUESTION_PREFIX):
                if line.startswith(prefix):
                    shown.append(unescape(line[len(prefix):]))
        return shown

    def alive(self):
        return self.process.poll() is None

    def check_alive(self):
        if not self.alive():
            raise CaseFailed("the program ended (exit code %s)" % self.process.returncode)

    @property
    def answered(self):
        return len(self.boxes)

    def answer_boxes(self, windows=None):
        """Presses Enter in every message box on the screen (OK, the default button of each),
        and again in a box that is still there a while later: a key that came before the box
        took the keyboard is lost. Returns whether there was a box."""
        any_box = False
        for window, title, kind in self.x.windows() if windows is None else windows:
            if title == "PALLOX" and kind == "dialog":
                any_box = True
                pressed = self.boxes.get(window)
                if pressed is None or time.monotonic() - pressed >= BOX_PATIENCE:
                    self.boxes[window] = time.monotonic()
                    self.x.keys(window, "Return", again=pressed is not None)
        return any_box

    def settle(self, timeout, quiet=0.8):
        """Answers boxes until none has shown for `quiet` seconds and every logged message has
        been seen in a box."""
        deadline = time.monotonic() + timeout
        last_box = time.monotonic()
        while time.monotonic() < deadline:
            self.check_alive()
            if self.answer_boxes():
                last_box = time.monotonic()
            elif time.monotonic() - last_box >= quiet and self.answered >= len(self.messages()):
                return
            time.sleep(0.1)
        raise CaseFailed("a message box did not go away within %d s" % timeout)

    def wait_for_main_window(self, timeout):
        """Waits until the main window is on the screen and has the keyboard: a key sent before
        that goes nowhere."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.alive():
                raise CaseFailed("the program ended during start-up (exit code %s)"
                                 % self.process.returncode)
            windows = self.x.windows()
            self.answer_boxes(windows)
            for window, title, kind in windows:
                if title == "PALLOX" and kind == "normal" and self.x.focus(window, timeout=1):
                    self.main = window
                    self.settle(timeout)
                    return
            time.sleep(0.1)
        raise CaseFailed("no main window within %d s" % timeout)

    def find_window(self, title_start):
        return next((w for w, t, _ in self.x.windows() if t.startswith(title_start)), None)

    def wait_for_window(self, title_start, timeout, gone=False):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self.check_alive()
            found = self.find_window(title_start)
            if found and not gone:
                return found
            if gone and not found:
                return None
            time.sleep(0.1)
        return False

    def until(self, act, done, timeout, failure, patience=2.0):
        """Does `act` until `done` holds, as a person does again what did nothing; the pauses
        grow, so that a program that is only slow is not asked twice."""
        deadline = time.monotonic() + timeout
        while True:
            act()
            wait_until = min(deadline, time.monotonic() + patience)
            while time.monotonic() < wait_until:
                if done():
                    return
                self.check_alive()
                self.answer_boxes()
                time.sleep(0.1)
            if done():
                return
            if time.monotonic() >= deadline:
                raise CaseFailed(failure)
            patience = min(2 * patience, MAX_PATIENCE)

    def wait_told(self, count, timeout, failure):
        """Waits until more than `count` messages have been shown and answers them: a slow
        program tells what it found a while after the dialog that asked for it has gone, and a
        click made before then would meet its box."""
        self.until(lambda: None, lambda: len(self.messages()) > count, timeout, failure)
        self.settle(timeout)

    def popup_since(self, before):
        """A menu that came up since `before` was taken: a new window that is no box or dialog.
        Qt does not always name its kind, nor keep its window, on a menu it shows again."""
        for window, _, kind in self.x.windows():
            if window not in before and window != self.main and kind != "dialog":
                return window
        return None

    def open_menu(self, opener, deadline, shown):
        """Presses a menu's Alt key until the menu shows; returns it, or None when `shown` holds
        first. Pressed again into the open menu, the key changes nothing."""
        before = {window for window, _, _ in self.x.windows()}
        pause = 1.0
        tries = 0
        while True:
            pressed = time.monotonic()
            self.x.keys(self.main, opener, again=tries > 0)
            tries += 1
            while time.monotonic() - pressed < pause:
                if shown and shown():
                    return None
                popup = self.popup_since(before)
                if popup:
                    return popup
                self.check_alive()
                if time.monotonic() > deadline:
                    raise CaseFailed("the menu of %s did not open" % opener)
                if self.answer_boxes():  # a box that came up late took the key
                    break
                time.sleep(0.05)
            pause = min(1.5 * pause, 4)

    def menu(self, opener, *keys, timeout, shows=None, failure=None):
        """Chooses a menu item by keys: the menu's Alt key until the menu shows, then the item's
        keys until the menu closes, which it does when the item is chosen. With `shows`, a check
        of what the item brings up, the whole choice is made again while that does not come."""
        deadline = time.monotonic() + timeout
        patience = 3.0
        while True:
            popup = self.open_menu(opener, deadline, shows)
            if popup is not None:
                self.x.keys(self.main, *keys, focus=False)
                self.wait_until_closed(popup, keys[-1], deadline)
            if shows is None:
                return
            wait_until = min(deadline, time.monotonic() + patience)
            while time.monotonic() < wait_until:
                if shows():
                    return
                time.sleep(0.1)
            if shows():
                return
            if time.monotonic() >= deadline:
                raise CaseFailed(failure or "%s %s did nothing within %d s"
                                 % (opener, " ".join(keys), timeout))
            self.check_alive()
            patience = min(2 * patience, MAX_PATIENCE)

    def wait_until_closed(self, popup, key, deadline):
        """An open menu holds the keyboard, so the item's last key goes to it wherever the focus
        is; it is pressed again only when the menu stays open a long while."""
        pressed = time.monotonic()
        pause = 3.0
        while popup in {window for window, _, _ in self.x.windows()}:
            if time.monotonic() > deadline:
                raise CaseFailed("a menu stayed open after %s" % key)
            if time.monotonic() - pressed >= pause:
                self.x.keys(self.main, key, focus=False)
                pressed = time.monotonic()
                pause = min(2 * pause, MAX_PATIENCE)
            if not self.alive():
                return
            time.sleep(0.1)

    def press_until_gone(self, title_start, key, timeout, failure):
        pressed = []

        def press():
            window = self.find_window(title_start)
            if window:
                self.x.keys(window, key, again=bool(pressed))
                pressed.append(window)
        self.until(press, lambda: not self.find_window(title_start), timeout, failure, patience=1.5)

    def prove_responsive(self, timeout):
        """Help > About by keys: the About window must open within the time, and close again."""
        start = time.monotonic()
        self.menu("alt+h", "a", timeout=timeout, shows=lambda: self.find_window("About PALLOX"),
                  failure="Help > About did not open within %d s: the window does not react"
                  % timeout)
        self.press_until_gone("About PALLOX", "Escape", timeout,
                              "the About window did not close on Escape")
        return time.monotonic() - start

    def choose_file(self, title_start, path, timeout):
        """Types a path into the file dialog the program opened and presses Enter, again while
        the dialog stays: into its name field (Alt+N), over whatever the field holds."""
        dialog = self.wait_for_window(title_start, timeout)
        if not dialog:
            raise CaseFailed('no "%s" dialog appeared' % title_start)

        entered = []

        def enter():
            # A box of the dialog's own (a name it cannot find) holds the keyboard: answered.
            for window, title, _ in self.x.windows():
                if window != dialog and title.startswith(title_start):
                    self.x.keys(window, "Return")
            if self.x.keys(dialog, "alt+n", "ctrl+a", again=bool(entered)):
                self.x.type(path)
                self.x.keys(dialog, "Return", focus=False)
            entered.append(dialog)
        self.until(enter, lambda: not self.find_window(title_start), timeout,
                   'the "%s" dialog did not take the path %s' % (title_start, path))

    def quit(self, timeout):
        """File > Exit, chosen again while the program neither ends nor asks."""
        def box_shown():
            return any(t == "PALLOX" and k == "dialog" for _, t, k in self.x.windows())
        self.menu("alt+f", "x", timeout=timeout, shows=lambda: not self.alive() or box_shown(),
                  failure="File > Exit did not end the program within %d s" % timeout)
        deadline = time.monotonic() + timeout
        while self.alive() and time.monotonic() < deadline:
            self.answer_boxes()  # "Close PALLOX?" when that option is on
            time.sleep(0.1)
        if self.alive():
            raise CaseFailed("File > Exit did not end the program within %d s" % timeout)
        if self.process.returncode != 0:
            raise CaseFailed("the program ended with exit code %d" % self.process.returncode)

    def stop(self):
        if self.stderr.closed:
            return
        if self.alive():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        self.stderr.close()


# --- the cases --------------------------------------------------------------------------------

def one_game_library(case, **fields):
    """One good game, so that the list is never empty and its row proves the rescan."""
    case.damaged.append(add_game(case.folder, "Action", "GoodGame", "Good Game", **fields))


def expect_cache_rewritten(case, names):
    def check():
        table = read_cache(case.cache)
        found = sorted(table.get("Name", []))
        if found != sorted(names):
            raise CaseFailed("the rewritten data cache lists %s, not %s" % (found, sorted(names)))
    return check


def damaged_cache(reason):
    return lambda case: 'The data cache "%s" is damaged: %s%s' % (case.cache, reason, CACHE_REREAD)


def case_cache(case, content, reason):
    one_game_library(case)
    write(case.cache, content)
    case.expected_messages.append(damaged_cache(reason)(case))
    case.check = expect_cache_rewritten(case, ["Good Game"])


def cache_huge_counts(case):
    # 2^31 columns: one more than a count can be.
    case_cache(case, b"2147483648\r\n3\r\nName\r\n", "the first line holds no column count.")


def cache_negative_count(case):
    case_cache(case, b"40\r\n-5\r\nNumber\r\n", "the second line holds no row count.")


def cache_promises_millions(case):
    case_cache(case, b"2\r\n5000000\r\nNumber\r\n1\r\nName\r\nA game\r\n",
               "it promises 2 columns and 5000000 rows, but holds only 4 of their 10000000 cells.")


def cache_binary(case):
    rng = random.Random(7)
    case_cache(case, bytes(rng.randrange(256) for _ in range(64 * 1024)),
               "the first line holds no column count.")


def cache_unreadable(case):
    """A cache the user may not read: reported, and the library read instead. The file's mode
    forbids writing too, and a mode is the user's to change: the new cache is not forced over
    it, and that is said as well."""
    one_game_library(case)
    write(case.cache, b"1\r\n2\r\nName\r\nStale Game\r\n")
    os.chmod(case.cache, 0)
    case.damaged.append(case.cache)
    case.expected_messages += [
        'Could not open the data cache "%s": Permission denied%s' % (case.cache, CACHE_REREAD),
        Prefix('Could not create the data cache "%s": ' % case.cache)]


def game_inis_damaged(case):
    """Game ini files damaged in every way, and the data cache a named pipe: the program must
    read neither pipe, list the games whose files hold text, and leave every file as it was."""
    one_game_library(case)
    rng = random.Random(11)

    def raw(folder, data):
        path = game_ini_path(case.folder, "Action", folder, folder + ".ini")
        write(path, data)
        case.damaged.append(path)
        return path

    raw("RandomBytes", bytes(rng.randrange(256) for _ in range(4096)))
    raw("NulBytes", b"[Main]\r\nName=Nul\x00Game\r\nYear=1991\r\n")
    # Not UTF-8: read as Windows-1252, as libraries written on Windows are.
    raw("Latin1", b"[Main]\r\nName=Schlo\xdf Latin\r\nYear=1992\r\nPlatform=DOS\r\n")
    raw("HugeLine", b"[Main]\r\nName=Huge Line\r\nNotes=" + b"x" * (10 * 1024 * 1024) + b"\r\n")
    raw("LongYear", ini_text({"Name": "Long Year", "Year": "1" * 40, "Platform": "DOS"}))
    raw("HugeName", ini_text({"Name": "N" * 100000, "Year": "1993"}))
    locked = raw("Locked", ini_text({"Name": "Locked Game"}))
    os.chmod(locked, 0)
    fifo = game_ini_path(case.folder, "Action", "Fifo", "Fifo.ini")
    os.makedirs(os.path.dirname(fifo))
    os.mkfifo(fifo, 0o644)
    folder_ini = game_ini_path(case.folder, "Action", "FolderIni", "FolderIni.ini")
    os.makedirs(folder_ini)
    dangling = game_ini_path(case.folder, "Action", "Dangling", "Dangling.ini")
    os.makedirs(os.path.dirname(dangling))
    os.symlink("nowhere/at/all.ini", dangling)
    case.damaged += [fifo, folder_ini, dangling]
    os.mkfifo(case.cache, 0o644)
    case.expected_messages.append('Could not open the data cache "%s": it is not a regular file.%s'
                                  % (case.cache, CACHE_REREAD))
    case.expected_messages.append(locked_message(locked))
    games = ["Good Game", "Schlo\u00df Latin", "Long Year", "N" * 100000]
    case.check = expect_cache_rewritten(case, games)


def locked_message(path):
    return ('These game ini files could not be read, so their games are not listed:\n"%s": '
            "Permission denied" % path)


def settings_huge_values(case):
    """PALLOX.ini edited by hand into absurd values: the window must still fit a screen."""
    one_game_library(case, Year="9" * 40)
    case.set_settings(Width="999999999", Height="-7", lbMainListFontSize="100000",
                      NameFontSize="-2147483648", NoteFontSize="99999999999999999999",
                      BGColor="$zz", lbMainBGColor="clNoSuchColour", NameFontColor="$FFFFFFFFFFFF",
                      DetailsTextColor="", NameFontStyle="BoldItalicUnderlineStrikeOut" * 100,
                      lbMainListFontName="X" * 5000, LastSelectedGame="-99999999",
                      AboutListSeparator="77777777777", RememberLastSelected="1")
    # The window's size and the selection are the program's to store; every other line stays.
    with open(case.settings, "rb") as f:
        case.keep_lines = [(case.settings, line) for line in f.read().split(b"\r\n")
                           if line.split(b"=")[0] not in (b"LastSelectedGame", b"Width", b"Height")]

    def check():
        geometry = case.run.x.geometry(case.run.main)
        if not (0 < geometry["WIDTH"] <= 1280 and 0 < geometry["HEIGHT"] <= 900):
            raise CaseFailed("the main window is %sx%s" % (geometry["WIDTH"], geometry["HEIGHT"]))
    case.check = check


def settings_unreadable(case):
    """PALLOX.ini that the user cannot read: the program must not overwrite it with a new one."""
    one_game_library(case)
    os.chmod(case.settings, 0)
    case.damaged.append(case.settings)
    # It cannot read its settings, so it knows no category folders; and it must not replace the
    # file with one of its own when it stores the selection.
    case.expected_messages += [
        'Cannot save "%s": it cannot be read (Permission denied).' % case.settings,
        "No Data Found - Please check folders"]


def settings_fifo(case):
    """PALLOX.ini a named pipe: reading it would wait for a writer that never comes."""
    one_game_library(case)
    os.remove(case.settings)
    os.mkfifo(case.settings, 0o644)
    case.damaged.append(case.settings)
    case.expected_messages += [
        'Cannot save "%s": it is not a regular file.' % case.settings,
        "No Data Found - Please check folders"]


def dosbox_conf_garbage(case):
    """A megabyte of garbage loaded into the DOSBox configuration file editor."""
    one_game_library(case)
    conf = case.path("Games", "Action", "GoodGame", "dosbox.conf")
    rng = random.Random(5)
    write(conf, bytes(rng.randrange(256) for _ in range(1024 * 1024)))
    case.damaged.append(conf)
    case.expected_messages.append(
        '"%s" is not a DOSBox configuration file: it has none of DOSBox\'s sections, such as [sdl], '
        '[dosbox] or [autoexec]. Nothing was loaded.' % conf)
    case.expected_messages.append("Can not Save.  Configure File field is blank.")

    def action(run, timeout):
        # Places in the window of its default size, 800 x 600. Clicks, not Ctrl+Tab: a click made
        # again on the tab or the button that is already shown changes nothing.
        def load():
            run.x.click(run.main, 84, 32)  # the Config tab
            time.sleep(0.3)
            run.x.click(run.main, 231, 399)  # its DOSBox "Config" button
            time.sleep(0.3)
            run.x.click(run.main, 662, 160)  # the editor's "Load"
        run.until(load, lambda: run.find_window("Open"), timeout,
                  'the DOSBox editor\'s "Load" brought up no "Open" dialog')
        told = len(run.messages())
        run.choose_file("Open", conf, timeout)
        run.wait_told(told, timeout, "the editor said nothing of the file it loaded")
        # Save right after: it must not write DOSBox's sections into the refused file.
        told = len(run.messages())
        run.until(lambda: run.x.click(run.main, 748, 160),  # the editor's "Save"
                  lambda: len(run.messages()) > told, timeout, 'the editor\'s "Save" said nothing')
    case.action = action


def export_not_launchbox(case):
    """Export to LaunchBox pointed at an XML file that is not LaunchBox's."""
    one_game_library(case)
    xml = case.path("Library.xml")
    write(xml, '<?xml version="1.0"?>\r\n<html><body>Not LaunchBox</body></html>\r\n')
    garbage = case.path("Garbage.xml")
    write(garbage, b"\x00\x01<LaunchBox>\xff\xfe")
    case.damaged += [xml, garbage]
    case.expected_messages.append('"%s" is not a LaunchBox data file: its top-level element is '
                                  '"html", not "LaunchBox". Nothing was exported.' % xml)
    case.expected_messages.append(None)

    def action(run, timeout):
        for target in (xml, garbage):
            run.menu("alt+e", "Up", "Return", timeout=timeout,
                     shows=lambda: run.find_window("Export to LaunchBox"))
            told = len(run.messages())
            run.choose_file("Export to LaunchBox", target, timeout)
            run.wait_told(told, timeout, "the export said nothing of %s" % target)
    case.action = action


def pictures_damaged(case):
    """Box fronts that are no pictures, shown in the details and on the image sheet."""
    png = png_bytes()
    names = {"Truncated": png[:len(png) // 2], "Garbage": bytes(range(256)) * 64,
             "BadCrc": png[:-5] + b"\x00\x00\x00\x00\x00",
             "Jpeg": b"\xff\xd8\xff\xe0\x00\x10JFIF\x00" + b"\xff" * 2000,
             "Huge": png[:16] + b"\x7f\xff\xff\xff\x7f\xff\xff\xff" + png[24:]}
    fronts = []
    for folder, data in names.items():
        add_game(case.folder, "Action", folder, folder + " Game", Front01="front.png",
                 Title01="fifo.png", Screen01="dir.png", Media01="link.png")
        meta = case.path("Games", "Action", folder, "Pallox")
        front = os.path.join(meta, "Front", "front.png")
        write(front, data)
        fifo = os.path.join(meta, "Title", "fifo.png")
        os.makedirs(os.path.dirname(fifo))
        os.mkfifo(fifo, 0o644)
        as_folder = os.path.join(meta, "Screen", "dir.png")
        os.makedirs(as_folder)
        link = os.path.join(meta, "Media", "link.png")
        os.makedirs(os.path.dirname(link))
        os.symlink("../../../nowhere.png", link)
        case.damaged += [front, fifo, as_folder, link]
        fronts.append(front)
    # The details at start-up report the front of the game they show; the reason is the image
    # reader's own text.
    case.expected_messages.append(Prefix('Could not show the picture "%s/Games/Action/' % case.folder))
    # The image sheet names every front it could not show in one message, once it is complete.
    case.expected_messages.append(Prefix(SHEET_UNREADABLE))

    def sheet_message(run):
        return next((m for m in run.messages() if m.startswith(SHEET_UNREADABLE)), None)

    def action(run, timeout):
        def load():
            run.x.click(run.main, 166, 32)  # the Image Sheet tab
            time.sleep(0.3)
            run.x.click(run.main, 50, 64)  # its "Load", which starts the sheet afresh
        # The sheet decodes on worker threads; its report is what shows it read the pictures. A
        # slow machine takes its time, so the click is made again only after a long while.
        run.until(load, lambda: sheet_message(run) is not None, timeout,
                  "the image sheet did not report its pictures", patience=15)
    case.action = action
    cache_check = expect_cache_rewritten(case, [n + " Game" for n in names])

    def check():
        cache_check()
        told = sheet_message(case.run)
        # In the sheet's order, the games' names; each with the image reader's reason.
        lines = told.split("\n")[1:] if told else []
        if len(lines) != len(fronts) or any(not line.startswith('"%s": ' % front)
                                            for line, front in zip(lines, sorted(fronts))):
            raise CaseFailed("the image sheet did not name each damaged front once: %r" % told)
    case.check = check


def nostalgia_skins_garbage(case):
    """Nostalgia mode with a skins file of garbage, for a DOS game of a 40-digit year."""
    add_game(case.folder, "Action", "GoodGame", "Good Game", Year="1" * 40, Platform="DOS")
    rng = random.Random(3)
    for name in ("skins.ini", "DOS8086skins.ini"):
        path = case.path("Skins", name)
        write(path, bytes(rng.randrange(256) for _ in range(256 * 1024)))
        case.damaged.append(path)
    # A year no number can hold counts from its leading digits, 1111: the earliest DOS era.
    case.expected_messages.append(
        "Nostalgia mode cannot use the skins file \"%s\": it has none of the sections a skin is made "
        "of, such as [Computer] or [Background]." % case.path("Skins", "DOS8086skins.ini"))

    def action(run, timeout):
        told = len(run.messages())
        run.menu("alt+f", "n", timeout=timeout)
        run.wait_told(told, timeout, "Nostalgia mode said nothing of its skins file")
    case.action = action


CASES = [
    ("cache-huge-counts", cache_huge_counts),
    ("cache-negative-count", cache_negative_count),
    ("cache-promises-millions", cache_promises_millions),
    ("cache-binary", cache_binary),
    ("cache-unreadable", cache_unreadable),
    ("game-inis-damaged", game_inis_damaged),
    ("settings-huge-values", settings_huge_values),
    ("settings-unreadable", settings_unreadable),
    ("settings-fifo", settings_fifo),
    ("dosbox-conf-garbage", dosbox_conf_garbage),
    ("export-not-launchbox", export_not_launchbox),
    ("pictures-damaged", pictures_damaged),
    ("nostalgia-skins-garbage", nostalgia_skins_garbage),
]


def check_messages(case, shown):
    expected = list(case.expected_messages)
    unmatched = []
    for text in shown:
        match = next((e for e in expected if e is not None and (
            text.startswith(e) if isinstance(e, Prefix) else text == e)), None)
        if match is not None:
            expected.remove(match)
        elif None in expected:
            expected.remove(None)
        else:
            unmatched.append(text)
    if unmatched:
        raise CaseFailed("unexpected message: %r" % unmatched[0][:300])
    if expected:
        missing = [e for e in expected if e is not None]
        raise CaseFailed("not told: %r" % (missing[0][:300] if missing else "any message"))


def run_case(name, build, options, x, user, base):
    folder = tempfile.mkdtemp(prefix=name + "-", dir=base)
    case = Case(name, folder, options)
    build(case)
    before = {path: fingerprint(path) for path in case.damaged}
    lines_before = list(case.keep_lines)
    if user:
        for root, dirs, files in os.walk(folder):
            for entry in [root] + [os.path.join(root, n) for n in dirs + files]:
                os.lchown(entry, user.pw_uid, user.pw_gid)
    run = Run(case, x, user)
    case.run = run
    timeout = options.timeout
    started = time.monotonic()
    try:
        run.wait_for_main_window(timeout)
        startup = time.monotonic() - started
        reaction = run.prove_responsive(timeout)
        if case.action:
            case.action(run, timeout)
            run.settle(timeout)
            reaction = max(reaction, run.prove_responsive(timeout))
        if case.check:
            case.check()
        run.quit(timeout)
        log = run.log()
        for marker in SANITIZER_MARKERS:
            if marker in log:
                raise CaseFailed("sanitizer report on standard error (%s)" % marker)
        check_messages(case, run.messages())
        for path, mark in before.items():
            after = fingerprint(path) if os.path.lexists(path) else None
            if after != mark:
                raise CaseFailed("%s changed: %s before, %s after"
                                 % (os.path.relpath(path, folder), describe(mark), describe(after)))
        for path, line in lines_before:
            with open(path, "rb") as f:
                if line not in f.read().split(b"\r\n"):
                    raise CaseFailed("%s lost its line %r" % (os.path.relpath(path, folder), line[:60]))
        summary = "started in %.1f s, About in %.1f s, %d message(s)" % (
            startup, reaction, len(run.messages()))
        run.stop()
        shutil.rmtree(folder, onerror=force_remove)
        return True, summary
    except CaseFailed as failure:
        return False, "%s (kept %s)" % (failure, folder)
    finally:
        run.stop()


def force_remove(function, path, _):
    os.chmod(os.path.dirname(path), 0o700)
    os.chmod(path, 0o700) if not os.path.islink(path) else None
    function(path)


def readable_sanitizer_files(base):
    """The program's user may not see into the source tree (a checkout under /root): files the
    sanitizer options name are copied where it can read them."""
    for variable in ("LSAN_OPTIONS", "ASAN_OPTIONS", "UBSAN_OPTIONS"):
        options = os.environ.get(variable)
        if not options:
            continue
        parts = []
        for part in options.split(":"):
            key, _, value = part.partition("=")
            if key == "suppressions" and os.path.isfile(value):
                copy = os.path.join(base, "%s.supp" % variable.split("_")[0].lower())
                shutil.copyfile(value, copy)
                os.chmod(copy, 0o644)
                part = "suppressions=" + copy
            parts.append(part)
        os.environ[variable] = ":".join(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--pallox", required=True, help="the built pallox program")
    parser.add_argument("--data", required=True, help="the data folder: PALLOX.ini and Skins")
    parser.add_argument("--keep", help="folder for the case folders (default: a temporary one)")
    parser.add_argument("--only", nargs="*", help="run only these cases")
    parser.add_argument("--timeout", type=float, default=60, help="seconds for each wait")
    parser.add_argument("--list", action="store_true", help="print the names of the cases and stop")
    options = parser.parse_args()
    if options.list:
        print(";".join(name for name, _ in CASES))
        return 0
    options.pallox = os.path.abspath(options.pallox)
    options.data = os.path.abspath(options.data)

    for tool in ("Xvfb", "xdotool", "xprop"):
        if not shutil.which(tool):
            print("SKIPPED: %s is not installed (scripts/packages.sh test installs it)" % tool)
            return SKIP

    user = None
    if os.geteuid() == 0:
        # Root reads a file of mode 000 anyway; the program runs as a user who cannot.
        user = pwd.getpwnam("nobody")
    base = options.keep or tempfile.mkdtemp(prefix="pallox-bad-input-")
    os.makedirs(base, exist_ok=True)
    if user:
        os.chmod(base, 0o755)

    if user:
        readable_sanitizer_files(base)
    display = Display()
    failures = 0
    try:
        x = X(display.name)
        for name, build in CASES:
            if options.only and name not in options.only:
                continue
            ok, detail = run_case(name, build, options, x, user, base)
            print("%s %s: %s" % ("PASS" if ok else "FAIL", name, detail), flush=True)
            failures += 0 if ok else 1
    finally:
        display.stop()
    if not failures and not options.keep:
        shutil.rmtree(base, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
