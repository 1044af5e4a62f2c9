#!/usr/bin/python3
"""Reads the Viewer panel and the dot gain dialogs as a screen reader does, through AT-SPI.

usage: panel_client.py BUILD_DIR OUTPUT_DIR

Runs inside a private D-Bus session (scripts/accessibility) on an X display. Starts the AT-SPI
bus, then for English, German and French starts the host with the unknown-spot sample, the panel
shown and its proof generated (tests/accessibility/panel.hls), and checks through the registry:
every visible control of the panel and of the three dot gain dialogs has a name and the role it
should have; the ink warning is in the tree; the connection light's name changes, announced,
when the engine loses its connection. Writes the English tree to OUTPUT_DIR/panel-tree-en.txt.
Fails with a message naming the language and the control.
"""

import os
import shutil
import subprocess
import sys
import time

from gi.repository import Gio, GLib

pyatspi = None  # imported once the accessibility bus runs, so that it joins that bus
A11Y_BUS = []  # this client's own connection to that bus

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LANGUAGES = [("en", "C.UTF-8"), ("de", "de_DE.UTF-8"), ("fr", "fr_FR.UTF-8")]
# Seconds to wait for something the host does; the host under the sanitizers starts in about 2 s.
PATIENCE = 30

# What a person finds on the panel, by role, in creation order.
PANEL_ROLES = ["canvas", "image", "image", "label", "label", "combo box", "combo box", "push button",
               "push button", "check box", "push button"]
# The dialogs: the list of settings, the editor of a new setting, the name of a copy.
LIST_DIALOG_ROLES = ["list"] + ["push button"] * 5
EDITOR_ROLES = ["push button", "push button", "label", "text"] + ["label", "spin button", "label"] * 5
COPY_ROLES = ["label", "text", "push button", "push button"]
# Names that prove the right texts reach the reader (the other languages must differ from them).
ENGLISH_NAMES = {
    "canvas": "Proof preview",
    "ink": "Ink warning",
    "zoom out": "Zoom out",
    "zoom in": "Zoom in",
    "link": "Link the preview with the document view",
}


class Failure(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, find):
    """Polls `find` (pumping the registry's events) until it answers; fails naming `what`."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        pump()
        found = find()
        if found:
            return found
        time.sleep(0.05)
    raise Failure(f"gave up after {PATIENCE} s waiting for {what}")


def start_registry_bus():
    """Starts the accessibility bus of this session and returns it with its address."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def address():
        try:
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                      GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 1000, None)
            return reply.unpack()[0]
        except GLib.Error:
            return None

    bus = wait_for("the accessibility bus", address)
    # Qt asks the session bus for this address only after it has tried to register, a race it
    # may lose; the address on the display's root window it reads at once.
    subprocess.run(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", bus], check=True)
    return launcher, bus


def showing(node):
    """Whether a person sees the node; a window that has just closed is not seen."""
    try:
        states = node.getState()
        return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    except GLib.Error:
        return False


def children(node):
    try:
        return [child for child in node if child is not None]
    except GLib.Error:
        return []


def controls(node):
    """The visible leaves and combo boxes below `node`, depth first: what a person operates or reads."""
    found = []
    for child in children(node):
        if not showing(child):
            continue
        role = child.getRoleName()
        if role in ("filler", "frame", "panel"):
            found += controls(child)
        else:
            found.append(child)
    return found


def states(node):
    words = []
    node_states = node.getState()
    if not node_states.contains(pyatspi.STATE_ENABLED):
        words.append("disabled")
    if node.getRoleName() in ("check box", "toggle button"):
        words.append("checked" if node_states.contains(pyatspi.STATE_CHECKED) else "unchecked")
    return words


def line(node, depth=0):
    text = f"{'  ' * depth}{node.getRoleName()} \"{node.name}\""
    words = states(node)
    if words:
        text += " " + " ".join(words)
    if node.description:
        text += ": " + node.description.replace("\n", "\\n")
    return text


def tree(node, depth=0):
    lines = [line(node, depth)]
    if node.getRoleName() != "combo box":
        for child in children(node):
            if showing(child):
                lines += tree(child, depth + 1)
    return lines


def check_controls(where, found, roles):
    got = [control.getRoleName() for control in found]
    if got != roles:
        raise Failure(f"{where}: roles {got}, expected {roles}")
    for control in found:
        if not control.name.strip():
            raise Failure(f"{where}: a {control.getRoleName()} has no name\n" + "\n".join(line(c) for c in found))


class Host:
    """One host application, with the panel shown, as the registry sees it."""

    def __init__(self, build, language, locale, output):
        self.folder = os.path.join(output, language)
        # Each language makes its dot gain setting afresh.
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        self.missing = os.path.join(self.folder, "missing-keys.asc")
        if os.path.exists(self.missing):
            os.remove(self.missing)
        env = dict(os.environ, LC_ALL=locale, LOCALE_MISSING=self.missing,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb",
                   HUELINE_SHARED_DOCUMENTS=os.path.join(self.folder, "shared"))
        self.process = subprocess.Popen(
            [os.path.join(build, "sim/app/hueline-host"), "--plugins", os.path.join(build, "plugins"),
             "--script", os.path.join(ROOT, "tests/accessibility/panel.hls"), "--stay",
             os.path.join(ROOT, "samples/unknown-spot.json")],
            env=env, stdout=subprocess.DEVNULL)
        self.app = wait_for("the host in the accessibility registry", self.find_app)

    def find_app(self):
        if self.process.poll() is not None:
            raise Failure(f"the host ended with status {self.process.returncode} before it showed up")
        for app in children(pyatspi.Registry.getDesktop(0)):
            try:
                if app.get_process_id() == self.process.pid:
                    return app
            except GLib.Error:
                pass
        return None

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def window(self, role, name=None):
        for child in children(self.app):
            if child.getRoleName() == role and (name is None or child.name == name) and showing(child):
                return child
        return None

    def frame(self, title):
        """The frame or dialog of the application with this title, found anywhere below its windows."""
        def search(node, depth):
            if node.getRoleName() in ("frame", "dialog") and node.name == title and showing(node):
                return node
            if depth == 0:
                return None
            for child in children(node):
                found = search(child, depth - 1)
                if found:
                    return found
            return None
        return search(self.app, 2)

    def panel(self):
        dock = self.frame("Hueline Viewer")
        if dock is None:
            return None
        fillers = [child for child in children(dock) if child.getRoleName() == "filler"]
        # The first filler is the host panel's container holding the viewer's panel; the second the title bar.
        content = controls(fillers[0]) if fillers else []
        return (dock, fillers, content) if len(content) >= len(PANEL_ROLES) else None


def press(node):
    """Does the node's press action without waiting for the answer: a button that opens a modal
    dialog answers only once that dialog has closed."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    A11Y_BUS[0].call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (index,)),
                     GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, -1, None, None, None)


def menu_item(host, path):
    """The item of the host window's menu bar at `path` (menu titles, then the item)."""
    window = next(child for child in children(host.app) if child.getRoleName() == "frame"
                  and any(grandchild.getRoleName() == "menu bar" for grandchild in children(child)))
    node = next(child for child in children(window) if child.getRoleName() == "menu bar")
    for name in path:
        items = children(node)
        if node.getRoleName() == "menu item":  # a menu's items are in its popup
            items = [item for popup in items for item in children(popup)]
        node = next((item for item in items if item.name == name), None)
        if node is None:
            raise Failure(f"no menu item {'/'.join(path)}")
    return node


def dialogs(host):
    return [child for child in children(host.app) if showing(child) and child.getRoleName() == "dialog"]


def dialog_controls(host, count, beside=None):
    """The front dialog (not `beside`) and its visible controls, once it shows `count` of them."""
    def find():
        front = [dialog for dialog in dialogs(host) if beside is None or dialog.path != beside.path]
        found = controls(front[-1]) if front else []
        return (front[-1], found) if len(found) >= count else None
    return wait_for(f"a dialog with {count} controls", find)


def wait_closed(host, what, beside=None):
    wait_for(f"{what} to close", lambda: all(beside is not None and dialog.path == beside.path
                                              for dialog in dialogs(host)))


def check_inner_dialog(host, where, listing, opener, roles, answer):
    """Opens a dialog over the settings list with `opener`, checks its controls and closes it with
    the control at `answer`; returns its tree."""
    press(opener)
    dialog, found = dialog_controls(host, len(roles), listing)
    check_controls(where, found, roles)
    lines = tree(dialog)
    press(found[answer])
    wait_closed(host, where, listing)
    return lines


def check_dialogs(host, language, titlebar):
    """Opens the dot gain settings from the panel's flyout menu, a new setting's editor and the
    copy dialog, and checks the controls of each; returns their trees."""
    flyout = next(control for control in controls(titlebar) if control.getRoleName() == "push button")
    # A popup menu is no child of the application: it is found as the object that says it shows.
    shown = []
    listener = lambda event: shown.append(event.source)
    pyatspi.Registry.registerEventListener(listener, "object:state-changed:showing")
    press(flyout)

    def flyout_entry():
        menus = [source for source in shown if source.getRoleName() == "popup menu"]
        return next((child for menu in menus for child in children(menu) if child.getRoleName() == "menu item"), None)

    entry = wait_for("the panel's flyout menu", flyout_entry)
    pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:showing")
    press(entry)
    listing, found = dialog_controls(host, len(LIST_DIALOG_ROLES))
    check_controls(f"{language}: dot gain settings", found, LIST_DIALOG_ROLES)
    close, new, copy = found[1], found[2], found[3]
    trees = [tree(listing)]

    # A new setting saved under the name proposed, so that there is one to copy.
    trees.append(check_inner_dialog(host, f"{language}: new dot gain settings", listing, new, EDITOR_ROLES, 0))
    wait_for("Copy to be offered for the new setting", lambda: copy.getState().contains(pyatspi.STATE_ENABLED))
    trees.append(check_inner_dialog(host, f"{language}: copy dot gain settings", listing, copy, COPY_ROLES, 3))
    press(close)
    wait_closed(host, "the dot gain settings")
    return trees


def check_language(build, output, language, locale):
    started = time.monotonic()
    host = Host(build, language, locale, output)
    try:
        dock, fillers, found = wait_for("the Viewer panel with its controls", host.panel)
        check_controls(f"{language}: panel", found, PANEL_ROLES)
        canvas, ink, light, title, dot_gain_label, dot_gain, zoom, zoom_in, zoom_out, link, generate = found
        if language == "en":
            named = {"canvas": canvas, "ink": ink, "zoom out": zoom_out, "zoom in": zoom_in, "link": link}
            for key, node in named.items():
                if node.name != ENGLISH_NAMES[key]:
                    raise Failure(f"en: the {key} is called \"{node.name}\", expected \"{ENGLISH_NAMES[key]}\"")
        elif canvas.name == ENGLISH_NAMES["canvas"] or link.name == ENGLISH_NAMES["link"]:
            raise Failure(f"{language}: the panel speaks English: \"{canvas.name}\", \"{link.name}\"")
        if "%" not in canvas.description:
            raise Failure(f"{language}: the canvas's description \"{canvas.description}\" names no zoom")
        if not ink.getState().contains(pyatspi.STATE_ENABLED) or "Hueline" not in ink.description:
            raise Failure(f"{language}: no ink warning for unknown-spot.json: {line(ink)}")
        if not link.getState().contains(pyatspi.STATE_CHECKED):
            raise Failure(f"{language}: the view link is not reported checked: {line(link)}")
        panel_tree = tree(fillers[0])

        renamed = []
        listener = lambda event: renamed.append(event.source.path)
        pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
        connected = light.name
        press(menu_item(host, ["Engine", "Not Connected"]))
        wait_for("the light to change its name", lambda: light.name != connected)
        wait_for("the light's new name to be announced", lambda: light.path in renamed)
        pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
        panel_tree.append(f"(engine not connected) {line(light)}")

        dialog_trees = check_dialogs(host, language, fillers[1])
    finally:
        host.stop()
    if os.path.exists(host.missing) and os.path.getsize(host.missing) > 0:
        with open(host.missing, encoding="utf-8") as missing:
            raise Failure(f"{language}: untranslated keys:\n{missing.read()}")
    if language == "en":
        with open(os.path.join(output, "panel-tree-en.txt"), "w", encoding="utf-8") as out:
            out.write("\n".join(panel_tree + [""] + [t for lines in dialog_trees for t in lines + [""]]))
    return time.monotonic() - started


def main():
    if len(sys.argv) != 3:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    build, output = (os.path.abspath(argument) for argument in sys.argv[1:])
    os.makedirs(output, exist_ok=True)
    started = time.monotonic()
    launcher, bus = start_registry_bus()
    os.environ["AT_SPI_BUS_ADDRESS"] = bus
    A11Y_BUS.append(Gio.DBusConnection.new_for_address_sync(
        bus, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None))
    global pyatspi
    import pyatspi
    # The registry starts on the first question; a host that comes before it is never listed.
    pyatspi.Registry.getDesktop(0).childCount
    try:
        for language, locale in LANGUAGES:
            seconds = check_language(build, output, language, locale)
            print(f"accessibility: {language} checked in {seconds:.1f} s")
    except Failure as failure:
        print(f"accessibility: {failure}", file=sys.stderr)
        return 1
    finally:
        launcher.terminate()
        launcher.wait()
    print(f"accessibility: panel and dialogs named in en, de, fr in {time.monotonic() - started:.1f} s; "
          f"tree in {os.path.join(output, 'panel-tree-en.txt')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
