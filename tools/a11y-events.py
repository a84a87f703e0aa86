#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints each accessibility event of a running program that reaches AT-SPI, as a screen
# reader would receive it: which of Qt's events the bridge passes on. Usage:
#   a11y-events.py PROGRAM SECONDS
# For example, with the program under Xvfb on a bus of its own:
#   dbus-run-session -- bash -c 'export DISPLAY=:93 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
#     Xvfb :93 & sleep 1; /usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
#     /usr/bin/python3 tools/a11y-events.py panelwright 30 & build/test/bin/panelwright'
import sys
import time

import pyatspi
from gi.repository import GLib

program, seconds = sys.argv[1], float(sys.argv[2])
start = time.time()


def show(event):
    try:
        if event.host_application is None or event.host_application.name != program:
            return
        source = event.source
        data = event.any_data if isinstance(event.any_data, (str, int)) else ''
        print('%6.2f %-48s %-12s %-30s %s %s %r' %
              (time.time() - start, event.type, source.getRoleName(), source.name[:30],
               event.detail1, event.detail2, data), flush=True)
    except Exception:
        pass  # the program went away


for kind in ('object:property-change', 'object:text-changed', 'object:state-changed',
             'object:announcement', 'object:value-changed', 'object:selection-changed',
             'object:active-descendant-changed', 'focus'):
    pyatspi.Registry.registerEventListener(show, kind)
GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
pyatspi.Registry.start()
