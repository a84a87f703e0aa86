#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a composer dialog through AT-SPI, as a screen reader does, and checks what it says.
#
# Usage: atspi_probe.py PANELWRIGHT_BINARY
#
# Starts its own X server (Xvfb), session bus and accessibility bus, opens the program with
# a setup whose slot 1 holds a panel that ends early (made in a temp folder), and runs each
# check of CHECKS on the composer dialog it finds. Exits 0 when every check passes, 1 when
# one fails, and 77 (skipped) where Xvfb, dbus-run-session, at-spi-bus-launcher or the
# Python pyatspi bindings are missing.
import importlib.util
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
INSIDE = "PANELWRIGHT_PROBE_INSIDE"  # set once the probe runs in its own session bus
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")

# The damaged panel: its header says 2 rows, its second grid stops after one.
DAMAGED_NAME = "IF-93L.map"
DAMAGED = "1\n26 2 100\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\n0 4\n" + \
    "c" * 26 + "\n" + "c" * 26 + "\n" + "C" * 26 + "\n"
WHOLE_NAME = "IF-94R.map"
WHOLE = "1\n26 2 100\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\n0 4\n" + \
    "a" * 26 + "\n" + "a" * 26 + "\n" + "A" * 26 + "\n" + "A" * 26 + "\nx\n1 1 Here\n"
REASON = "ends early"


# ---- the checks: each takes the composer dialog and returns what it found wrong ----

def check_damaged_slot(dialog):
    """The slot holding the damaged panel says why, not only by its mark."""
    slot = find(dialog, "combo box", lambda name: name.startswith("Slot 1 map file"))
    if slot is None:
        return ["no slot 1 list"]
    said = slot.description or ""
    if DAMAGED_NAME not in said or REASON not in said:
        return ["slot 1's description does not say why its panel cannot join: %r" % said]
    return []


def check_damaged_list_item(dialog):
    """The damaged panel's item in the slot's list says why, and can still be chosen."""
    slot = find(dialog, "combo box", lambda name: name.startswith("Slot 1 map file"))
    item = slot and find(slot, "list item", lambda name: name == DAMAGED_NAME)
    if item is None:
        return ["no list item %s in slot 1's list" % DAMAGED_NAME]
    faults = []
    said = item.description or ""
    if REASON not in said:
        faults.append("list item %s has no reason in its description: %r" % (DAMAGED_NAME, said))
    import pyatspi
    states = item.getState()
    for state, word in ((pyatspi.STATE_ENABLED, "enabled"), (pyatspi.STATE_SELECTABLE, "selectable")):
        if not states.contains(state):
            faults.append("list item %s is not %s" % (DAMAGED_NAME, word))
    return faults


CHECKS = [check_damaged_slot, check_damaged_list_item]


# ---- walking the tree ----

def walk(acc, found=None):
    found = [] if found is None else found
    try:
        found.append(acc)
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), found)
    except Exception:
        pass  # a part that went away while it was read
    return found


def find(root, role, named):
    for acc in walk(root):
        try:
            if acc.getRoleName() == role and named(acc.name or ""):
                return acc
        except Exception:
            pass
    return None


def wait_for(what, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.25)
    return what()


def composer(app):
    for acc in walk(app):
        if acc.getRoleName() == "dialog" and find(acc, "combo box",
                                                 lambda name: name.startswith("Slot 1 map file")):
            return acc
    return None


# ---- the session: X server, buses, the program ----

def python_with_pyatspi():
    if importlib.util.find_spec("pyatspi") is not None:
        return sys.executable
    # The bindings come with the system's Python, which need not be the first on PATH.
    system = "/usr/bin/python3"
    if os.path.exists(system) and subprocess.run(
            [system, "-c", "import pyatspi"], capture_output=True).returncode == 0:
        return system
    return None


def start_in_own_session(binary):
    missing = [tool for tool in ("Xvfb", "dbus-run-session") if shutil.which(tool) is None]
    if not any(os.path.exists(path) for path in BUS_LAUNCHERS):
        missing.append("at-spi-bus-launcher")
    python = python_with_pyatspi()
    if python is None:
        missing.append("python3-pyatspi")
    if missing:
        print("SKIPPED: missing " + ", ".join(missing))
        return SKIPPED
    env = dict(os.environ, **{INSIDE: "1"})
    return subprocess.run(["dbus-run-session", "--", python, os.path.abspath(__file__), binary],
                          env=env).returncode


def start_x_server(started):
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24",
                               "-nolisten", "tcp"], pass_fds=(write,),
                              stderr=subprocess.DEVNULL)
    started.append(server)
    os.close(write)
    with os.fdopen(read) as display:
        return ":" + display.readline().strip()


def write_setup(folder):
    for name, content in ((DAMAGED_NAME, DAMAGED), (WHOLE_NAME, WHOLE)):
        with open(os.path.join(folder, name), "w") as panel:
            panel.write(content)
    setup = {"format": 1, "layout": "top-to-bottom", "mapSet": "ironfall",
             "slots": [{"file": DAMAGED_NAME, "mark": "L"}, {"file": WHOLE_NAME, "mark": "R"}]}
    path = os.path.join(folder, "damaged.pwsetup")
    with open(path, "w") as file:
        json.dump(setup, file)
    return path


def run_checks(binary):
    import pyatspi
    started = []
    folder = tempfile.mkdtemp(prefix="panelwright-probe-")
    try:
        display = start_x_server(started)
        launcher = next(path for path in BUS_LAUNCHERS if os.path.exists(path))
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                   XDG_RUNTIME_DIR=folder,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=os.path.join(folder, "config"),
                   XDG_DATA_HOME=os.path.join(folder, "data"),
                   XDG_CACHE_HOME=os.path.join(folder, "cache"))
        env.pop("LANGUAGE", None)
        started.append(subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                        stderr=subprocess.DEVNULL))
        time.sleep(1)
        started.append(subprocess.Popen([binary, write_setup(folder)], env=env, cwd=folder))
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.name == "panelwright"), None), 20)
        if app is None:
            print("FAIL: panelwright did not appear on the accessibility bus")
            return 1
        dialog = wait_for(lambda: composer(app), 20)
        if dialog is None:
            print("FAIL: no composer dialog opened")
            return 1
        # The panels are read through in the background: wait until every check passes or
        # ten seconds have gone.
        wait_for(lambda: all(not check(dialog) for check in CHECKS), 10)
        failed = 0
        for check in CHECKS:
            found = check(dialog)
            print(("FAIL " if found else "ok   ") + check.__name__)
            for fault in found:
                print("     " + fault)
            failed += bool(found)
        return 1 if failed else 0
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: atspi_probe.py PANELWRIGHT_BINARY")
    binary = os.path.abspath(sys.argv[1])
    sys.exit(run_checks(binary) if os.environ.get(INSIDE) else start_in_own_session(binary))


if __name__ == "__main__":
    main()
