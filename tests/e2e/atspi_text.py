#!/usr/bin/python3
"""atspi_text.py --pid PID [--wait-for TEXT ...] [--timeout S]: reads the texts a running
program shows through the accessibility bus (AT-SPI), as a screen reader does.

Without --wait-for it prints every object that has a text: role, name and whole text (line
ends as \\n), one object a line. With --wait-for it polls until one object's text holds every
TEXT given, prints that text and exits 0; after --timeout seconds (default 30) it prints what
it saw last and exits 1. Exits 2 when the program never appears on the bus.
Needs the program's DBUS_SESSION_BUS_ADDRESS and DISPLAY."""
import argparse
import sys
import time

import pyatspi


def find_app(pid, wait_s):
    deadline = time.time() + wait_s
    while True:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == pid:
                        return app
                except Exception:
                    pass
        except Exception:
            pass
        if time.time() > deadline:
            return None
        time.sleep(0.25)


def texts(acc, depth=0, seen=None):
    """(role, name, text) of every object below acc that has the Text interface."""
    if seen is None:
        seen = set()
    if acc is None or depth > 40 or len(seen) > 20000:
        return
    key = getattr(acc, "path", None) or id(acc)
    if key in seen:
        return
    seen.add(key)
    try:
        t = acc.queryText()
        yield acc.getRoleName(), acc.name or "", t.getText(0, t.characterCount)
    except Exception:
        pass
    try:
        n = acc.childCount
    except Exception:
        return
    for i in range(n):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            continue
        yield from texts(child, depth + 1, seen)


def show(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--pid", type=int, required=True)
    ap.add_argument("--wait-for", action="append", default=[])
    ap.add_argument("--timeout", type=float, default=30.0)
    a = ap.parse_args()
    app = find_app(a.pid, min(a.timeout, 20.0))
    if app is None:
        print(f"atspi_text: no accessible application with pid {a.pid}", file=sys.stderr)
        return 2
    if not a.wait_for:
        for role, name, text in texts(app):
            print(f'{role.replace(" ", "-")} "{name}" {show(text)}')
        return 0
    deadline = time.time() + a.timeout
    last = []
    while True:
        last = list(texts(app))
        for _, _, text in last:
            if all(w in text for w in a.wait_for):
                print(text)
                return 0
        if time.time() > deadline:
            break
        time.sleep(0.5)
    print(f"atspi_text: no text holds {a.wait_for!r}; texts seen:", file=sys.stderr)
    for role, name, text in last:
        print(f'  {role.replace(" ", "-")} "{name}" {show(text)[:300]}', file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
