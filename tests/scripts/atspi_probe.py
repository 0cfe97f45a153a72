#!/usr/bin/python3
"""Reads and works Dunok through the accessibility bus, as a screen reader does;
prints what it found, or says what is wrong and exits 1.
  ready | rows | cell ROW COLUMN | where ROW (the middle of its first cell, "x y") | status
  tooltip (the text of the tooltip on screen)
  select ROW | press NAME (a button or menu item) | check-main | check-editor | check-calendar
(check-*: every control of the main window, the open editor, its calendar has a name)
"""
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The bindings call some of their own calls old; the calls still work.
warnings.simplefilter("ignore", DeprecationWarning)
R = Atspi.Role
# What a user works or reads: each must say what it is.
CONTROLS = {getattr(R, name) for name in (
    "PUSH_BUTTON TOGGLE_BUTTON CHECK_BOX RADIO_BUTTON SLIDER SPIN_BUTTON COMBO_BOX TEXT ENTRY "
    "PASSWORD_TEXT MENU_ITEM CHECK_MENU_ITEM RADIO_MENU_ITEM TABLE_CELL LIST_ITEM PAGE_TAB "
    "DATE_EDITOR CALENDAR TABLE LIST TOOL_BAR DIALOG FRAME IMAGE").split()}

def fail(message):
    sys.exit("FAIL: " + message)

def children(node):
    return [c for c in (node.get_child_at_index(i) for i in range(node.get_child_count())) if c]

def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)

def walk(node, showing_only=True):
    yield node
    for child in children(node):
        if showing(child) or not showing_only:
            yield from walk(child, showing_only)

def windows(role):
    for app in children(Atspi.get_desktop(0)):
        try:
            if app.get_name().lower() == "dunok":
                return [w for w in children(app) if w.get_role() == role]
        except GLib.Error:
            continue  # an application that left while we looked
    fail("Dunok is not on the accessibility bus")

def main_window():
    return next((f for f in windows(R.FRAME) if f.get_name() == "Dunok"), None) or fail(
        "Dunok's main window is not on the accessibility bus")

def timer_table():
    table = next((n for n in walk(main_window()) if n.get_role() == R.TABLE), None)
    return table if table and "Table" in table.get_interfaces() else fail("no timer table")

def cell_text(table, row, column):
    cell = Atspi.Table.get_accessible_at(table, row, column)
    return cell.get_name() if cell else fail(f"the list has no cell at {row}, {column}")

def spoken_name(node):
    """What a screen reader says a control is; empty when it could say nothing."""
    if node.get_role() != R.COMBO_BOX:
        return node.get_name().strip()
    # On Linux a combo box's name is its current entry: what it is comes from
    # the label it names as its own.
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            for i in range(relation.get_n_targets()):
                label = relation.get_target(i).get_name().strip()
                if label:
                    return f"{label} {node.get_name()}".strip()
    return ""

def check_names(root, needs, menus=False):
    """Prints each control under root with its name; fails on one without a
    name, or on fewer of a role than needs asks. Returns the counts by role."""
    counts, unnamed = {}, []
    for node in walk(root, showing_only=not menus):
        role = node.get_role()
        focusable = node.get_state_set().contains(Atspi.StateType.FOCUSABLE)
        # Closed menus are not on screen, but their items are what the user
        # hears when they open. Row headers the list does not show are no control.
        if menus and not showing(node) and role not in (R.MENU_ITEM, R.MENU, R.POPUP_MENU):
            continue
        if role == R.TABLE_ROW_HEADER or (role not in CONTROLS and not focusable):
            continue
        role_name = Atspi.role_get_name(role)
        counts[role_name] = counts.get(role_name, 0) + 1
        if spoken_name(node):
            print(f"{role_name}: {spoken_name(node)}")
        else:
            parent = node.get_parent()
            unnamed.append(f"{role_name} in {parent.get_name()!r} "
                           f"({Atspi.role_get_name(parent.get_role())})")
    for role, least in needs.items():
        if counts.get(role, 0) < least:
            fail(f"expected at least {least} {role}, found {counts.get(role, 0)}: {counts}")
    if unnamed:
        fail("without a name a screen reader can say:\n  " + "\n  ".join(unnamed))
    return counts

def do_action(node):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))
             ] if "Action" in node.get_interfaces() else []
    want = next((w for w in ("Press", "Toggle", "ShowMenu") if w in names), None)
    if not want:
        fail(f"{node.get_name()!r} offers only {names}")
    if not Atspi.Action.do_action(node, names.index(want)):
        fail(f"{want} on {node.get_name()!r} was refused")

def find_named(name):
    """In an open dialog first, then the main window (its menus too, shown or not)."""
    for window in windows(R.DIALOG) + [main_window()]:
        for node in walk(window, showing_only=False):
            if node.get_name() == name and node.get_role() in CONTROLS:
                return node
    fail(f"no control is called {name!r}")

def popup_after(press):
    """Does press() and returns the window that came up because of it: a popup
    is not among the application's windows, and a screen reader learns of it
    from the events it sends as it shows."""
    shown, found = [], []
    listener = Atspi.EventListener.new(lambda event: event.detail1 and shown.append(event.source))
    listener.register("object:state-changed:showing")
    loop = GLib.MainLoop()
    def look():
        for top in shown:
            while top.get_parent() is not None and top.get_parent().get_role() != R.APPLICATION:
                top = top.get_parent()
            if top.get_role() in (R.FRAME, R.WINDOW, R.DIALOG) and top.get_name() != "Dunok":
                found.append(top)
                loop.quit()
                return False
        return True
    GLib.idle_add(lambda: press() and False)
    GLib.timeout_add(100, look)
    GLib.timeout_add(10000, loop.quit)
    loop.run()
    listener.deregister("object:state-changed:showing")
    return found[0] if found else fail("nothing came up")

def command(what, *args):
    editor = (lambda: (windows(R.DIALOG) or fail("no editor dialog is open"))[0])
    if what == "ready":
        print("ready" if timer_table() else "")
    elif what == "rows":
        table = timer_table()
        for row in range(Atspi.Table.get_n_rows(table)):
            print("\t".join(cell_text(table, row, c)
                            for c in range(Atspi.Table.get_n_columns(table))))
    elif what == "cell":
        print(cell_text(timer_table(), int(args[0]), int(args[1])))
    elif what == "where":
        cell = Atspi.Table.get_accessible_at(timer_table(), int(args[0]), 0) or fail("no row")
        box = Atspi.Component.get_extents(cell, Atspi.CoordType.SCREEN)
        print(f"{box.x + box.width // 2} {box.y + box.height // 2}")
    elif what == "status":  # the label beside the list
        labels = [n for n in children(timer_table().get_parent()) if n.get_role() == R.LABEL]
        print(labels[0].get_name() if labels else fail("no status line beside the list"))
    elif what == "tooltip":
        tips = [t for t in windows(R.TOOL_TIP) if showing(t)] or fail("no tooltip is showing")
        print(tips[0].get_name())
    elif what == "select":
        row, table = int(args[0]), timer_table()
        Atspi.Table.add_row_selection(table, row)
        Atspi.Table.is_row_selected(table, row) or fail(f"row {row} could not be selected")
    elif what == "press":
        do_action(find_named(args[0]))
    elif what == "check-main":
        # The toolbar's buttons, the menus' items, the list's cells and the
        # quick-help icon beside the status line.
        check_names(main_window(), {"tool bar": 1, "push button": 8, "menu item": 16, "table": 1,
                                    "table cell": 2, "image": 1}, menus=True)
    elif what == "check-editor":
        check_names(editor(), {"slider": 3, "text": 1, "combo box": 1, "spin button": 1,
                               "check box": 1, "push button": 4})
    elif what == "check-calendar":
        button = next((n for n in walk(editor()) if n.get_role() == R.PUSH_BUTTON
                       and "calendar" in n.get_name().lower()), None) or fail("no calendar button")
        calendar = popup_after(lambda: do_action(button))
        # Two arrows and the days of one month; no blank buttons around them.
        buttons = check_names(calendar, {"push button": 2 + 28})["push button"]
        buttons <= 2 + 31 or fail(f"{buttons} buttons in a month's calendar")
    else:
        sys.exit(__doc__)

if __name__ == "__main__":
    try:
        command(*(sys.argv[1:] or [""]))
    except GLib.Error as error:
        fail(f"the accessibility bus said: {error.message}")
    except BrokenPipeError:
        pass  # whoever read our output has what it wanted
