"""The Linux program as a screen reader meets it, through AT-SPI only.
Usage: screen_reader_test.py PROGRAM (run by screen_reader_test.sh)"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

WAIT = 20  # seconds anything may take
LINE = "Hello chat, in colour"
NOTICE = ("Too long to fade: this line has 32,768 characters.\n"
          "The longest line that can be faded has 32,767.")


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(found, what):
    """Polls found() until it is truthy, running AT-SPI's events meanwhile."""
    deadline = time.monotonic() + WAIT
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            result = found()
        except GLib.Error:
            result = None  # asked while it went away
        if result:
            return result
        check(time.monotonic() < deadline, f"waited {WAIT} s for {what}")
        time.sleep(0.05)


def say_a_screen_reader_runs():
    """What a screen reader says on start, and what switches Qt's bridge on."""
    Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, WAIT * 1000, None)


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        stack.extend(child for child in node if child is not None)


def child_named(parent, name, pid=None):
    return next((c for c in parent if c is not None and
                 (c.get_process_id() == pid if pid else c.name == name)), None)


def named(root, name):
    matches = [node for node in descendants(root) if node.name == name]
    check(len(matches) <= 1, f"{len(matches)} objects named {name!r}")
    return matches[0] if matches else None


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        raise Failure(f"{node.name!r} has no AT-SPI Text") from None


def check_focusable_objects_named(window):
    names = [node.name for node in descendants(window)
             if node.getState().contains(pyatspi.STATE_FOCUSABLE)]
    check(all(names), f"a focusable object in {window.name!r} has no name: {names}")
    check(len(names) == len(set(names)), f"focusable objects share names: {names}")


def run(program):
    say_a_screen_reader_runs()
    heard = []  # (object's name, inserted text): what a screen reader may announce
    pyatspi.Registry.registerEventListener(lambda e: heard.append((e.source.name, e.any_data)),
                                           "object:text-changed:insert")
    process = subprocess.Popen([program])
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: child_named(desktop, None, process.pid), "the program on the bus")
        form = wait_for(lambda: child_named(app, "Hueloom 2.0"), "the window")
        chat = wait_for(lambda: child_named(app, "Stand-in chat room"), "the stand-in chat room")
        transcript = wait_for(lambda: named(chat, "Chat transcript"), "the chat transcript")
        wait_for(lambda: text_of(transcript) == "Hueloom Loaded", "the start announcement")
        check_focusable_objects_named(form)
        check_focusable_objects_named(chat)

        # Colour 6's red bar paints its swatch at every change.
        named(form, "Red, colour 6").queryValue().currentValue = 200
        swatch = named(form, "Colour 6 swatch")
        wait_for(lambda: swatch.description == "#C80000", "the swatch's colour")

        line_box, preview = named(form, "Line to fade"), named(form, "Preview")
        line_box.queryEditableText().setTextContents(LINE)
        wait_for(lambda: text_of(preview) == LINE, "the preview's text")
        wait_for(lambda: ("Preview", LINE) in heard, "the preview announcing the line")

        named(form, "Send").queryAction().doAction(0)
        wait_for(lambda: text_of(transcript) == "Hueloom Loaded\n" + LINE, "the line in the chat")
        wait_for(lambda: ("Chat transcript", "\n" + LINE) in heard, "the line announced")

        line_box.queryEditableText().setTextContents("x" * 32768)
        wait_for(lambda: text_of(preview) == NOTICE, "the notice for a line too long to fade")
    finally:
        process.terminate()
        try:
            process.wait(WAIT)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    try:
        run(sys.argv[1])
    except Failure as failure:
        sys.exit(f"screen_reader_test: FAILED: {failure}")
    print("screen_reader_test: passed")
