#!/usr/bin/env python3
"""Builds the Debian package from a build folder and checks it as a user would meet it.

The package is made with the build's own CPack configuration into a temporary folder, its contents
are listed and compared with what it must hold, lintian must find neither an error nor a warning,
and the menu entry and the AppStream metadata must pass desktop-file-validate and appstreamcli.
Then the package is unpacked with dpkg-deb -x into a temporary root and the unpacked program is
started there without a display (QT_QPA_PLATFORM=offscreen), with a home of its own, as root and,
when run as root, as the unprivileged user "nobody": its settings file must appear under
XDG_CONFIG_HOME, the data cache of the sample library under XDG_CACHE_HOME, the sample library
must be listed (the program writes the entry it selected into the settings file once the list is
built), no message may be shown, and nothing below the unpacked usr may change. Last,
`apt-get install --simulate` must resolve the package's dependencies.

Usage: debian_package.py --build BUILD [--cpack CPACK] [--appstream-id ID] [--keep FOLDER]
Exits 0 when every check passed, 77 (skipped) when a tool it needs is missing, 1 otherwise.
"""

import argparse
import hashlib
import os
import pwd
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

SKIP = 77
MESSAGE_PREFIX = "pallox: message: "
TOOLS = ("dpkg-deb", "lintian", "appstreamcli", "desktop-file-validate", "apt-get")


class CheckFailed(Exception):
    pass


def run(args, **kwargs):
    """Runs a tool; its output is returned and shown when it fails."""
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            stdin=subprocess.DEVNULL, **kwargs)
    if result.returncode != 0:
        raise CheckFailed("%s failed (exit status %d):\n%s" % (" ".join(args), result.returncode,
                                                               result.stdout))
    return result.stdout


def fingerprint(root):
    """Every entry below `root` with its type, mode and content (or link target, or listing)."""
    entries = {}
    for folder, folders, files in os.walk(root):
        for name in folders + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            mode = stat.S_IMODE(info.st_mode)
            if stat.S_ISLNK(info.st_mode):
                entries[path] = ("link", mode, os.readlink(path))
            elif stat.S_ISDIR(info.st_mode):
                entries[path] = ("dir", mode, tuple(sorted(os.listdir(path))))
            else:
                with open(path, "rb") as f:
                    entries[path] = ("file", mode, hashlib.sha256(f.read()).hexdigest())
    return entries


def read_cache(path):
    """The names of the games a data cache holds: a count of columns, of rows, then the cells
    column by column, each beginning with its field name."""
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8", "replace").split("\r\n")
    columns, rows = int(lines[0]), int(lines[1])
    cells = lines[2:2 + columns * rows]
    for column in range(columns):
        if cells[column * rows] == "Name":
            return sorted(cells[column * rows + 1:(column + 1) * rows])
    raise CheckFailed("the data cache %s has no Name column" % path)


def sample_names(data):
    """The names of the game records of the shipped sample library."""
    names = []
    for folder, _, files in os.walk(os.path.join(data, "Games")):
        if os.path.basename(folder) != "IniFile":
            continue
        for name in files:
            with open(os.path.join(folder, name), "rb") as f:
                for line in f.read().decode("utf-8", "replace").splitlines():
                    if line.startswith("Name="):
                        names.append(line[len("Name="):].strip())
                        break
    return sorted(names)


def build_package(options, work):
    out = os.path.join(work, "package")
    run([options.cpack, "--config", os.path.join(options.build, "CPackConfig.cmake"), "-B", out])
    debs = [name for name in os.listdir(out) if name.endswith(".deb")]
    if len(debs) != 1 or not debs[0].startswith("pallox_") or not debs[0].endswith("_amd64.deb"):
        raise CheckFailed("cpack made %s, not one pallox_<version>_amd64.deb" % debs)
    return os.path.join(out, debs[0])


def check_contents(deb, appstream_id):
    listing = run(["dpkg-deb", "--contents", deb])
    print(listing, end="")
    paths = set()
    for line in listing.splitlines():
        name = line.split(None, 5)[5].split(" -> ")[0]
        paths.add(name[2:] if name.startswith("./") else name)
    expected = ["usr/games/pallox", "usr/share/pallox/PALLOX.ini", "usr/share/pallox/Skins/skins.ini",
                "usr/share/pallox/Skins/Px_IBM_VGA8.ttf", "usr/share/pallox/Games/",
                "usr/share/applications/%s.desktop" % appstream_id,
                "usr/share/metainfo/%s.metainfo.xml" % appstream_id,
                "usr/share/icons/hicolor/scalable/apps/pallox.svg",
                "usr/share/icons/hicolor/48x48/apps/pallox.png",
                "usr/share/icons/hicolor/256x256/apps/pallox.png",
                "usr/share/man/man6/pallox.6.gz", "usr/share/doc/pallox/copyright",
                "usr/share/doc/pallox/changelog.gz"]
    missing = [path for path in expected if path not in paths]
    if missing:
        raise CheckFailed("the package lacks %s" % ", ".join(missing))
    outside = [path for path in paths if path and not path.startswith("usr/")]
    if outside:
        raise CheckFailed("the package puts files outside /usr: %s" % ", ".join(sorted(outside)))
    control = run(["dpkg-deb", "--field", deb, "Section", "Suggests", "Depends"])
    for wanted in ("Section: games", "dosbox", "scummvm", "libqt6widgets6"):
        if wanted not in control:
            raise CheckFailed("the control file lacks %r:\n%s" % (wanted, control))


def check_tools(deb, root, appstream_id):
    # Warnings fail too: every one the package is left with would be overridden, with its reason.
    print(run(["lintian", "--fail-on", "error,warning", deb]), end="")
    run(["appstreamcli", "validate", "--no-net",
         os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % appstream_id)])
    run(["desktop-file-validate", os.path.join(root, "usr/share/applications/%s.desktop" % appstream_id)])


def check_command_line(program, version):
    shown = run([program, "--version"], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if shown.strip() != "pallox " + version:
        raise CheckFailed("pallox --version printed %r, not pallox %s" % (shown, version))
    result = subprocess.run([program, "--library", "/nonexistent/library"], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True, stdin=subprocess.DEVNULL)
    if result.returncode != 2 or len(result.stderr.splitlines()) != 1:
        raise CheckFailed("a missing --library folder gave exit status %d and %r"
                          % (result.returncode, result.stderr))


def start_installed(root, home, user, timeout=60):
    """Starts the unpacked program with a home of its own and waits until it has listed the
    library and written the cache; returns the settings file, the cache files and the messages."""
    config = os.path.join(home, "config")
    cache = os.path.join(home, "cache")
    runtime = os.path.join(home, "runtime")
    for folder in (home, config, cache, runtime):
        os.makedirs(folder, exist_ok=True)
        os.chmod(folder, 0o700)
        if user:
            os.chown(folder, user.pw_uid, user.pw_gid)
    env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "QT_", "DISPLAY", "WAYLAND"))}
    env.update(HOME=home, XDG_CONFIG_HOME=config, XDG_CACHE_HOME=cache, XDG_RUNTIME_DIR=runtime,
               QT_QPA_PLATFORM="offscreen", QT_LOGGING_RULES="default.info=true", LC_ALL="C.UTF-8")
    extra = dict(user=user.pw_uid, group=user.pw_gid, extra_groups=[]) if user else {}
    stderr_path = os.path.join(home, "stderr.txt")
    settings = os.path.join(config, "pallox", "PALLOX.ini")
    caches = os.path.join(cache, "pallox")
    with open(stderr_path, "wb") as stderr:
        process = subprocess.Popen([os.path.join(root, "usr/games/pallox")], cwd=home, env=env,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=stderr,
                                   start_new_session=True, **extra)
    try:
        deadline = time.monotonic() + timeout
        while True:
            if process.poll() is not None:
                raise CheckFailed("the program ended (exit status %s):\n%s"
                                  % (process.returncode, open(stderr_path, errors="replace").read()))
            listed = os.path.isfile(settings) and b"LastSelectedGame=" in open(settings, "rb").read()
            cached = os.path.isdir(caches) and any(n.endswith("DataCache.txt") for n in os.listdir(caches))
            if listed and cached:
                break
            if time.monotonic() > deadline:
                raise CheckFailed("no listed library within %d s:\n%s"
                                  % (timeout, open(stderr_path, errors="replace").read()))
            time.sleep(0.1)
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
    with open(stderr_path, errors="replace") as f:
        messages = [line for line in f.read().splitlines() if line.startswith(MESSAGE_PREFIX)]
    return settings, [os.path.join(caches, n) for n in sorted(os.listdir(caches))], messages


def check_runs(root, work, version):
    data = os.path.join(root, "usr/share/pallox")
    names = sample_names(data)
    if not names:
        raise CheckFailed("the unpacked sample library holds no game records")
    check_command_line(os.path.join(root, "usr/games/pallox"), version)
    before = fingerprint(os.path.join(root, "usr"))
    users = [("the user running the check", None)]
    if os.geteuid() == 0:
        users.append(("nobody", pwd.getpwnam("nobody")))
    for label, user in users:
        home = os.path.join(work, "home-" + (user.pw_name if user else "self"))
        settings, caches, messages = start_installed(root, home, user)
        if messages:
            raise CheckFailed("as %s the program said:\n%s" % (label, "\n".join(messages)))
        with open(settings, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        if "VADPath=%s/\r\n" % data not in text:
            raise CheckFailed("as %s the settings file does not name the sample library:\n%s" % (label, text))
        if len(caches) != 1 or read_cache(caches[0]) != names:
            raise CheckFailed("as %s the data cache %s does not list the sample library" % (label, caches))
        print("PASS as %s: %s and %s" % (label, settings, caches[0]))
    if fingerprint(os.path.join(root, "usr")) != before:
        raise CheckFailed("something below the unpacked usr changed")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("--appstream-id", default="org.example.Pallox")
    parser.add_argument("--keep")
    options = parser.parse_args()
    missing = [tool for tool in TOOLS + (options.cpack,) if shutil.which(tool) is None]
    if missing:
        print("SKIP: missing %s (bash scripts/packages.sh test installs them)" % ", ".join(missing))
        return SKIP

    work = tempfile.mkdtemp(prefix="pallox-package-")
    # The unprivileged user must reach the unpacked program and its own home.
    os.chmod(work, 0o755)
    ok = False
    started = time.monotonic()

    def step(name):
        print("--- %s (%.1f s)" % (name, time.monotonic() - started), flush=True)

    try:
        step("cpack")
        deb = build_package(options, work)
        step("contents of " + os.path.basename(deb))
        check_contents(deb, options.appstream_id)
        root = os.path.join(work, "root")
        run(["dpkg-deb", "-x", deb, root])
        os.chmod(root, 0o755)
        step("lintian, appstreamcli, desktop-file-validate")
        check_tools(deb, root, options.appstream_id)
        step("the unpacked program")
        version = run(["dpkg-deb", "--field", deb, "Version"]).strip()
        check_runs(root, work, version)
        # Simulated, as any user may; the package's dependencies must all be there to be had.
        step("apt-get install --simulate")
        print(run(["apt-get", "install", "--simulate", "--no-install-recommends", os.path.abspath(deb)],
                  cwd=os.path.dirname(deb)).splitlines()[-1])
        step("done")
        ok = True
        print("PASS: %s" % os.path.basename(deb))
    except CheckFailed as failure:
        print("FAIL: %s" % failure)
    finally:
        if options.keep:
            shutil.rmtree(options.keep, ignore_errors=True)
            shutil.copytree(work, options.keep, symlinks=True)
        shutil.rmtree(work, ignore_errors=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
