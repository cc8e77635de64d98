# SPDX-FileCopyrightText: 2026 the KZ Pont authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays exercise 2 -> 5 of a running KZ Pont through the accessibility bus alone, as a screen
reader would: every element found by its name, pressed by its action, every LED read and set,
every cell read with its headers, every cell chosen by its focus. No pixel coordinate is used.
Run by scripts/atspi-check, which starts the bus and the program; exits non-zero on a fault."""
import sys
import time

import pyatspi
from gi.repository import GLib



def pump(seconds=0.05):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def wait(what, found, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        result = found()
        if result:
            return result
        pump()
    sys.exit("FAULT: %s did not happen" % what)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "KZ Pont":
            return app
    return None


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def window(name):
    """The program's shown window whose name starts with `name`."""
    def look():
        app = program()
        for w in app or []:
            if w is not None and w.name.startswith(name) and showing(w):
                return w
        return None
    return wait("window %r" % name, look)


def find(root, name, role=None):
    """The first object below `root` named `name` (and of `role`), walking the tree."""
    def walk(obj, depth=0):
        if obj is None or depth > 12:
            return None
        if obj.name == name and (role is None or obj.getRoleName() == role):
            return obj
        if obj.getRoleName() == "table":
            return None  # cells are reached through the table interface
        for child in obj:
            hit = walk(child, depth + 1)
            if hit:
                return hit
        return None
    hit = walk(root)
    if not hit:
        sys.exit("FAULT: no %r in %r" % (name, root.name))
    return hit


def act(obj, name=None):
    """Does the object's action `name` (its first one when none is named)."""
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index(name) if name else 0
    print("  %s %r (%s)" % (names[index], obj.name, obj.getRoleName()))
    action.doAction(index)
    pump(0.3)


def cell_headers(cell):
    """What a screen reader says of a cell: its text, its row and column headers, its meaning,
    found as Orca finds them (the cell's index in its table, then the table's headers)."""
    table = cell.parent.queryTable()
    index = cell.getIndexInParent()
    row, column = table.getRowAtIndex(index), table.getColumnAtIndex(index)
    headers = [h.name for h in (table.getRowHeader(row), table.getColumnHeader(column)) if h]
    return "%r row %d column %d, headers %s, description %r" % (
        cell.name, row, column, headers, cell.description)


def cell(grid, row_header=None, column_header=None, description=None):
    """The table cell of `grid` under those headers, or with that description."""
    table = grid.queryTable()
    for r in range(table.nRows):
        for c in range(table.nColumns):
            rh, ch = table.getRowHeader(r), table.getColumnHeader(c)
            candidate = table.getAccessibleAt(r, c)
            if ((row_header is None or (rh and rh.name == row_header))
                    and (column_header is None or (ch and ch.name == column_header))
                    and (description is None or candidate.description == description)):
                return candidate
    sys.exit("FAULT: no cell %s/%s/%s in %r" % (row_header, column_header, description, grid.name))


def choose(grid, **where):
    target = cell(grid, **where)
    print("  cell", cell_headers(target))
    target.queryComponent().grabFocus()
    wait("focus on %r" % target.name, lambda: target.getState().contains(pyatspi.STATE_FOCUSED))
    return target


def no_refusal():
    for w in program() or []:
        if w is not None and showing(w) and w.name == "Avertissement":
            sys.exit("FAULT: refused: %s" % w.description)


def press_in(win, name):
    act(find(win, name, "push button"))


def play_hub(hub, lit):
    act(find(window("KZ Pont"), "Hub %d" % hub))
    dialog = window("Fonction du Hub %d" % hub)
    panel = find(dialog, "Panneau des leds du Hub %d" % hub)
    for led in lit:
        act(find(panel, led), "Toggle")
        wait("%s lit" % led, lambda: find(panel, led).getState().contains(pyatspi.STATE_CHECKED))
    print("  LEDs:", ", ".join("%s %s" % (led.name, "on" if led.getState().contains(
        pyatspi.STATE_CHECKED) else "off") for led in panel))
    press_in(dialog, "Terminé")
    wait("hub %d done" % hub, lambda: not showing(dialog))
    no_refusal()


def focused_cells():
    """The cells of every grid of every window, shown or hidden, that say they are focused."""
    found = []
    def walk(obj, depth=0):
        if obj is None or depth > 12:
            return
        if obj.getRoleName() == "table":
            found.extend("%s: %s" % (obj.name, c.name) for c in obj
                         if c.getState().contains(pyatspi.STATE_FOCUSED))
            return
        for child in obj:
            walk(child, depth + 1)
    walk(program())
    return found


heard = []


def main():
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append((e.type, e.source.name, e.detail1)), "object:state-changed:checked")
    main_window = window("KZ Pont")
    diagram = find(main_window, "Réseau")
    print("Diagram:", [(c.name, c.getRoleName()) for c in diagram])
    if [c.name for c in diagram] != ["Machine %d" % s for s in range(1, 7)] + [
            "Hub 1", "Hub 2", "Pont"]:
        sys.exit("FAULT: the diagram's children")

    print("MAC window:")
    macs = find(window("Adresses MAC"), "adresses MAC", "table")
    print("  cell", cell_headers(cell(macs, row_header="Machine 3", column_header="adresses MAC")))

    print("Sender, station 2:")
    act(find(diagram, "Machine 2"))
    sender = window("Station émettrice")
    cache = find(sender, "Adresses connues ( en cache )", "table")
    frame = find(sender, "Trame", "table")
    for station, field in (("Machine 5", "Adresse MAC de destination"),
                           ("Machine 2", "Adresse MAC source")):
        choose(cache, row_header=station, column_header="adresses MAC")
        choose(frame, description=field)
        press_in(sender, "Copier l'adresse dans la trame")
        no_refusal()
    print("  focused cells in the program:", focused_cells())
    press_in(sender, "Terminé")
    wait("the sender done", lambda: not showing(sender))
    no_refusal()
    print("  Machine 2:", find(diagram, "Machine 2").description)

    print("Hub 1:")
    play_hub(1, ["RX port 2", "TX port 1", "TX port 3", "TX port 4"])
    print("  Hub 1:", find(diagram, "Hub 1").description)

    print("Bridge:")
    act(find(diagram, "Pont"))
    bridge = window("Pont.")
    choose(find(bridge, "Trame", "table"), description="Adresse MAC source")
    press_in(bridge, "Mise à jour table gauche")
    left = find(bridge, "Table associée au port gauche", "table")
    table = left.queryTable()
    pending = table.getAccessibleAt(table.nRows - 1, 0)
    print("  pending entry:", cell_headers(pending), "TTL",
          table.getAccessibleAt(table.nRows - 1, 1).name)
    act(find(bridge, "aucune", "radio button"), "Toggle")
    act(find(bridge, "à droite", "radio button"), "Toggle")
    press_in(bridge, "Terminé")
    wait("the bridge done", lambda: not showing(bridge))
    no_refusal()
    print("  Pont:", find(diagram, "Pont").description)
    print("  clear button:", find(bridge, "Effacer", "push button").name)

    print("Hub 2:")
    play_hub(2, ["RX port 1", "TX port 2", "TX port 3", "TX port 4"])

    print("Receiver, station 5:")
    act(find(diagram, "Machine 5"))
    receiver = window("Réception de la trame")
    act(find(receiver, "Copier la trame en mémoire", "check box"), "Toggle")
    press_in(receiver, "Terminé")
    wait("the receiver done", lambda: not showing(receiver))
    no_refusal()
    for element in diagram:
        print("  %s: %s" % (element.name, element.description))

    print("Progress window:")
    progress = window("Avancement")
    print("  role:", progress.getRoleName(), "; MAC window role:",
          window("Adresses MAC").getRoleName())
    press_in(progress, "Fin du traitement de la trame")
    box = window("Information")
    print("  box:", box.description)
    press_in(box, "OK")
    errors = find(progress, "Cumul erreurs = 0")
    print("  ", errors.name)
    leds = [h for h in heard if " port " in h[1]]
    print("LED check events heard:", len(leds), leds[:3], "...")
    if len(leds) < 8:
        sys.exit("FAULT: LED changes not announced")
    print("PLAYED: exercise 2 -> 5 through the accessibility bus alone")


main()
