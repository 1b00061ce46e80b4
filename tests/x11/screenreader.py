#!/usr/bin/python3
"""What a screen reader finds: the program's tree read through AT-SPI, as Orca reads it.

    dbus-run-session -- screenreader.py PATH_TO_TIKARA

The program runs under a private X server with accessibility on; this script is the
assistive technology. It checks names, roles, actions and a knob's value, starts an
exercise by keys and by the AT-SPI press action, and checks that the new task and OK's
verdict reach it as notifications.
"""
import os
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "e2e"))
from xsession import StepFailed, XSession, wait_until  # noqa: E402

# What each stage shows: name (or its start, ending in "*"), role, and an action it must offer.
AT_START = [
    ("Start Oefening Digitaal -> analoog", "push button", "Press"),
    ("Start Oefening Analoog -> digitaal", "push button", "Press"),
    ("STOP", "push button", "Press"),
    ("Info", "push button", "Press"),
    ("Wijzers", "panel", None),
    ("Cijfers op de klok", "filler", None),
    ("Klok: kleine wijzer *", "image", None),
]
CHOOSING = [
    ("UU uur", "radio button", None),
    ("UU uur MM min.", "radio button", None),
    ("UU uur MM min SS sec", "radio button", None),
]
SETTING_HANDS = [
    ("Uurwijzer", "push button", "Press"),
    ("Minutenwijzer", "push button", "Press"),
]


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


class Reader:
    def __init__(self):
        self.notifications = []
        pyatspi.Registry.registerEventListener(self.listen, "object:state-changed:showing")

    def listen(self, event):
        if event.detail1 and event.source.getRoleName() == "notification":
            self.notifications.append(event.source.name)

    def pump(self):
        while GLib.MainContext.default().iteration(False):
            pass

    def app(self, pid):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    def find(self, app, name):
        for node in tree(app):
            matches = node.name.startswith(name[:-1]) if name.endswith("*") else node.name == name
            if matches and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        return None

    def heard(self, since, *starts):
        """The first notification after the first `since` ones that starts with one of starts."""
        def found():
            self.pump()
            return next((n for n in self.notifications[since:] if n.startswith(starts)), None)
        return wait_until(f"a notification starting {starts} (heard: {self.notifications})", found)


def check_controls(reader, app, expected):
    for name, role, action in expected:
        node = wait_until(f"{name!r} in the tree", lambda: reader.find(app, name))
        if node.getRoleName() != role:
            raise StepFailed(f"{name!r} is a {node.getRoleName()}, not a {role}")
        if action:
            names = [node.queryAction().getName(i) for i in range(node.queryAction().nActions)]
            if action not in names:
                raise StepFailed(f"{name!r} offers {names}, not {action}")


def check_knob(reader, app):
    knob = reader.find(app, "Uurwijzer")
    value = knob.queryValue().currentValue
    if not 0 <= value < 12:
        raise StepFailed(f"the hour knob's value {value} is not a place on the dial")
    if knob.description != "Klik hierop om de uurwijzer te verplaatsen.":
        raise StepFailed(f"the hour knob is described as {knob.description!r}")


def check_run(reader, app, session):
    check_controls(reader, app, AT_START)
    # Digital to analog, started by its key; Enter takes the choice panel's OK. Without a
    # window manager the window has the keyboard once clicked (on the score, which does nothing).
    session.click(650, 300)
    session.key("alt+d")
    check_controls(reader, app, CHOOSING)
    session.key("Return")
    reader.heard(0, "Zet de klok op ")
    check_controls(reader, app, SETTING_HANDS)
    check_knob(reader, app)
    # The verdict after OK, pressed through the accessibility layer as a screen reader does.
    ok = wait_until("OK in the exercise", lambda: next(
        (n for n in tree(app) if n.getRoleName() == "push button" and n.name == "OK"
         and n.getState().contains(pyatspi.STATE_SHOWING)), None))
    since = len(reader.notifications)
    ok.queryAction().doAction(0)
    verdict = reader.heard(since, "Goed.", "Niet goed: ")
    if " op 1. Zet de klok op " not in verdict:
        raise StepFailed(f"OK's verdict was told as {verdict!r}")


def main():
    reader = Reader()
    session = XSession()
    try:
        session.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        session.start(sys.argv[1])
        app = wait_until("the program on the accessibility bus", lambda: reader.app(session.app.pid))
        check_run(reader, app, session)
        print("ok: names, roles, actions, a knob's value, the new task and the verdict told")
    except StepFailed as failure:
        print(f"FAILED: {failure}")
        return 1
    finally:
        session.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
