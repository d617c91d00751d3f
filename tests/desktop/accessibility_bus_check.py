#!/usr/bin/python3
"""The window on the accessibility bus, as a screen reader finds it.

Usage: accessibility_bus_check.py <solvanix program> <print_worked_example program>
(under dbus-run-session and xvfb-run: the test registered in tests/desktop/CMakeLists.txt does it)

After OK on the first worked example, an object with the notification role is shown carrying the
summary of the results; after a run that ends in the failure box, no summary is shown again.
The example is entered with real key presses and a click on OK, as a user enters it. Then an assistive tool's
route into the inputs, setTextContents as voice control uses it: a list's field keeps showing
one of its items, and a dimension box holds what the input rule reads.
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

SUMMARY_START = "Calcul terminé. Matrice : (1024x768) ; Ratio écran : 3 ; Surface écran : 12 mètres carrés"
SUMMARY_END = "Recul totale utile : 7,66 mètres."


def fail(message):
    print(f"FAIL: {message}", flush=True)
    sys.exit(1)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)
    pump(0.2)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    pump(0.2)


def click_in_window(x, y):
    """A click at (x, y) in the window's client area."""
    window = subprocess.run(["xdotool", "search", "--name", "^SOLVANIX V[0-9.]+ Light$"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                              capture_output=True, text=True, check=True).stdout
    where = dict(line.split("=") for line in geometry.split())
    subprocess.run(["xdotool", "mousemove", str(int(where["X"]) + x), str(int(where["Y"]) + y),
                    "click", "1"], check=True)
    pump(0.2)


def find_application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application is not None and application.get_name() == name:
            return application
    return None


def find_input(root, name):
    """The input below `root` that its caption names `name`: the object of that name, or, for a
    list, which Qt on Linux names by its value, the one its caption label of that name is for."""
    queue, caption = [root], None
    while queue:
        node = queue.pop(0)
        if node is None:
            continue
        if node.get_name() == name:
            if node.get_role() != Atspi.Role.LABEL:
                return node
            caption = caption or node
        queue.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
    for relation in caption.get_relation_set() if caption else []:
        if relation.get_relation_type() == Atspi.RelationType.LABEL_FOR:
            return relation.get_target(0)
    return None


def editable_below(node):
    """`node` or the first of its descendants with editable text (a list's field)."""
    queue = [node]
    while queue:
        node = queue.pop(0)
        if node is not None and "EditableText" in node.get_interfaces():
            return node
        if node is not None:
            queue.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
    return None


def text_of(node):
    return Atspi.Text.get_text(node, 0, -1)


def check_set_text_contents(application):
    """Returns the failures of setTextContents on a list's field and on a dimension box."""
    failures = []
    cases = [("Nombre de projecteurs", "77", "2"),
             ("Largeur totale", "1\uff16", "16"),
             ("Largeur totale", "\u2212" "3", "-3"),
             ("Largeur totale", "1\u00a0" "2", "1 2")]
    for name, offered, held in cases:
        control = find_input(application, name)
        field = control and editable_below(control)
        if field is None:
            failures.append(f"no editable text named {name!r}")
            continue
        Atspi.EditableText.set_text_contents(field, offered)
        pump(0.3)
        if text_of(field) != held:
            failures.append(f"{name}: set to {offered!r}, holds {text_of(field)!r}, not {held!r}")
    return failures


def main():
    program, printer = sys.argv[1], sys.argv[2]
    entry = subprocess.run([printer, "1", "keys"], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    shown = []  # what the notification said each time it was shown
    boxes = []  # the titles of the message boxes that opened

    def on_showing(event):
        source = event.source
        if event.detail1 != 1:
            return
        if source.get_role() == Atspi.Role.NOTIFICATION:
            shown.append(source.get_name())
        elif source.get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG):
            boxes.append(source.get_name())

    listener = Atspi.EventListener.new(on_showing)
    listener.register("object:state-changed:showing")

    # On the X server: the offscreen platform that the other tests use has no accessibility bus.
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8")
    window = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 60  # a loaded machine starts the bus slowly
        while find_application("solvanix") is None:
            if time.monotonic() > deadline or window.poll() is not None:
                desktop = Atspi.get_desktop(0)
                names = [desktop.get_child_at_index(i).get_name()
                         for i in range(desktop.get_child_count())]
                fail(f"the program did not appear on the accessibility bus, which has: {names}")
            pump(0.2)
        pump(1)

        # The first worked example as a user enters it along the focus order, then OK.
        for line in entry:
            command, _, arguments = line.partition(" ")
            if command == "type":
                type_text(arguments)
            elif command == "key":
                key(*arguments.split())
            elif command == "click":
                click_in_window(*map(int, arguments.split()))
        pump(2)
        if len(shown) != 1:
            fail(f"after OK, {len(shown)} summaries were shown: {shown}")
        summary = shown[0]
        if not (summary.startswith(SUMMARY_START) and summary.endswith(SUMMARY_END)):
            fail(f"the summary says: {summary}")
        print(f"ok: after OK the notification says: {summary}", flush=True)

        # A failing run: the height emptied, OK, the failure box answered.
        key("shift+Tab")  # from OK back to the height
        key("ctrl+a", "BackSpace")
        key("Tab", "space")
        pump(1)
        key("Return")  # the failure box's OK
        pump(2)
        if "Calcul impossible" not in boxes:
            fail(f"the failing run did not end in the failure box: {boxes}")
        if len(shown) != 1:
            fail(f"a failing run showed a summary again: {shown[1:]}")
        print("ok: a failing run showed no new summary", flush=True)

        failures = check_set_text_contents(find_application("solvanix"))
        if failures:
            fail("; ".join(failures))
        print("ok: setTextContents leaves a list showing an item and a box what the rule reads",
              flush=True)
    finally:
        window.kill()
        window.wait()


if __name__ == "__main__":
    main()
