#!/usr/bin/python3
"""What a screen reader finds in Vexaroo, read over AT-SPI as Orca reads it.

Run inside a D-Bus session and an X server of its own (dbus-run-session, xvfb-run); it starts
the accessibility bus, starts the game with QT_ACCESSIBILITY=1, goes from the intro to the menu,
the settings screen and the high-score table by the controls' own press actions, and checks
each window's controls by role and name. Usage: screen_reader.py GAME DATA_FOLDER
"""
import atexit
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

game, data = os.path.abspath(sys.argv[1]), sys.argv[2]
children = []
folder = tempfile.mkdtemp()


@atexit.register
def stop():
    # The bus launcher takes its bus down with it when asked to end, not when killed.
    for process in reversed(children):
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
    shutil.rmtree(folder, ignore_errors=True)


def start(*command, **kwargs):
    process = subprocess.Popen(command, **kwargs)
    children.append(process)
    return process


def wait_for(find, what, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object may go while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAILED: no {what} within {seconds} s")


# Its daemons outlive a test that fails, so they must not hold the test's output open.
start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately", stdout=subprocess.DEVNULL,
      stderr=subprocess.DEVNULL)


def bus_ready():
    # Asked before the launcher holds its name, D-Bus would start a second one on another bus.
    answer = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
        capture_output=True, text=True)
    return "boolean true" in answer.stdout


wait_for(bus_ready, "accessibility bus", 10)

import pyatspi  # noqa: E402  (after DISPLAY and the bus are there)

for name in ("settings", "HelpFile.txt"):
    shutil.copy(os.path.join(data, name), folder)
with open(os.path.join(folder, "scores"), "wb") as scores:
    scores.write(b"Al        Smith     " + struct.pack("<hh", 4, 37) + bytes(20))
env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           QT_QPA_PLATFORM="xcb")
game_log = os.path.join(folder, "game.log")
with open(game_log, "wb") as log:
    game_process = start(game, cwd=folder, env=env, stdout=log, stderr=subprocess.STDOUT)

failures = []


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a and a.name == "Vexaroo"), None)


def window(title):
    return next((w for w in application()
                 if w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def controls(root):
    """Every control on the screen, depth first: (role, name, description, accessible)."""
    found = []
    for child in root:
        if child.getState().contains(pyatspi.STATE_SHOWING):
            found.append((child.getRoleName(), child.name, child.description, child))
            found += controls(child)
    return found


def control(root, role, name):
    return next((c[3] for c in controls(root) if c[0] == role and c[1] == name), None)


def press(root, role, name):
    # A window comes back to life a moment after the screen over it closes.
    target = wait_for(lambda: (lambda c: c if c and c.getState().contains(pyatspi.STATE_ENABLED)
                               else None)(control(root, role, name)), f'enabled {role} "{name}"')
    action = target.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        failures.append(f'{role} "{name}" has no Press action: {names}')
        return
    action.doAction(names.index("Press"))


def expect(title, wanted):
    """Each (role, name[, description]) in wanted is on the window; prints what is there."""
    shown = wait_for(lambda: window(title), f'window "{title}"')
    print(f'window "{title}" ({shown.getRoleName()}):')
    listed = [c[:3] for c in controls(shown)]
    for role, name, description in listed:
        print(f"  {role}: {name!r}" + (f" ({description})" if description else ""))
    # Orca names a list by the label tied to it.
    listed += [(c[0], r.getTarget(0).name) for c in controls(shown)
               for r in c[3].getRelationSet()
               if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if shown.getRoleName() != "frame":
        failures.append(f'"{title}" is a {shown.getRoleName()}, not a window')
    for row in wanted:
        if not any(c[:len(row)] == row for c in listed):
            failures.append(f'"{title}" lacks {row}')
    return shown


def seen():
    desktop = pyatspi.Registry.getDesktop(0)
    return [(a.name, [(w.name, w.getState().contains(pyatspi.STATE_SHOWING)) for w in a])
            for a in desktop if a]


atexit.register(lambda: print("applications seen:", seen()))


def intro_window():
    # A game that ended is said at once, with what it wrote, rather than waited for.
    if game_process.poll() is not None:
        with open(game_log, errors="replace") as log:
            sys.exit(f"FAILED: the game ended with code {game_process.returncode}:\n"
                     + log.read()[-2000:])
    return window(" ")


# A loaded machine may take a while before the program joins the accessibility bus.
intro = wait_for(intro_window, "intro window", 45)
press(intro, "push button", "Skip Intro")

menu = expect("Main Menu", [("push button", "Play", "Start a game"),
                            ("push button", "Settings"), ("push button", "High Scores"),
                            ("push button", "Exit"), ("push button", "Help"),
                            ("image", "Vexaroo")])

press(menu, "push button", "Settings")
boxes = [("Move Left", "[left arrow]"), ("Move Right", "[right arrow]"),
         ("Move Up", "[up arrow]"), ("Move Down", "[down arrow]"), ("Fire", "[space]")]
settings = expect("Settings", [("combo box", "Image Quality:"), ("push button", "Ok")]
                  + [("push button", name, key) for name, key in boxes])
# A box that waits for its key says so at once.
press(settings, "push button", "Move Left")
wait_for(lambda: control(settings, "push button", "Move Left").description == "...",
         'the "Move Left" box waiting for its key', 5)
press(settings, "push button", "Ok")

press(wait_for(lambda: window("Main Menu"), "menu"), "push button", "High Scores")
expect("High Scores", [("label", "Rank 01", "Al Smith, level 4, 37 targets hit"),
                       ("label", "Rank 02", "no score"), ("push button", "Close")])

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
